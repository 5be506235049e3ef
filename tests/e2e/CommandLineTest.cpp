#include <gtest/gtest.h>

#include "tests/support/RunQuarn.h"
#include "tests/support/TempDir.h"

namespace {

const std::string USAGE =
    "quarn Z80 cross-assembler for TI graphing calculators, by the quarn developers\n"
    "Based on the Vintrel 4.0 compiler and its author's work\n"
    "\n"
    "Syntax:\tquarn [options] source.asm\n"
    "\n"
    "Options:\n"
    "\t-p plugin\t\tCompile with specific plugin\n"
    "\t-s\t\t\tOutput symbol table\n"
    "\t-h\t\t\tHex output\n";

class UsageText : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(UsageText, IsPrintedByteForByteWithStatusOne) {
  TempDir dir;
  dir.write("prog.asm", " nop\n");
  const QuarnRun run = runQuarn(GetParam(), dir.path());
  EXPECT_EQ(run.out, USAGE);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitStatus, 1);
}

INSTANTIATE_TEST_SUITE_P(Table, UsageText,
                         testing::Values(std::vector<std::string>{}, std::vector<std::string>{"-x", "prog.asm"},
                                         std::vector<std::string>{"-p", "prog.asm"},
                                         std::vector<std::string>{"-S", "prog.asm"},
                                         std::vector<std::string>{"extra", "prog.asm"}));

TEST(MissingSource, EndsWithTheOpenFailureAndStatusOne) {
  TempDir dir;
  const QuarnRun run = runQuarn({"-h", "absent.asm"}, dir.path());
  EXPECT_NE(run.out.find("Error opening file "), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Assembly complete"), std::string::npos);
  EXPECT_EQ(run.exitStatus, 1);
}

}  // namespace
