#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/RunQuarn.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

TEST(ExitStatus, CleanAssemblyIsZero) {
  TempDir dir;
  dir.write("prog.asm", " nop\n");
  const QuarnRun run = runQuarn({"-h", "prog.asm"}, dir.path());
  EXPECT_EQ(run.out,
            "Assembling prog.asm\nFirst pass...\nSecond pass...\nAssembly complete - 0 error(s), 0 warning(s)\n" +
                wroteLine("prog.txt", dir.path() / "prog.txt"));
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(fs::exists(dir.path() / "prog.txt"));
}

TEST(ExitStatus, WarningsAloneAreStillSuccess) {
  TempDir dir;
  dir.write("prog.asm", " .warning look here\n nop\n");
  const QuarnRun run = runQuarn({"-h", "prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 0) << run.out;
  EXPECT_TRUE(fs::exists(dir.path() / "prog.txt"));
}

TEST(ExitStatus, ErrorsAreReportedToTheCallerAndWriteNothing) {
  TempDir dir;
  dir.write("prog.asm", " nop\n ld a,undefined_name\n");
  const QuarnRun run = runQuarn({"-h", "prog.asm"}, dir.path());
  EXPECT_NE(run.out.find("Error #201 in prog.asm, line 2: Label not defined: \"undefined_name\"\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_FALSE(fs::exists(dir.path() / "prog.txt"));
}

TEST(ExitStatus, SourceInASubdirectoryIsFoundAndWrittenBesideItself) {
  TempDir dir;
  dir.write("sub/prog.asm", "#include \"part.inc\"\n");
  dir.write("sub/part.inc", " nop\n");
  const QuarnRun run = runQuarn({"-h", "sub/prog.asm"}, dir.path());
  EXPECT_EQ(run.out.rfind("Assembling sub/prog.asm\n", 0), 0u) << run.out;
  EXPECT_EQ(run.exitStatus, 0) << run.out;
  EXPECT_EQ(readText(dir.path() / "sub/prog.txt"), "prog.txt - Hex Listing\n1 bytes total\n\n00 ");
}

TEST(ExitStatus, LocationCounterStartsAtZeroBeforeThePasses) {
  TempDir dir;
  dir.write("prog.asm", "#IF $\n .db 1\n#ELSE\n .db 2\n#ENDIF\n");
  const QuarnRun run = runQuarn({"-h", "prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 0) << run.out;
  EXPECT_EQ(readText(dir.path() / "prog.txt"), "prog.txt - Hex Listing\n1 bytes total\n\n02 ");
}

// A private copy of the program, so a test can give it its own instruction table.
class ProgramCopy {
public:
  explicit ProgramCopy(const TempDir& dir) : directory_(dir.path() / "bin") {
    fs::create_directories(directory_);
    fs::copy_file(quarnBinary(), directory_ / "quarn");
  }
  QuarnRun run(const std::vector<std::string>& arguments, const fs::path& workingDirectory) const {
    return runProgram((directory_ / "quarn").string(), arguments, workingDirectory);
  }
  void writeTable(std::string_view text) const {
    std::ofstream(directory_ / "vozo80.tab", std::ios::binary) << text;
  }

private:
  fs::path directory_;
};

TEST(ExitStatus, MissingTableEndsWithStatusOne) {
  TempDir dir;
  const ProgramCopy quarn(dir);
  dir.write("prog.asm", " nop\n");
  const QuarnRun run = quarn.run({"-h", "prog.asm"}, dir.path());
  EXPECT_EQ(run.out.rfind("Cannot open table file: ", 0), 0u) << run.out;
  EXPECT_EQ(run.exitStatus, 1);
}

TEST(ExitStatus, BadTableEntryAssemblesNothingAndIsAFailure) {
  TempDir dir;
  const ProgramCopy quarn(dir);
  quarn.writeTable("\"test table\"\nNOP \"\" 00 1 NOP 1\nHALT \"\" 76 9 NOP 1\n");
  dir.write("prog.asm", " nop\n");
  const QuarnRun run = quarn.run({"-h", "prog.asm"}, dir.path());
  EXPECT_EQ(run.out, "Invalid value in nbytes field of table entry\nAssembly complete - 0 error(s), 0 warning(s)\n");
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_FALSE(fs::exists(dir.path() / "prog.txt"));
}

}  // namespace
