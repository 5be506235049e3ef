// The word-at-a-time helpers must agree with the character table byte for byte,
// whatever the byte's value and wherever it stands in the word.
#include <gtest/gtest.h>

#include <string>

#include "base/CharClass.h"
#include "core/ByteWords.h"

namespace {

using namespace bytewords;

std::uint64_t byteByByte(const char* p, std::size_t n) {
  std::uint64_t word = 0;
  for (std::size_t i = 0; i < n; ++i) {
    word |= std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
  }
  return word;
}

TEST(ByteWords, LoadExactlyTheCharactersAsked) {
  const std::string text = "\x01\x82lmnop\xFFq";
  for (std::size_t n = 0; n <= WORD; ++n) {
    EXPECT_EQ(loadUpTo8(text.data(), n), byteByByte(text.data(), n)) << n;
  }
  EXPECT_EQ(load8(text.data()), byteByByte(text.data(), WORD));
  EXPECT_EQ(filledBytes(0), 0u);
  EXPECT_EQ(filledBytes(3), 0xFFFFFFu);
  EXPECT_EQ(filledBytes(WORD), ~std::uint64_t{0});
}

TEST(ByteWords, AgreeWithTheCharacterTableOnEveryByte) {
  for (int code = 0; code < 256; ++code) {
    const char c = static_cast<char>(code);
    for (std::size_t place = 0; place < WORD; ++place) {
      SCOPED_TRACE(testing::Message() << code << " at " << place);
      // The neighbours are chosen to disturb a carry or borrow between bytes.
      std::string text("\xFF" "a\x20z\x80" "A\x00{", WORD);
      text[place] = c;
      const std::uint64_t word = load8(text.data());
      const std::uint64_t upper = upperCased(word);
      const std::uint64_t flags = spaceOrControlBytes(word);
      for (std::size_t i = 0; i < WORD; ++i) {
        EXPECT_EQ(static_cast<char>(upper >> (8 * i)), toUpper(text[i]));
        EXPECT_EQ((flags >> (8 * i + 7)) & 1, static_cast<unsigned char>(text[i]) <= 0x20 ? 1u : 0u);
      }
    }
  }
}

TEST(ByteWords, LocateTheFirstFlaggedByte) {
  const std::string text = "ld\ta,b\n ";
  EXPECT_EQ(firstFlagged(spaceOrControlBytes(load8(text.data()))), 2u);
  EXPECT_EQ(firstFlagged(HIGH_BITS & ~filledBytes(7)), 7u);
}

}  // namespace
