#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/RunQuarn.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const std::string PROGRAM = " nop\n ret\n";

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::ranges::sort(names);
  return names;
}

TEST(OutputFile, TextOutputsGoExactlyWhereTheUserSaid) {
  TempDir dir;
  dir.write("src/prog.asm", PROGRAM);
  fs::create_directory(dir.path() / "out");
  // Relative to where quarn was started, not to the source.
  ASSERT_EQ(runQuarn({"-h", "-o", "out/bytes.hex", "src/prog.asm"}, dir.path()).exitStatus, 0);
  EXPECT_EQ(readText(dir.path() / "out/bytes.hex"), "bytes.hex - Hex Listing\n2 bytes total\n\n00 C9 ");
  ASSERT_EQ(runQuarn({"-s", "-oout/names", "src/prog.asm"}, dir.path()).exitStatus, 0);
  EXPECT_TRUE(fs::exists(dir.path() / "out/names"));
  EXPECT_EQ(namesIn(dir.path() / "src"), std::vector<std::string>{"prog.asm"});
}

TEST(OutputFile, ExtensionChoosesTheWriterAndTheNameGivesTheVariableName) {
  TempDir dir;
  dir.write("prog.asm", PROGRAM);
  dir.write("Hello.asm", PROGRAM);
  fs::create_directory(dir.path() / "out");
  ASSERT_EQ(runQuarn({"-o", "out/Hello.8xp", "prog.asm"}, dir.path()).exitStatus, 0);
  ASSERT_EQ(runQuarn({"-p", "plover", "Hello.asm"}, dir.path()).exitStatus, 0);
  EXPECT_EQ(readBytes(dir.path() / "out/Hello.8xp"), readBytes(dir.path() / "Hello.8xp"));
  // Nothing else is left beside the file, and nothing beside the source.
  EXPECT_EQ(namesIn(dir.path() / "out"), std::vector<std::string>{"Hello.8xp"});
  EXPECT_FALSE(fs::exists(dir.path() / "prog.86p"));
}

TEST(OutputFile, AWriterWithAnotherExtensionStillWritesTheNamedFile) {
  TempDir dir;
  dir.write("prog.asm", PROGRAM);
  dir.write("game.asm", PROGRAM);
  // ferra writes .86P; the user asked for game.86p.
  ASSERT_EQ(runQuarn({"-p", "ferra", "-o", "game.86p", "prog.asm"}, dir.path()).exitStatus, 0);
  ASSERT_EQ(runQuarn({"-p", "ferra", "game.asm"}, dir.path()).exitStatus, 0);
  EXPECT_EQ(readBytes(dir.path() / "game.86p"), readBytes(dir.path() / "game.86P"));
}

TEST(OutputFile, TheWritersOwnMessagesNameTheNamedFile) {
  TempDir dir;
  dir.write("prog.asm", PROGRAM);
  const QuarnRun run = runQuarn({"-o", "countdowntimer.86p", "prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "Warning: " + (dir.path() / "countdowntimer.86p").string() +
                         ": the calculator name is \"countdow\", cut from \"countdowntimer\" to 8 characters\n");
}

TEST(OutputFile, NeverReplacesAnInputOfTheRun) {
  TempDir dir;
  dir.write("prog.asm", PROGRAM);
  const QuarnRun run = runQuarn({"-h", "-o", "prog.asm", "prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_EQ(readText(dir.path() / "prog.asm"), PROGRAM);
}

TEST(OutputFile, AnExtensionNoWriterHasIsRefusedBeforeAssembling) {
  TempDir dir;
  dir.write("prog.asm", " ld a,undefined\n");
  const QuarnRun run = runQuarn({"-o", "prog.bin", "prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "quarn: no writer is chosen by the extension of prog.bin; name one with -p\n");
  // Two writers make .86P files: the name alone does not say which.
  EXPECT_EQ(runQuarn({"-o", "prog.86P", "prog.asm"}, dir.path()).exitStatus, 1);
}

TEST(OutputFile, AFolderThatCannotTakeTheFileFailsTheRun) {
  TempDir dir;
  dir.write("prog.asm", PROGRAM);
  const QuarnRun run = runQuarn({"-o", "missing/prog.86p", "prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_NE(run.out.find("Cannot create file " + (dir.path() / "missing/prog.86p").string() + "\n"),
            std::string::npos)
      << run.out;
}

TEST(WrittenFile, IsNamedAfterTheSummaryWithItsSize) {
  TempDir dir;
  dir.write("src/prog.asm", PROGRAM);
  QuarnRun run = runQuarn({"src/prog.asm"}, dir.path());
  EXPECT_EQ(run.out, "Assembling src/prog.asm\nFirst pass...\nSecond pass...\n"
                     "Assembly complete - 0 error(s), 0 warning(s)\n" +
                         wroteLine("src/prog.86p", dir.path() / "src/prog.86p"));
  run = runQuarn({"-h", "-o", "listing.txt", "src/prog.asm"}, dir.path());
  EXPECT_NE(run.out.find(wroteLine("listing.txt", dir.path() / "listing.txt")), std::string::npos) << run.out;
  // Quiet runs keep the summary only.
  run = runQuarn({"-q", "src/prog.asm"}, dir.path());
  EXPECT_EQ(run.out, "Assembly complete - 0 error(s), 0 warning(s)\n");
}

TEST(WrittenFile, IsNotNamedWhenNothingWasWritten) {
  TempDir dir;
  dir.write("prog.asm", " ld a,undefined\n");
  const QuarnRun run = runQuarn({"prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_EQ(run.out.find("Wrote"), std::string::npos) << run.out;
}

}  // namespace
