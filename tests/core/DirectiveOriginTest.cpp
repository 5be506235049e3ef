#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/DirectiveHarness.h"

namespace {

struct OriginCase {
  std::vector<std::string> lines;
  std::string bytes;
  std::vector<int> codes;
  std::uint16_t pcAfter;
};

class OriginDirective : public testing::TestWithParam<OriginCase> {};

TEST_P(OriginDirective, Assembles) {
  const OriginCase& c = GetParam();
  DirectiveHarness run(c.lines);
  run.assemble();
  EXPECT_EQ(hexBytes(run.bytes()), c.bytes);
  EXPECT_EQ(run.diagnosticCodes(), c.codes) << run.job.consoleText();
  EXPECT_EQ(run.pcAfterPassOne, c.pcAfter);
  if (run.job.status <= STATUS_WARNINGS) {
    EXPECT_EQ(run.job.pc, c.pcAfter);
  }
}

INSTANTIATE_TEST_SUITE_P(
    OrgAndPad, OriginDirective,
    testing::Values(OriginCase{{" .org 100h", " .db 1"}, "01", {}, 0x101},
                    // A lower .ORG only moves the location counter: the image has no gaps.
                    OriginCase{{" .org 100", " .db 1", " .org 50", " .db 2"}, "01 02", {}, 51},
                    OriginCase{{" .org"}, "", {200}, 0},
                    OriginCase{{" .pad 0"}, "", {}, 0},
                    OriginCase{{" .org 10", " .pad 10"}, "", {}, 10},
                    OriginCase{{" .org 10", " .db 7", " .pad 14"}, "07 00 00 00", {}, 14},
                    OriginCase{{" .org 10", " .pad 9"}, "", {312}, 10},
                    OriginCase{{" .org 0FFFEh", " .db 1, 2, 3"}, "01 02 03", {}, 1}));

INSTANTIATE_TEST_SUITE_P(
    Checksum, OriginDirective,
    testing::Values(OriginCase{{" .org 100", " .db 1, 2, 3", " .chk 100"}, "01 02 03 06", {}, 104},
                    OriginCase{{" .org 100", " .db 1, 2, 3", " .chk 101"}, "01 02 03 05", {}, 104},
                    OriginCase{{" .org 100", " .db 1, 2, 3", " .chk 103"}, "01 02 03 00", {}, 104},
                    OriginCase{{" .db 80h, 80h, 1", " .chk 0"}, "80 80 01 01", {}, 4},
                    // The latest .ORG counts from the image offset at which it took effect.
                    OriginCase{{" .db 9, 9", " .org 200", " .db 1, 2", " .chk 200"}, "09 09 01 02 03", {}, 203},
                    OriginCase{{" .db 9, 9", " .org 200", " .db 1, 2", " .chk 200-2"}, "09 09 01 02 15", {}, 203},
                    OriginCase{{" .chk"}, "", {200}, 1}));

TEST(OriginDirectives, PadWritesZeros) {
  DirectiveHarness run({" .pad 300"});
  run.assemble();
  EXPECT_EQ(run.bytes(), std::vector<std::uint8_t>(300, 0));
  EXPECT_EQ(run.job.dataBytes, 300);
}

struct ChecksumErrorCase {
  std::vector<std::string> lines;
  std::string message;
};

class ChecksumPosition : public testing::TestWithParam<ChecksumErrorCase> {};

TEST_P(ChecksumPosition, OutsideTheImageIsRejected) {
  DirectiveHarness run(GetParam().lines);
  run.assemble();
  EXPECT_EQ(run.job.consoleText(), "Error #310 in test.asm, line " + GetParam().message + "\n");
  EXPECT_EQ(run.job.pc, run.pcAfterPassOne - 1) << "nothing written, pc unchanged";
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ChecksumPosition,
    testing::Values(ChecksumErrorCase{{" .org 100", " .db 1, 2, 3", " .chk 99"}, "3: Illegal position value: 99"},
                    ChecksumErrorCase{{" .org 100", " .db 1, 2, 3", " .chk 104"}, "3: Illegal position value: 104"},
                    ChecksumErrorCase{{" .db 9", " .org 200", " .db 1", " .chk 198"},
                                      "4: Illegal position value: 198"}));

TEST(OriginDirectives, ChecksumAndPadAreMarkedOrNot) {
  DirectiveHarness run({" .org 5", " .pad 4", " .pad 5", " .chk", " .chk 0"});
  run.passOne();
  EXPECT_TRUE(run.marked(0));
  EXPECT_FALSE(run.marked(1));
  EXPECT_TRUE(run.marked(2));
  EXPECT_TRUE(run.marked(3));
  EXPECT_TRUE(run.marked(4));
  EXPECT_EQ(run.job.dataBytes, 2);
}

// A target redefined between the passes (only a warning) can lie below the
// location counter in pass 2 although it did not in pass 1.
TEST(OriginDirectives, PadBackwardsInPassTwoWritesNothing) {
  DirectiveHarness run({" .db 1", " .pad target", " .db 2"});
  run.job.defineSymbol("target", SYM_EQUATE, 5, 0);
  run.passOne();
  EXPECT_EQ(run.pcAfterPassOne, 6);
  run.job.defineSymbol("target", SYM_EQUATE, 0, 0);
  run.passTwo();
  EXPECT_EQ(hexBytes(run.bytes()), "01 02");
  EXPECT_EQ(run.diagnosticCodes(), (std::vector<int>{302, 312}));
}

TEST(OriginDirectives, PadShorterInPassTwoFollowsTheNewTarget) {
  DirectiveHarness run({" .db 1", " .pad target"});
  run.job.defineSymbol("target", SYM_EQUATE, 5, 0);
  run.passOne();
  run.job.defineSymbol("target", SYM_EQUATE, 3, 0);
  run.passTwo();
  EXPECT_EQ(hexBytes(run.bytes()), "01 00 00");
  EXPECT_EQ(run.job.pc, 3);
}

}  // namespace
