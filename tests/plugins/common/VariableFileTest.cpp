#include "plugins/common/VariableFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string nameText(const calcfile::VariableName& name) {
  return {name.field.begin(), name.field.begin() + name.length};
}

TEST(VariableName, DefaultRuleTakesFirstEightCharactersOfLastComponent) {
  struct Case {
    std::string basePath;
    std::string name;
  };
  const Case cases[] = {
      {"D:\\work\\game", "game"},
      {"D:\\work\\blackjack2", "blackjac"},
      {"prog", "prog"},
      {"D:\\work\\", ""},
      {"/home/u/src/Game", "Game"},          // case kept
      {"/home/u\\mixed/last\\x.y", "x.y"},  // both separators; dots are ordinary
      {"D:\\work\\old.src\\x.y", "x.y"},
      {"", ""},
  };
  for (const Case& c : cases) {
    const calcfile::VariableName name = calcfile::defaultVariableName(c.basePath);
    EXPECT_EQ(nameText(name), c.name) << c.basePath;
    EXPECT_EQ(name.length, c.name.size()) << c.basePath;
    for (std::size_t i = c.name.size(); i < calcfile::NAME_FIELD_SIZE; ++i) {
      EXPECT_EQ(name.field[i], 0) << c.basePath << " byte " << i;
    }
  }
}

TEST(Checksum, SumsUnsignedBytesModulo65536) {
  EXPECT_EQ(calcfile::checksum({}), 0);
  const std::vector<std::uint8_t> high{0x80, 0xFF};
  EXPECT_EQ(calcfile::checksum(high), 0x17F);
  const std::vector<std::uint8_t> many(300, 0xFF);  // 76500 wraps to 10964
  EXPECT_EQ(calcfile::checksum(many), 10964);
}

}  // namespace
