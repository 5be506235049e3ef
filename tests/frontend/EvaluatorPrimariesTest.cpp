#include <gtest/gtest.h>

#include "tests/frontend/EvaluatorTestSupport.h"

namespace {

using namespace evaluator_test;

TEST(EvaluatorPrimaries, HexadecimalForms) {
  expectCases({
      {"$10", 16, ""},
      {"10h", 16, ""},
      {"10H", 16, ""},
      {"$10h", 16, ""},
      {"0FFh", 255, ""},
      {"0ffH", 255, ""},
      {"$A", 10, ""},
      {"$abcd", 0xABCD, ""},
      {"0bh", 11, ""},
      {"1bh", 27, ""},
      {"$1b", 27, ""},
      {"$123456789 & $FFFF", 0x6789, ""},  // digits beyond 32 bits shift out
  });
}

TEST(EvaluatorPrimaries, BinaryAndDecimalForms) {
  expectCases({
      {"%101", 5, ""},
      {"101b", 5, ""},
      {"101B", 5, ""},
      {"%101b", 5, ""},
      {"5", 5, ""},
      {"0b", 0, ""},
      {"16", 16, ""},
      {"007", 7, ""},  // a leading zero keeps base ten
      {"%2", 0, illegal("%2")},
      {"%1012", 5, illegal("%1012")},
      {"12ab", 12, illegal("12ab")},
  });
}

// A number's base is read from the character that ends its digit run, so what
// follows the run decides: an operator ends it, another digit or letter is left over.
TEST(EvaluatorPrimaries, NumbersEndAtTheirSuffixOrAnOperator) {
  expectCases({
      {"0FFh+1", 0x100, ""},
      {"101b+1", 6, ""},
      {"$1F-1", 0x1E, ""},
      {"%101*2", 10, ""},
      {"0bh|1", 11, ""},
      {"1bh-1b", 0x1A, ""},
      {"$10h+%10b", 0x12, ""},
      {"0ffh<<1", 0x1FE, ""},
      {"10b>>1", 1, ""},
      {"7h", 7, ""},
      {"0FFh ", 0xFF, ""},
      {"1bh)", 0x1B, illegal("1bh)")},
      {"12h2", 0x12, illegal("12h2")},
      {"0b1", 0, illegal("0b1")},
      {"1b1b", 1, illegal("1b1b")},
      {"2b", 2, illegal("2b")},
      {"1start", 1, illegal("1start")},
  });
}

// Decimal digits are read on their own first; what follows them decides whether
// the run is read again as hexadecimal or binary digits.
TEST(EvaluatorPrimaries, DecimalDigitsFollowedByHexDigitsOrSuffixes) {
  expectCases({
      {"99", 99, ""},
      {"19h", 0x19, ""},
      {"1eh", 0x1E, ""},
      {"10b1h", 0x10B1, ""},
      {"1e", 1, illegal("1e")},
      {"19b", 19, illegal("19b")},
      {"110bh", 0x110B, ""},
      {"4294967297", 1, ""},  // decimal digits beyond 32 bits wrap
      {"99+1", 100, ""},
      {"9 ", 9, ""},
  });
}

TEST(EvaluatorPrimaries, LocationCounter) {
  expectCases({
      {"$", PC, ""},
      {"$+2", PC + 2, ""},
      {"$-$", 0, ""},
      {"$G", PC, illegal("$G")},
      {"$$", PC, illegal("$$")},
  });
}

TEST(EvaluatorPrimaries, CharacterConstantsAreSignedBytes) {
  expectCases({
      {"'A'", 65, ""},
      {"' '", 32, ""},
      {"'\\''", 39, ""},
      {"'\\n'", 'n', ""},
      {"'\\\\'", '\\', ""},
      {"'A'+1", 66, ""},
      {"'\xE9'", 0xFFE9, ""},
      {"'\x80'", 0xFF80, ""},
      {"'AB'", 65, error(203, "End of line in quoted string")},
      {"'A", 65, error(203, "End of line in quoted string")},
  });
}

TEST(EvaluatorPrimaries, CharacterConstantsNextToOperators) {
  expectCases({
      {"'A'+'B'", 0x83, ""},
      {"')'*2", 0x52, ""},
      {"'\\''+1", 0x28, ""},
      {"'('+(1)", 0x29, ""},
      {"-'A'", 0xFFBF, ""},
      {"!'A'", 0, ""},
      {"'A''B'", 65, illegal("'A''B'")},
  });
}

// A lone quote is what a directive hands over for each piece of ".db ','"; the
// constant must end there without reading past the text.
TEST(EvaluatorPrimaries, CharacterConstantCutShortAtTheEnd) {
  expectCases({
      {"'", 0, error(203, "End of line in quoted string")},
      {"'\\", 0, error(203, "End of line in quoted string")},
      {"' ", 0, error(203, "End of line in quoted string")},
      {"''", 39, error(203, "End of line in quoted string")},
      {"1+'", 1, error(203, "End of line in quoted string")},
  });
}

// The constant's quote must be the text's last character for the cut-short case
// to be seen at all; a view into a longer line must not leak the rest of it.
TEST(EvaluatorPrimaries, CharacterConstantStopsAtTheEndOfTheView) {
  const std::string line = "','";
  auto job = makeJob();
  EXPECT_EQ(evaluateIn(*job, std::string_view(line).substr(0, 1)), 0);
  EXPECT_EQ(job->consoleText(), error(203, "End of line in quoted string"));
}

TEST(EvaluatorPrimaries, BytesAbove127AreNeitherLettersNorWhiteSpace) {
  expectCases({
      {"\xC0", 0, illegal("\xC0")},
      {"1\xA0", 1, illegal("1\xA0")},
      {"start\xE9", 0x1234, illegal("start\xE9")},
  });
}

}  // namespace
