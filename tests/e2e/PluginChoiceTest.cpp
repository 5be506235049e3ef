#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/RunQuarn.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

TEST(PluginChoice, AMissingPluginNamedByTheUserStopsBeforeAssembling) {
  TempDir dir;
  // Errors in the source would be reported if it were assembled.
  dir.write("prog.asm", " ld a,undefined\n");
  const QuarnRun run = runQuarn({"-p", "plovr", "prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out,
            "Plugin file \"plovr.so\" does not exist or is an invalid file.\n"
            "Installed plug-ins: avocet, curlew, dorun, dunlin, ferra, heron, knot, plover, stint, tern\n");
}

TEST(PluginChoice, APluginNamedBySourceIsMissedAfterThePassesWithItsPlace) {
  TempDir dir;
  dir.write("prog.asm", " nop\n#include \"pick.inc\"\n");
  dir.write("pick.inc", "\n .plugin plovr\n");
  const QuarnRun run = runQuarn({"prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out,
            "Assembling prog.asm\nFirst pass...\nSecond pass...\n"
            "Plugin file \"plovr\" does not exist or is an invalid file.\n"
            "The plug-in was named by .PLUGIN in pick.inc, line 2\n");
}

TEST(PluginChoice, APluginNamedByTheUserIsStillOverriddenBySource) {
  TempDir dir;
  dir.write("prog.asm", " .plugin tern\n nop\n");
  const QuarnRun run = runQuarn({"-p", "heron", "prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 0) << run.out;
  EXPECT_TRUE(fs::exists(dir.path() / "prog.82p"));
}

}  // namespace
