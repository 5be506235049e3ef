#include <gtest/gtest.h>

#include "base/CharClass.h"

namespace {

// Only the 7-bit range is classified, whatever the locale or the signedness of char.
TEST(CharClass, BytesAbove127BelongToNoClass) {
  for (int code = 128; code < 256; ++code) {
    const char c = static_cast<char>(code);
    SCOPED_TRACE(code);
    EXPECT_FALSE(isLetter(c));
    EXPECT_FALSE(isDigit(c));
    EXPECT_FALSE(isHexDigit(c));
    EXPECT_FALSE(isWordChar(c));
    EXPECT_FALSE(isSpace(c));
    EXPECT_EQ(toUpper(c), c);
    EXPECT_EQ(toLower(c), c);
  }
}

TEST(CharClass, SevenBitClasses) {
  struct Case {
    char c;
    bool letter, digit, hex, word, space;
  };
  const Case cases[] = {
      {'a', true, false, true, true, false},   {'f', true, false, true, true, false},
      {'g', true, false, false, true, false},  {'Z', true, false, false, true, false},
      {'F', true, false, true, true, false},   {'0', false, true, true, true, false},
      {'9', false, true, true, true, false},   {'_', false, false, false, true, false},
      {'@', false, false, false, false, false}, {'`', false, false, false, false, false},
      {'[', false, false, false, false, false}, {' ', false, false, false, false, true},
      {'\t', false, false, false, false, true}, {'\n', false, false, false, false, true},
      {'\v', false, false, false, false, true}, {'\f', false, false, false, false, true},
      {'\r', false, false, false, false, true}, {'\0', false, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.c));
    EXPECT_EQ(isLetter(c.c), c.letter);
    EXPECT_EQ(isDigit(c.c), c.digit);
    EXPECT_EQ(isHexDigit(c.c), c.hex);
    EXPECT_EQ(isWordChar(c.c), c.word);
    EXPECT_EQ(isSpace(c.c), c.space);
  }
}

TEST(CharClass, CaseAndDigitValues) {
  EXPECT_EQ(toUpper('a'), 'A');
  EXPECT_EQ(toUpper('z'), 'Z');
  EXPECT_EQ(toUpper('@'), '@');
  EXPECT_EQ(toUpper('{'), '{');
  EXPECT_EQ(toLower('A'), 'a');
  EXPECT_EQ(toLower('['), '[');
  EXPECT_EQ(digitValue('0'), 0);
  EXPECT_EQ(digitValue('9'), 9);
  EXPECT_EQ(digitValue('a'), 10);
  EXPECT_EQ(digitValue('F'), 15);
  for (const char notADigit : {'G', 'g', '/', ':', '@', '`', ' ', '\0', '\xB0'}) {
    EXPECT_EQ(digitValue(notADigit), NOT_A_DIGIT) << static_cast<int>(notADigit);
  }
}

}  // namespace
