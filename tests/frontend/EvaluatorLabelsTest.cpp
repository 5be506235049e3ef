#include <gtest/gtest.h>

#include <string>

#include "tests/frontend/EvaluatorTestSupport.h"

namespace {

using namespace evaluator_test;

TEST(EvaluatorLabels, KnownNamesGiveTheirValue) {
  expectCases({
      {"start", 0x1234, ""},
      {"START", 0x1234, ""},
      {"StArT", 0x1234, ""},
      {"start+1", 0x1235, ""},
      {"start(2)", 0x2468, ""},
      {"FFh", 0, undefinedLabel("FFh")},
      {"_x1", 0, undefinedLabel("_x1")},
  });
}

// A name runs up to the first character that cannot continue it; an operator right
// after it, or a prefix right before it, belongs to the expression.
TEST(EvaluatorLabels, NamesNextToOperators) {
  expectCases({
      {"start-start", 0, ""},
      {"start*2", 0x2468, ""},
      {"start<<1", 0x2468, ""},
      {"start&0FFh", 0x34, ""},
      {"(start)", 0x1234, ""},
      {"start==4660", 1, ""},
      {"start!=start", 0, ""},
      {"- start", 0xEDCC, ""},
      {"+start", 0x1234, ""},
      {"!start", 0, ""},
      {"start/0", 0x1234, error(206, "Divide by zero")},
      {"start+", 0x1234, error(204, "Value expected")},
      {"start start", 0x1234, illegal("start start")},
      {"start=1", 0x1234, illegal("start=1")},
      {"start!", 0x1234, illegal("start!")},
      {"start@x", 0, undefinedLabel("start@x")},
  });
}

TEST(EvaluatorLabels, CaseMattersWhenNamesAreCaseSensitive) {
  auto job = makeJob(OPT_CHECK_INDIRECTION);
  define(*job, "Start", 1);
  define(*job, "START", 2);
  EXPECT_EQ(evaluateIn(*job, "Start"), 1);
  EXPECT_EQ(evaluateIn(*job, "START"), 2);
  EXPECT_EQ(evaluateIn(*job, "start"), 0);
  EXPECT_EQ(job->consoleText(), undefinedLabel("start"));
  EXPECT_TRUE(job->symbols->contains("start"));
}

TEST(EvaluatorLabels, AnUndefinedNameIsReportedOnceAndEnteredAsZero) {
  auto job = makeJob();
  EXPECT_EQ(evaluateIn(*job, "Later"), 0);
  EXPECT_EQ(evaluateIn(*job, "later+2"), 2);  // as a later pass would meet it
  EXPECT_EQ(job->consoleText(), undefinedLabel("Later"));
  const Symbol* entered = job->symbols->find("LATER");
  ASSERT_NE(entered, nullptr);
  EXPECT_EQ(entered->kind, SYM_EQUATE);
  EXPECT_EQ(entered->value, 0);
  EXPECT_FALSE(job->exportSymbols->contains("Later"));
}

TEST(EvaluatorLabels, WithoutSymbolMapEveryNameIsUndefinedAndNothingIsKept) {
  TestJob job;
  EXPECT_EQ(job.evaluateAt("defined_later", FILE_NAME, LINE, false), 0);
  EXPECT_EQ(job.evaluateAt("defined_later", FILE_NAME, LINE, false), 0);
  EXPECT_EQ(job.consoleText(), undefinedLabel("defined_later") + undefinedLabel("defined_later"));
  EXPECT_EQ(job.symbols, nullptr);
}

TEST(EvaluatorLabels, LocalLabelsAreQualifiedWithTheCurrentModule) {
  auto job = makeJob();
  define(*job, "@loop", 1);
  define(*job, "sprite@loop", 2);
  EXPECT_EQ(evaluateIn(*job, "@loop"), 1);
  job->moduleName = "sprite";
  EXPECT_EQ(evaluateIn(*job, "@loop"), 2);
  EXPECT_EQ(evaluateIn(*job, "sprite@loop"), 2);
  EXPECT_EQ(evaluateIn(*job, "Sprite@Loop"), 2);
  job->moduleName = "Tiles";
  EXPECT_EQ(evaluateIn(*job, "@Loop"), 0);
  EXPECT_EQ(job->consoleText(), undefinedLabel("Tiles@Loop"));  // qualified, case as written
  EXPECT_TRUE(job->symbols->contains("TILES@LOOP"));
}

TEST(EvaluatorLabels, AnotherLocalLabelCharacter) {
  auto job = makeJob();
  job->moduleName = "m";
  job->localLabelChar = '?';
  define(*job, "?x", 5);
  EXPECT_EQ(evaluateIn(*job, "?x"), 5);
  EXPECT_EQ(evaluateIn(*job, "m?x"), 5);
  EXPECT_EQ(evaluateIn(*job, "@x"), 0);
  EXPECT_EQ(job->consoleText(), illegal("@x"));
}

// Names are read whole: a long name is never cut to a shorter one that happens to
// be defined, and nothing runs past the text.
TEST(EvaluatorLabels, LongNamesAreReadWhole) {
  auto job = makeJob();
  const std::string name127(127, 'a');
  const std::string name300 = std::string(300, 'b');
  define(*job, name127, 0x127);
  define(*job, name300, 0x300);
  EXPECT_EQ(evaluateIn(*job, name127), 0x127);
  EXPECT_EQ(evaluateIn(*job, name300 + "+1"), 0x301);
  const std::string name128 = name127 + "z";
  EXPECT_EQ(evaluateIn(*job, name128), 0);
  EXPECT_EQ(job->consoleText(), undefinedLabel(name128));
}

// A long module name makes a local label's key longer than the name as written;
// such keys are folded and found like short ones.
TEST(EvaluatorLabels, LongQualifiedNamesAreFound) {
  auto job = makeJob();
  job->moduleName = std::string(100, 'M');
  const std::string fits = "@" + std::string(27, 'X');     // a key of 128 characters
  const std::string longer = "@" + std::string(28, 'Y');   // 129
  define(*job, fits, 1);
  define(*job, longer, 2);
  EXPECT_EQ(evaluateIn(*job, "@" + std::string(27, 'x')), 1);
  EXPECT_EQ(evaluateIn(*job, "@" + std::string(28, 'y') + "+1"), 3);
  EXPECT_EQ(job->consoleText(), "");
}

}  // namespace
