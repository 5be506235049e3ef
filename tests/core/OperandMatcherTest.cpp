#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "core/OperandMatcher.h"

namespace {

struct MatchCase {
  std::optional<std::string> operands;
  std::string pattern;
  bool matches;
};

std::ostream& operator<<(std::ostream& out, const MatchCase& c) {
  return out << (c.operands ? "[" + *c.operands + "]" : std::string("(none)")) << " ~ " << c.pattern;
}

class Matching : public testing::TestWithParam<MatchCase> {};

TEST_P(Matching, DecidesWhetherTheOperandsFit) {
  const MatchCase& c = GetParam();
  const std::optional<std::string_view> operands =
      c.operands ? std::optional<std::string_view>(*c.operands) : std::nullopt;
  EXPECT_EQ(matchOperands(operands, c.pattern), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    NoOperands, Matching,
    testing::Values(MatchCase{std::nullopt, "", true}, MatchCase{std::nullopt, "*", false},
                    MatchCase{std::nullopt, "A", false}, MatchCase{"", "", true}, MatchCase{"  ", "", true},
                    MatchCase{"a", "", false}));

INSTANTIATE_TEST_SUITE_P(
    FixedText, Matching,
    testing::Values(MatchCase{"a,(hl)", "A,(HL)", true}, MatchCase{" A , ( Hl ) ", "A,(HL)", true},
                    MatchCase{"a,(hl", "A,(HL)", false}, MatchCase{"a,(hl)x", "A,(HL)", false},
                    MatchCase{"a", "A,B", false}, MatchCase{"a,b", "A", false}, MatchCase{"b", "A", false},
                    // White space may stand between any two pattern elements.
                    MatchCase{"i x", "IX", true}));

INSTANTIATE_TEST_SUITE_P(
    Wildcards, Matching,
    testing::Values(MatchCase{"a,(ix)", "A,(IX*)", true}, MatchCase{"a, ( ix + 5 )", "A,(IX*)", true},
                    MatchCase{"(ix+(1+2)*3),5", "(IX*),*", true}, MatchCase{"5", "(IX*)", false},
                    MatchCase{"(1)", "*", true}, MatchCase{"1,2", "*", true}, MatchCase{"1,2", "*,*", true},
                    MatchCase{"1", "*,*", false}, MatchCase{"(1))", "(*)", false}, MatchCase{"", "*", true},
                    MatchCase{"3,(ix+4)", "*,(IX*)", true}, MatchCase{"3,(iy+4)", "*,(IX*)", false}));

INSTANTIATE_TEST_SUITE_P(
    CharacterConstants, Matching,
    testing::Values(MatchCase{"',',a", "*,A", true}, MatchCase{"(ix+')'),5", "(IX*),*", true},
                    MatchCase{"(ix+'('),5", "(IX*),*", true}, MatchCase{"'\\'',a", "*,A", true},
                    MatchCase{"'\\,',a", "*,A", true}, MatchCase{"',,a", "*,A", false},
                    // A backslash that ends the text escapes nothing.
                    MatchCase{"'\\", "*", true}, MatchCase{"(ix+'\\", "(IX*),*", false},
                    MatchCase{"a,'\\", "A,*", true}));

}  // namespace
