#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/RunQuarn.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const fs::path EXAMPLE = fs::path(QUARN_SOURCE_DIR) / "examples" / "hello86.asm";
const std::string CLEAN_SUMMARY = "Assembly complete - 0 error(s), 0 warning(s)\n";

TEST(ExampleProgram, AssemblesCleanlyIntoACalculatorFile) {
  TempDir dir;
  fs::copy_file(EXAMPLE, dir.path() / "hello86.asm");
  const QuarnRun run = runQuarn({"hello86.asm"}, dir.path());
  EXPECT_EQ(run.out, "Assembling hello86.asm\nFirst pass...\nSecond pass...\n" + CLEAN_SUMMARY +
                         wroteLine("hello86.86p", dir.path() / "hello86.86p"));
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(fs::exists(dir.path() / "hello86.86p"));
}

// The opening calls and the relative jump back to the key loop, checked by hand.
TEST(ExampleProgram, ListsTheExpectedCode) {
  TempDir dir;
  fs::copy_file(EXAMPLE, dir.path() / "hello86.asm");
  const QuarnRun run = runQuarn({"-h", "hello86.asm"}, dir.path());
  ASSERT_EQ(run.exitStatus, 0) << run.out;
  const std::string listing = readText(dir.path() / "hello86.txt");
  EXPECT_EQ(listing.rfind("hello86.txt - Hex Listing\n70 bytes total\n\nCD B1 4A CD \n7E 4A CD 95 \n", 0), 0u)
      << listing;
  EXPECT_NE(listing.find("55 B7 28 FA \n"), std::string::npos) << listing;
}

// The writer stores the name by its fixed rule and says on standard error what the
// calculator will make of it; the run itself succeeds as before.
TEST(ExampleProgram, ANameTheCalculatorCutsIsToldOnStandardError) {
  TempDir dir;
  fs::copy_file(EXAMPLE, dir.path() / "countdowntimer.asm");
  const QuarnRun run = runQuarn({"countdowntimer.asm"}, dir.path());
  EXPECT_EQ(run.out, "Assembling countdowntimer.asm\nFirst pass...\nSecond pass...\n" + CLEAN_SUMMARY +
                         wroteLine("countdowntimer.86p", dir.path() / "countdowntimer.86p"));
  EXPECT_EQ(run.err, "Warning: " + (dir.path() / "countdowntimer.86p").string() +
                         ": the calculator name is \"countdow\", cut from \"countdowntimer\" to 8 characters\n");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(fs::exists(dir.path() / "countdowntimer.86p"));
}

TEST(SymbolFileRun, ListsLabelsAndEquatesWithoutAssembling) {
  TempDir dir;
  dir.write("defs.asm",
            "count = 10\n"
            " .org 8000h\n"
            "Entry: nop\n"
            "far: jr $+200\n");
  const QuarnRun run = runQuarn({"-s", "defs.asm"}, dir.path());
  // Pass 2 never runs, so the relative jump out of reach is not found.
  EXPECT_EQ(run.out, "First pass...\n" + CLEAN_SUMMARY + wroteLine("defs.inc", dir.path() / "defs.inc"));
  EXPECT_EQ(run.exitStatus, 0);
  const std::string symbols = readText(dir.path() / "defs.inc");
  EXPECT_NE(symbols.find("count = $000a\n"), std::string::npos) << symbols;
  EXPECT_NE(symbols.find("Entry = $8000\n"), std::string::npos) << symbols;
  EXPECT_NE(symbols.find("far = $8001\n"), std::string::npos) << symbols;
  EXPECT_EQ(symbols.size(), std::string("count = $000a\nEntry = $8000\nfar = $8001\n").size());
}

TEST(HexListingRun, ReportsAnEmptyProgram) {
  TempDir dir;
  dir.write("empty.asm", "size = 4\nonly:\n");
  const QuarnRun run = runQuarn({"-h", "empty.asm"}, dir.path());
  EXPECT_EQ(run.out,
            "Assembling empty.asm\nFirst pass...\n"
            "Error #4 in empty.asm, line 2: Output file is empty!\n"
            "Assembly complete - 1 error(s), 0 warning(s)\n");
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_FALSE(fs::exists(dir.path() / "empty.txt"));
}

// With the shipped table: every kind of indexed form takes only a displacement
// of -128..127, and an error in any of them keeps the listing from being written.
TEST(HexListingRun, IndexOffsetsOutOfRangeAreErrors) {
  TempDir dir;
  dir.write("far.asm",
            " ld (ix-129),a\n ld (iy+128),5\n ld a,(ix+300)\n res 2,(iy+128)\n rl (ix-129)\n"
            " add a,(iy+255)\n ld (iy-128),a\n bit 7,(ix+127)\n");
  const QuarnRun run = runQuarn({"-h", "far.asm"}, dir.path());
  std::string expected = "Assembling far.asm\nFirst pass...\nSecond pass...\n";
  for (int line = 1; line <= 6; ++line) {
    expected += "Error #408 in far.asm, line " + std::to_string(line) + ": Index offset out of range\n";
  }
  EXPECT_EQ(run.out, expected + "Assembly complete - 6 error(s), 0 warning(s)\n");
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_FALSE(fs::exists(dir.path() / "far.txt"));
}

TEST(HexListingRun, IndentedLocalLabelIsAnError) {
  TempDir dir;
  dir.write("loop.asm", " ld b,3\n  _loop: djnz _loop\n");
  const QuarnRun run = runQuarn({"-h", "loop.asm"}, dir.path());
  EXPECT_NE(run.out.find("Error #400 in loop.asm, line 2: Unrecognized instruction: \"_loop:\"\n"), std::string::npos)
      << run.out;
  EXPECT_EQ(run.exitStatus, 2);
}

}  // namespace
