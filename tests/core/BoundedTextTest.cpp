#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/TableEntry.h"

namespace {

struct BoundedCase {
  std::string_view text;
  std::string_view kept;
};

// Up to the capacity a text is kept whole; a longer one keeps its beginning.
TEST(BoundedText, KeepsAtMostItsCapacity) {
  for (const BoundedCase& c : {BoundedCase{"", ""}, BoundedCase{"A", "A"}, BoundedCase{"LD", "LD"},
                               BoundedCase{"ABCDEFG", "ABCDEFG"}, BoundedCase{"ABCDEFGH", "ABCDEFG"},
                               BoundedCase{std::string_view("A\0B", 3), std::string_view("A\0B", 3)}}) {
    const BoundedText<MNEMONIC_MAX> text(c.text);
    EXPECT_EQ(text.view(), c.kept) << c.text;
    EXPECT_EQ(text.size(), c.kept.size()) << c.text;
    EXPECT_EQ(text.empty(), c.kept.empty()) << c.text;
    EXPECT_EQ(std::string(text.begin(), text.end()), c.kept) << c.text;
  }
}

TEST(BoundedText, ComparesWithAnyText) {
  const BoundedText<PATTERN_MAX> pattern(std::string("A,(HL)"));
  EXPECT_EQ(pattern, "A,(HL)");
  EXPECT_EQ(pattern, std::string("A,(HL)"));
  EXPECT_FALSE(pattern == "A,(HL");
  EXPECT_FALSE(pattern == "A,(HL)X");
  EXPECT_EQ(static_cast<std::string_view>(pattern), "A,(HL)");
}

// A later, shorter text leaves nothing of the earlier one behind.
TEST(BoundedText, AssignedTextReplacesTheWholeText) {
  BoundedText<PATTERN_MAX> pattern = "IX,(IY*)";
  pattern = "A";
  EXPECT_EQ(pattern.view(), "A");
  pattern = BoundedText<PATTERN_MAX>();
  EXPECT_TRUE(pattern.empty());
}

}  // namespace
