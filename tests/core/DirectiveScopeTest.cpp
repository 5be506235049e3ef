#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/DirectiveHarness.h"

namespace {

struct ScopeCase {
  std::vector<std::string> lines;
  std::string moduleName;
  char localLabelChar;
  std::vector<int> codes;
};

class ScopeDirective : public testing::TestWithParam<ScopeCase> {};

TEST_P(ScopeDirective, SetsTheStateInPassOne) {
  const ScopeCase& c = GetParam();
  DirectiveHarness run(c.lines);
  run.passOne();
  EXPECT_EQ(run.job.moduleName, c.moduleName);
  EXPECT_EQ(run.job.localLabelChar, c.localLabelChar);
  EXPECT_EQ(run.diagnosticCodes(), c.codes);
  EXPECT_TRUE(run.marked(0));
  EXPECT_EQ(run.job.pc, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScopeDirective,
    testing::Values(ScopeCase{{" .module sprite"}, "sprite", '@', {}},
                    ScopeCase{{" .MODULE\tsprite  extra"}, "sprite", '@', {}},
                    ScopeCase{{" .module a", " .module b"}, "b", '@', {}},
                    ScopeCase{{" .module a", " .module"}, "a", '@', {314}},
                    ScopeCase{{" .module a", " .module   "}, "a", '@', {314}},
                    ScopeCase{{" .localLabelChar \"?\""}, "", '?', {}},
                    ScopeCase{{" .LOCALLABELCHAR   \"_\"  "}, "", '_', {}},
                    ScopeCase{{" .locallabelchar \"??\""}, "", '@', {315}},
                    ScopeCase{{" .locallabelchar ?"}, "", '@', {315}},
                    ScopeCase{{" .locallabelchar \"?"}, "", '@', {315}},
                    ScopeCase{{" .locallabelchar \"?\"x"}, "", '@', {315}},
                    ScopeCase{{" .locallabelchar \" \""}, "", '@', {315}},
                    ScopeCase{{" .locallabelchar"}, "", '@', {315}}));

TEST(ScopeDirectives, MessagesNameTheRules) {
  DirectiveHarness run({" .module", " .locallabelchar ?"});
  run.passOne();
  EXPECT_EQ(run.job.consoleText(),
            "Error #314 in test.asm, line 1: Module name expected\n"
            "Error #315 in test.asm, line 2: Local label char must be surrounded by \"\"\n");
}

// Pass 2 starts from the state pass 1 started from and meets the same lines, so
// a local label means the same symbol in both passes.
TEST(ScopeDirectives, LocalLabelsInTwoModules) {
  DirectiveHarness run({" .module one", "@x: .db @x", " .module two", "@x: .db @x, one@x", " .dw two@x"});
  run.assemble();
  EXPECT_EQ(run.labelValue("one@x"), 0);
  EXPECT_EQ(run.labelValue("two@x"), 1);
  EXPECT_EQ(hexBytes(run.bytes()), "00 01 00 01 00");
  EXPECT_TRUE(run.diagnosticCodes().empty()) << run.job.consoleText();
}

TEST(ScopeDirectives, QuestionMarkAsLocalLabelChar) {
  DirectiveHarness run({" .module m", " .locallabelchar \"?\"", " .db 0", "?here: .db ?here, m?here"});
  run.assemble();
  EXPECT_EQ(run.labelValue("m?here"), 1);
  EXPECT_EQ(hexBytes(run.bytes()), "00 01 01");
  EXPECT_EQ(run.job.localLabelChar, '?');
}

}  // namespace
