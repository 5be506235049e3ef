#include "plugins/common/VariableFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using calcfile::Family;

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

TEST(VariableData, StartsWithBodyLengthLittleEndian) {
  const std::vector<std::uint8_t> mark{0x8E, 0x28};
  const std::vector<std::uint8_t> image(0x123, 0xAA);
  const std::vector<std::uint8_t> data = calcfile::variableData({mark, image});
  ASSERT_EQ(data.size(), 2 + 2 + image.size());
  EXPECT_EQ(data[0], 0x25);
  EXPECT_EQ(data[1], 0x01);
  EXPECT_EQ(data[2], 0x8E);
  EXPECT_EQ(data.back(), 0xAA);
}

struct FamilyCase {
  Family family;
  std::size_t fixedSize;  // file size less the variable data
};
const FamilyCase FAMILIES[] = {{Family::Ti86, 73}, {Family::Ti83Plus, 74}, {Family::Ti82, 72}};

calcfile::VariableSpec specWithData(Family family, std::string_view comment, std::span<const std::uint8_t> data) {
  return {family, comment, 0x06, calcfile::makeVariableName("A"), data};
}

// The data-section length counts everything from the entry header to the end of the
// data: the file size less the 53-byte header, its own word and the checksum.
TEST(BuildVariableFile, RefusesDataBeyondTheSixteenBitLengthFields) {
  for (const FamilyCase& c : FAMILIES) {
    const std::size_t largest = 65535 - (c.fixedSize - 57);
    const std::vector<std::uint8_t> fits(largest, 0x01);
    const auto file = calcfile::buildVariableFile(specWithData(c.family, "", fits));
    ASSERT_TRUE(file.has_value()) << static_cast<int>(c.family);
    EXPECT_EQ(file->size(), c.fixedSize + largest);
    EXPECT_EQ((*file)[53], 0xFF);
    EXPECT_EQ((*file)[54], 0xFF);

    const std::vector<std::uint8_t> tooLarge(largest + 1, 0x01);
    EXPECT_FALSE(calcfile::buildVariableFile(specWithData(c.family, "", tooLarge)).has_value());
  }
}

TEST(BuildVariableFile, ChecksumCoversDataSectionOnly) {
  const std::vector<std::uint8_t> data{0x01, 0x00, 0xFE};
  for (const FamilyCase& c : FAMILIES) {
    const auto file = calcfile::buildVariableFile(specWithData(c.family, "comment bytes are not summed", data));
    ASSERT_TRUE(file.has_value());
    const std::span<const std::uint8_t> section = std::span(*file).subspan(55, file->size() - 57);
    const std::uint16_t stored = static_cast<std::uint16_t>((*file)[file->size() - 2] | (*file)[file->size() - 1] << 8);
    EXPECT_EQ(stored, calcfile::checksum(section));
  }
}

TEST(BuildVariableFile, CommentFieldIsExactlyFortyTwoBytes) {
  const std::string exact(42, 'c');
  const std::string longer = exact + "overflow";
  for (const std::string& comment : {exact, longer}) {
    const auto file = calcfile::buildVariableFile(specWithData(Family::Ti82, comment, {}));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(std::string(file->begin() + 11, file->begin() + 53), exact);
    EXPECT_EQ(file->size(), 72u);
  }
}

}  // namespace
