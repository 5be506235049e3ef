#include <gtest/gtest.h>

#include "tests/frontend/EvaluatorTestSupport.h"

namespace {

using namespace evaluator_test;

TEST(EvaluatorOperators, BindAndAssociateByLevel) {
  expectCases({
      {"1+2*3", 7, ""},
      {"2*3+1", 7, ""},
      {"1-2-3", 0xFFFC, ""},
      {"7/2", 3, ""},
      {"-7/2", 0xFFFD, ""},
      {"7/-2", 0xFFFD, ""},
      {"100/10/5", 2, ""},
      {"1+2<<1", 6, ""},           // additive binds tighter than shift
      {"1<<2+1", 8, ""},           // on either side of it
      {"16>>2+1", 2, ""},
      {"16>>2-1", 8, ""},
      {"6 & 3 | 8", 10, ""},       // one level, left to right
      {"8 | 6 & 3", 2, ""},
      {"5^3", 6, ""},
      {"1|2==3", 1, ""},           // bitwise binds tighter than comparison
      {"1<2<3", 1, ""},
      {" 1 + 2 * 3 ", 7, ""},
      {"1\t+\t2", 3, ""},
  });
}

TEST(EvaluatorOperators, ImplicitProductBeforeParenthesis) {
  expectCases({
      {"2(3)", 6, ""},
      {"2(3+1)", 8, ""},
      {"10-2(3)", 4, ""},
      {"2 (3)", 6, ""},
      {"(2)(3)", 6, ""},
      {"2(3)(4)", 24, ""},
  });
}

TEST(EvaluatorOperators, ComparisonsAreSignedAndGiveZeroOrOne) {
  expectCases({
      {"5 > 3", 1, ""},
      {"3 > 5", 0, ""},
      {"3 < 5", 1, ""},
      {"5 >= 5", 1, ""},
      {"4 <= 3", 0, ""},
      {"2 == 2", 1, ""},
      {"2 != 2", 0, ""},
      {"-1 < 1", 1, ""},
      {"$FFFF > 0", 1, ""},  // 65535 as a 32-bit value, not -1
  });
}

TEST(EvaluatorOperators, SingleCharacterLookalikesAreNoOperators) {
  expectCases({
      {"1 = 1", 1, illegal("1 = 1")},
      {"1 ! 2", 1, illegal("1 ! 2")},
      {"1 = = 1", 1, illegal("1 = = 1")},
      {"1 < < 2", 0, illegal("1 < < 2")},
      {"1 % 2", 1, illegal("1 % 2")},
      {"~1", 0, illegal("~1")},
  });
}

TEST(EvaluatorOperators, ShiftsTakeTheCountModulo32AndShiftRightArithmetically) {
  expectCases({
      {"1 << 33", 2, ""},
      {"1 << 32", 1, ""},
      {"-16 >> 2", 0xFFFC, ""},
      {"1<<31>>31", 0xFFFF, ""},  // the sign fills in from the left
      {"$8000 >> 15", 1, ""},
      {"-1 << 4", 0xFFF0, ""},
      {"3 >> -1", 0, ""},         // a count of 31
  });
}

TEST(EvaluatorOperators, WrapsModulo2To32WithoutDiagnostic) {
  expectCases({
      {"4294967295", 0xFFFF, ""},         // accumulates to -1
      {"4294967296", 0, ""},
      {"2147483647+1", 0, ""},            // the most negative value passes the range check
      {"65536*65536", 0, ""},
      {"-2147483648/-1", 0, ""},          // wraps to itself instead of trapping
      {"-2147483648/1", 0, ""},
      {"(-2147483647-1)/-1 == -2147483648", 1, ""},
      {"-(-2147483648)", 0, ""},
  });
}

TEST(EvaluatorOperators, PrefixOperators) {
  expectCases({
      {"!0", 1, ""},
      {"!7", 0, ""},
      {"- 5", 0xFFFB, ""},
      {"+5", 5, ""},
      {"1--5", 6, ""},
      {"1+-5", 0xFFFC, ""},
      {"-(2+3)", 0xFFFB, ""},
      {"!(1-1)", 1, ""},
      {"-start", 0xEDCC, ""},
      {"--5", 0, illegal("--5")},
      {"-!5", 0, illegal("-!5")},
  });
}

TEST(EvaluatorOperators, DivisionByZeroKeepsTheLeftValue) {
  expectCases({
      {"1/0", 1, error(206, "Divide by zero")},
      {"9/(2-2)", 9, error(206, "Divide by zero")},
      {"1/0+5", 1, error(206, "Divide by zero")},
      {"-70000/0", 0xEE90, error(206, "Divide by zero")},
  });
}

}  // namespace
