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

TEST(EvaluatorPrimaries, LocationCounter) {
  expectCases({
      {"$", PC, ""},
      {"$+2", PC + 2, ""},
      {"$-$", 0, ""},
      {"$G", PC, illegal("$G")},
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
