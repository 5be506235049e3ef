#include "base/AtomicFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/plugins/support/WriterPlugin.h"

namespace {

using plugintest::readBytes;
using plugintest::ScratchDirectory;

const std::vector<std::uint8_t> OLD_CONTENT(100, 0x11);

TEST(WriteFileAtomically, ReplacesAnExistingFileWhole) {
  ScratchDirectory dir;
  plugintest::writeBytes(dir.file("out.bin"), OLD_CONTENT);
  const std::vector<std::uint8_t> shorter{1, 2, 3};
  EXPECT_TRUE(writeFileAtomically(dir.file("out.bin"), shorter));
  EXPECT_EQ(readBytes(dir.file("out.bin")), shorter);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.bin"});
}

// The old file is replaced under its name, never rewritten: another name it has keeps
// the old bytes, and the new file is the only one under the replaced name.
TEST(WriteFileAtomically, LeavesOtherNamesOfTheReplacedFileAlone) {
  ScratchDirectory dir;
  plugintest::writeBytes(dir.file("out.bin"), OLD_CONTENT);
  std::filesystem::create_hard_link(dir.file("out.bin"), dir.file("kept.bin"));
  const std::vector<std::uint8_t> replacement{4, 5};
  EXPECT_TRUE(writeFileAtomically(dir.file("out.bin"), replacement));
  EXPECT_EQ(readBytes(dir.file("out.bin")), replacement);
  EXPECT_EQ(readBytes(dir.file("kept.bin")), OLD_CONTENT);
  EXPECT_EQ(std::filesystem::hard_link_count(dir.file("out.bin")), 1u);
  std::vector<std::string> names = dir.entries();
  std::ranges::sort(names);
  EXPECT_EQ(names, (std::vector<std::string>{"kept.bin", "out.bin"}));
}

TEST(WriteFileAtomically, KeepsThePermissionsOfTheReplacedFile) {
  ScratchDirectory dir;
  plugintest::writeBytes(dir.file("out.bin"), OLD_CONTENT);
  const auto permissions = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                           std::filesystem::perms::group_read;
  std::filesystem::permissions(dir.file("out.bin"), permissions);
  EXPECT_TRUE(writeFileAtomically(dir.file("out.bin"), std::vector<std::uint8_t>{1}));
  EXPECT_EQ(std::filesystem::status(dir.file("out.bin")).permissions(), permissions);
}

TEST(WriteFileAtomically, FailsWithoutLeavingAnythingWhenTheTargetCannotBeCreated) {
  ScratchDirectory dir;
  std::filesystem::create_directory(dir.path() / "taken.bin");
  const std::vector<std::uint8_t> bytes{1, 2, 3};
  EXPECT_FALSE(writeFileAtomically(dir.file("missing/out.bin"), bytes));
  EXPECT_FALSE(writeFileAtomically(dir.file("taken.bin"), bytes));
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "taken.bin"));
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"taken.bin"});
}

// The write fails part-way, as on a full disk: the earlier file must survive intact and
// the temporary file must be gone.
TEST(WriteFileAtomically, KeepsThePreviousFileWhenTheDiskFills) {
  ScratchDirectory dir;
  plugintest::writeBytes(dir.file("out.bin"), OLD_CONTENT);
  const std::vector<std::uint8_t> large(64 * 1024, 0x22);
  EXPECT_EXIT(
      {
        plugintest::limitFileSize(4096);
        std::exit(writeFileAtomically(dir.file("out.bin"), large) ? 1 : 0);
      },
      testing::ExitedWithCode(0), "");
  EXPECT_EQ(readBytes(dir.file("out.bin")), OLD_CONTENT);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.bin"});
}

}  // namespace
