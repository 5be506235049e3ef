#include <gtest/gtest.h>

#include <regex>

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

struct UsageCase {
  std::vector<std::string> arguments;
  std::string err;
};

class UsageText : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageText, IsPrintedByteForByteWithStatusOneAndTheProblemOnStandardError) {
  TempDir dir;
  dir.write("prog.asm", " nop\n");
  const QuarnRun run = runQuarn(GetParam().arguments, dir.path());
  EXPECT_EQ(run.out, USAGE);
  EXPECT_EQ(run.err, GetParam().err);
  EXPECT_EQ(run.exitStatus, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UsageText,
    testing::Values(UsageCase{{}, "quarn: no source file given\n"},
                    UsageCase{{"-x", "prog.asm"}, "quarn: unknown option -x\n"},
                    UsageCase{{"--frobnicate", "prog.asm"}, "quarn: unknown option --frobnicate\n"},
                    UsageCase{{"-p", "prog.asm"}, "quarn: -p needs a plug-in name before the source file\n"},
                    UsageCase{{"-S", "prog.asm"}, "quarn: unknown option -S\n"},
                    UsageCase{{"extra", "prog.asm"}, "quarn: unexpected argument extra (the source file comes last)\n"}));

TEST(Help, IsTheUsageTextAndEveryAddedOptionWithStatusZero) {
  TempDir dir;
  const QuarnRun run = runQuarn({"--help"}, dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(run.out.substr(0, USAGE.size()), USAGE);
  for (const char* option : {"\t-o file", "\t-I dir", "\t-D name[=value]", "\t-l", "\t-g", "\t-q", "\t-M",
                             "\t--help", "\t--version"}) {
    EXPECT_NE(run.out.find(option, USAGE.size()), std::string::npos) << option;
  }
}

TEST(Version, IsOneLineWithTheProjectVersion) {
  TempDir dir;
  const QuarnRun run = runQuarn({"--version"}, dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(std::regex_match(run.out, std::regex("quarn [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << run.out;
}

TEST(Quiet, LeavesOnlyDiagnosticsAndTheSummary) {
  TempDir dir;
  dir.write("prog.asm", " .warning look\n nop\n");
  const QuarnRun run = runQuarn({"-q", "-h", "prog.asm"}, dir.path());
  EXPECT_EQ(run.out, "Warning #3 in prog.asm, line 1: look\nAssembly complete - 0 error(s), 1 warning(s)\n");
  EXPECT_EQ(run.exitStatus, 0);
}

TEST(Define, NamesAreDefinedBeforeTheFirstLineWithOneAsTheDefault) {
  TempDir dir;
  dir.write("prog.asm", "#IFDEF DEBUG\n .db DEBUG, LEVEL\n#ELSE\n .db 0\n#ENDIF\n");
  EXPECT_EQ(runQuarn({"-D", "DEBUG", "-DLEVEL=7", "-h", "prog.asm"}, dir.path()).exitStatus, 0);
  EXPECT_EQ(readText(dir.path() / "prog.txt"), "prog.txt - Hex Listing\n2 bytes total\n\n01 07 ");
  // The source may still change what the command line defined.
  dir.write("prog.asm", "#DEFINE LEVEL 3\n .db LEVEL\n");
  EXPECT_EQ(runQuarn({"-DLEVEL=7", "-h", "prog.asm"}, dir.path()).exitStatus, 0);
  EXPECT_EQ(readText(dir.path() / "prog.txt"), "prog.txt - Hex Listing\n1 bytes total\n\n03 ");
}

TEST(IncludeFolders, AreSearchedAfterTheSourcesFolderAndBeforeQuarnsOwn) {
  TempDir dir;
  dir.write("src/prog.asm", "#include \"a.inc\"\n#include \"b.inc\"\n .incbin \"c.bin\"\n");
  dir.write("src/a.inc", " .db 1\n");
  dir.write("first/a.inc", " .db 9\n");
  dir.write("first/b.inc", " .db 2\n");
  dir.write("second/b.inc", " .db 9\n");
  dir.write("second/c.bin", "\x03");
  // The folders are named relative to where quarn was started, not to the source.
  const QuarnRun run = runQuarn({"-I", "first", "-Isecond", "-h", "src/prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 0) << run.out;
  EXPECT_EQ(readText(dir.path() / "src/prog.txt"), "prog.txt - Hex Listing\n3 bytes total\n\n01 02 03 ");
}

TEST(MissingSource, EndsWithTheOpenFailureAndStatusOne) {
  TempDir dir;
  const QuarnRun run = runQuarn({"-h", "absent.asm"}, dir.path());
  EXPECT_NE(run.out.find("Error opening file "), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Assembly complete"), std::string::npos);
  EXPECT_EQ(run.exitStatus, 1);
}

}  // namespace
