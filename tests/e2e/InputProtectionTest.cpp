// No output of a run may replace one of the files the run read: the source, its
// includes, its binary includes and the instruction table, reached under any name.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/RunQuarn.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const std::string PROGRAM = " ld a,1\n ret\n";

// The run stops before writing: the file named is untouched, the console names it,
// and the run fails with status 2.
void expectRefused(const QuarnRun& run, const TempDir& dir, const std::string& output, const std::string& contents) {
  const std::string message = "Cannot create file " + (dir.path() / output).string() + ": it is an input of this run\n";
  EXPECT_NE(run.out.find(message), std::string::npos) << run.out;
  EXPECT_EQ(run.exitStatus, 2) << run.out;
  EXPECT_EQ(readText(dir.path() / output), contents);
}

TEST(InputProtection, SymbolFileNeverReplacesItsSource) {
  TempDir dir;
  dir.write("lib.inc", PROGRAM);
  expectRefused(runQuarn({"-s", "lib.inc"}, dir.path()), dir, "lib.inc", PROGRAM);
}

TEST(InputProtection, HexListingNeverReplacesItsSource) {
  TempDir dir;
  dir.write("notes.txt", PROGRAM);
  expectRefused(runQuarn({"-h", "./notes.txt"}, dir.path()), dir, "notes.txt", PROGRAM);
}

TEST(InputProtection, SymbolFileNeverReplacesAnInclude) {
  TempDir dir;
  dir.write("game.asm", "#include \"./game.inc\"\n ret\n");
  dir.write("game.inc", "SCREEN = $FC00\n");
  expectRefused(runQuarn({"-s", "game.asm"}, dir.path()), dir, "game.inc", "SCREEN = $FC00\n");
}

// Links and other spellings of the same file count as that file.
TEST(InputProtection, LinksToAnInputAreRefusedToo) {
  TempDir dir;
  dir.write("game.asm", "#include \"parts/code.z80\"\n");
  dir.write("parts/code.z80", PROGRAM);
  fs::create_hard_link(dir.path() / "parts/code.z80", dir.path() / "game.inc");
  expectRefused(runQuarn({"-s", "game.asm"}, dir.path()), dir, "game.inc", PROGRAM);

  dir.write("art.asm", " .incbin \"sprites.bin\"\n");
  dir.write("sprites.bin", "\x01\x02");
  fs::create_symlink("sprites.bin", dir.path() / "art.txt");
  expectRefused(runQuarn({"-h", "art.asm"}, dir.path()), dir, "art.txt", "\x01\x02");
}

TEST(InputProtection, TheInstructionTableIsAnInputToo) {
  TempDir dir;
  dir.write("prog.asm", PROGRAM);
  const fs::path table = fs::path(QUARN_BIN_DIR) / "vozo80.tab";
  const std::string tableText = readText(table);
  fs::create_symlink(table, dir.path() / "prog.inc");
  expectRefused(runQuarn({"-s", "prog.asm"}, dir.path()), dir, "prog.inc", tableText);
}

// The writer plug-ins are checked by the file they are about to write: the default
// writer's own extension, not another writer's.
TEST(InputProtection, CalculatorFileNeverReplacesItsSource) {
  TempDir dir;
  dir.write("game.86p", PROGRAM);
  expectRefused(runQuarn({"game.86p"}, dir.path()), dir, "game.86p", PROGRAM);
  expectRefused(runQuarn({"-p", "heron", "game.86p"}, dir.path()), dir, "game.86p", PROGRAM);

  const QuarnRun other = runQuarn({"-p", "plover", "game.86p"}, dir.path());
  EXPECT_EQ(other.exitStatus, 0) << other.out;
  EXPECT_TRUE(fs::exists(dir.path() / "game.8xp"));
  EXPECT_EQ(readText(dir.path() / "game.86p"), PROGRAM);
}

// Outputs that replace no input are written as before, also beside includes of
// another extension.
TEST(InputProtection, OtherOutputsBesideTheInputsAreWritten) {
  TempDir dir;
  dir.write("game.asm", "#include \"game.h\"\n .incbin \"game.bin\"\n");
  dir.write("game.h", PROGRAM);
  dir.write("game.bin", "\x07");
  EXPECT_EQ(runQuarn({"-s", "game.asm"}, dir.path()).exitStatus, 0);
  EXPECT_EQ(runQuarn({"-h", "game.asm"}, dir.path()).exitStatus, 0);
  EXPECT_EQ(runQuarn({"game.asm"}, dir.path()).exitStatus, 0);
  for (const char* output : {"game.inc", "game.txt", "game.86p"}) {
    EXPECT_TRUE(fs::exists(dir.path() / output)) << output;
  }
}

}  // namespace
