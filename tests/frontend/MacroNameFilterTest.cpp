#include <gtest/gtest.h>

#include "frontend/MacroNameFilter.h"
#include "frontend/MacroTable.h"

namespace {

TEST(MacroNameFilter, PassesEveryNameItHolds) {
  MacroNameFilter filter;
  EXPECT_FALSE(filter.mayName("A"));
  filter.add("__FILE__");
  filter.add("M1");
  filter.add(std::string(80, 'L'));
  EXPECT_TRUE(filter.mayName("__FILE__"));
  EXPECT_TRUE(filter.mayName("M1"));
  EXPECT_TRUE(filter.mayName(std::string(80, 'L')));
  EXPECT_TRUE(filter.mayStart('_'));
  EXPECT_FALSE(filter.mayStart('l'));
  // Words with another first character or a length no name has are turned down.
  EXPECT_FALSE(filter.mayName("loop"));
  EXPECT_FALSE(filter.mayName("M12"));
  EXPECT_FALSE(filter.mayName(""));
}

TEST(MacroNameFilter, ListsEachFirstCharacterOnceWhileANameHasIt) {
  MacroNameFilter filter;
  filter.add("__FILE__");
  filter.add("__TIME__");
  EXPECT_EQ(filter.starts(), "_");
  filter.add("M1");
  filter.remove("__FILE__");
  EXPECT_EQ(filter.starts(), "_M");
  filter.remove("__TIME__");
  EXPECT_EQ(filter.starts(), "M");
}

TEST(MacroNameFilter, KeepsANameWhoseNeighbourIsRemoved) {
  MacroNameFilter filter;
  filter.add("MA");
  filter.add("MB");
  filter.remove("MA");
  EXPECT_TRUE(filter.mayName("MB"));
  filter.remove("MB");
  EXPECT_FALSE(filter.mayName("MB"));
}

// Redefining a name must not count it twice, and removing an unknown name must
// not uncount another one.
TEST(MacroNameFilter, FollowsTheMacroTable) {
  MacroTable macros;
  macros.define("M", MacroDef{});
  macros.define("M", MacroDef{});
  macros.remove("N");
  EXPECT_TRUE(macros.mayName("M"));
  macros.remove("M");
  EXPECT_FALSE(macros.mayName("M"));
  EXPECT_FALSE(macros.mayStartName('M'));
}

}  // namespace
