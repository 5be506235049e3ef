#include <gtest/gtest.h>

#include "tests/frontend/EvaluatorTestSupport.h"

namespace {

using namespace evaluator_test;

const std::string VALUE_EXPECTED = error(204, "Value expected");
const std::string MISSING_PARENTHESIS = error(208, "Missing closing ')'");
const std::string OVERFLOW = error(405, "Value overflows word");
const std::string UNUSED_MS_BYTE = warning(406, "Unused data in MS byte of argument");

TEST(EvaluatorDiagnostics, MissingAndEmptyOperands) {
  expectCases({
      {std::nullopt, 0, error(200, "Value or expression expected")},
      {"", 0, VALUE_EXPECTED},
      {"   ", 0, VALUE_EXPECTED},
      {"1+", 1, VALUE_EXPECTED},
      {"2*", 0, VALUE_EXPECTED},
      {"(", 0, VALUE_EXPECTED},
      {"()", 0, illegal("()")},
      {"-", 0, VALUE_EXPECTED},
      {"!", 1, VALUE_EXPECTED},  // the missing value counts as 0 before the prefix applies
  });
}

TEST(EvaluatorDiagnostics, ParenthesesAndLeftoverText) {
  expectCases({
      {"(1+2", 3, MISSING_PARENTHESIS},
      {"((1)", 1, MISSING_PARENTHESIS},
      {"(1 = 1)", 1, MISSING_PARENTHESIS},
      {"-(5", 5, MISSING_PARENTHESIS},  // the prefix is not applied to an unclosed group
      {"1+2)", 3, illegal("1+2)")},
      {"1 2", 1, illegal("1 2")},
      {"1 2  ", 1, illegal("1 2  ")},  // the message quotes the text as given
      {"((1+2)*3)", 9, ""},
      {"( 1 + 2 ) ", 3, ""},
  });
}

TEST(EvaluatorDiagnostics, OnlyTheFirstExpressionErrorIsReported) {
  expectCases({
      {"nowhere/0", 0, undefinedLabel("nowhere")},
      {"1/0)", 1, error(206, "Divide by zero")},
      {"(1/0", 1, error(206, "Divide by zero")},
      {"'AB' 2", 65, error(203, "End of line in quoted string")},
      {"(nowhere", 0, undefinedLabel("nowhere")},
      {"a + b", 0, undefinedLabel("a")},
  });
}

TEST(EvaluatorDiagnostics, WordRange) {
  expectCases({
      {"65535", 0xFFFF, ""},
      {"-1", 0xFFFF, ""},
      {"-65536", 0, ""},
      {"65536", 0, OVERFLOW},
      {"$12345678", 0x5678, OVERFLOW},
  });
}

TEST(EvaluatorDiagnostics, ByteRange) {
  expectCases(
      {
          {"255", 255, ""},
          {"256", 256, UNUSED_MS_BYTE},
          {"65534", 0xFFFE, UNUSED_MS_BYTE},
          {"65535", 0xFFFF, ""},
          {"-1", 0xFFFF, ""},
          {"-128", 0xFF80, ""},
          {"-129", 0xFF7F, UNUSED_MS_BYTE},
          {"-200", 0xFF38, UNUSED_MS_BYTE},
          {"-65536", 0, UNUSED_MS_BYTE},
          {"65536", 0, OVERFLOW},
      },
      true);
}

// The range check looks at the value the caller receives, whatever went wrong before.
TEST(EvaluatorDiagnostics, RangeIsCheckedAfterAnExpressionError) {
  expectCases({{"70000/0", 0x1170, error(206, "Divide by zero") + OVERFLOW}});
  expectCases({{"(300", 300, MISSING_PARENTHESIS + UNUSED_MS_BYTE}, {"-(300", 300, MISSING_PARENTHESIS + UNUSED_MS_BYTE}},
              true);
}

TEST(EvaluatorDiagnostics, DiagnosticsCarryTheCallersFileAndLineAndCount) {
  auto job = makeJob();
  job->evaluateAt("1 2", "C:\\src\\main.asm", 17, false);
  job->evaluateAt("300", "inc/defs.inc", 4, true);
  EXPECT_EQ(job->consoleText(),
            "Error #202 in main.asm, line 17: Illegal expression: \"1 2\"\n"
            "Warning #406 in defs.inc, line 4: Unused data in MS byte of argument\n");
  EXPECT_EQ(job->errorCount, 1);
  EXPECT_EQ(job->warningCount, 1);
  EXPECT_EQ(job->status, STATUS_ERRORS);
}

TEST(EvaluatorDiagnostics, EvaluateTakesThePlaceFromTheSourceLineAndIsNoByteContext) {
  auto job = makeJob();
  job->source = std::make_unique<SourceBuffer>();
  job->source->addFile("/src/main.asm");
  job->source->addFile("/src/inc/defs.inc");
  job->source->addLine(0, 1);
  job->source->writeLine(" nop\n");
  job->source->addLine(1, 12);
  job->source->writeLine(" .dw 1 2\n");
  EXPECT_EQ(job->evaluate("1 2", 1), 1);
  EXPECT_EQ(job->evaluate("256", 0), 256);
  EXPECT_EQ(job->evaluate(std::nullopt, 0), 0);
  EXPECT_EQ(job->consoleText(),
            "Error #202 in defs.inc, line 12: Illegal expression: \"1 2\"\n"
            "Error #200 in main.asm, line 1: Value or expression expected\n");
}

}  // namespace
