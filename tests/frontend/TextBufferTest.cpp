#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

#include "frontend/TextBuffer.h"

namespace {

// Appends that outgrow the room, an empty first append and room made ahead all
// keep what was written before.
TEST(TextBuffer, KeepsItsTextAsItGrows) {
  struct Step {
    std::string_view append;
    std::size_t reserve;
  };
  const Step steps[] = {{"", 0}, {"a", 0}, {"bc", 0}, {"", 64}, {"defgh", 3}, {std::string_view(" ld a,b\n"), 0}};
  TextBuffer buffer;
  std::string expected;
  for (const Step& step : steps) {
    buffer.reserve(step.reserve);
    buffer.append(step.append);
    expected += step.append;
    EXPECT_EQ(buffer.view(), expected);
    EXPECT_GE(buffer.capacity(), buffer.size());
  }
  for (int i = 0; i < 100; ++i) {
    buffer.append("0123456789");
    expected += "0123456789";
  }
  EXPECT_EQ(buffer.view(), expected);
}

TEST(TextBuffer, TakesInTextWrittenIntoItsRoomAndCanBeCutShort) {
  TextBuffer buffer;
  buffer.append("ab");
  buffer.reserve(8);
  ASSERT_EQ(buffer.room().size(), 6u);
  std::memcpy(buffer.room().data(), "cdefgh", 6);
  buffer.extend(3);
  EXPECT_EQ(buffer.view(), "abcde");
  // Taking in more than the room holds, or cutting to more than is there, stays
  // within the text.
  buffer.extend(100);
  EXPECT_EQ(buffer.size(), 8u);
  buffer.truncate(100);
  EXPECT_EQ(buffer.size(), 8u);
  buffer.chars()[0] = 'A';
  buffer.truncate(4);
  EXPECT_EQ(buffer.view(), "Abcd");
}

}  // namespace
