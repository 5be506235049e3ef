#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "job/FileError.h"
#include "tests/core/DirectiveHarness.h"
#include "tests/support/TempDir.h"

namespace {

std::vector<std::uint8_t> countingBytes(std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  }
  return bytes;
}

class Incbin : public testing::Test {
protected:
  std::string inDir(const std::string& name) const { return (dir.path() / name).string(); }

  TempDir dir;
};

TEST_F(Incbin, CopiesTheFileUntranslated) {
  const std::vector<std::uint8_t> data{'a', '\r', '\n', 0, 0x1A, 0xFF, '\n'};
  dir.writeBytes("data.bin", data);
  DirectiveHarness run({" .org 4000h", " .incbin " + inDir("data.bin"), "after: .db 1"});
  run.assemble();
  std::vector<std::uint8_t> expected = data;
  expected.push_back(1);
  EXPECT_EQ(run.bytes(), expected);
  EXPECT_EQ(run.labelValue("after"), 0x4000 + data.size());
  EXPECT_EQ(run.job.pc, run.pcAfterPassOne);
  EXPECT_EQ(run.job.dataBytes, 8);
}

TEST_F(Incbin, NameFormsResolveToTheSameFile) {
  dir.writeBytes("sub/data.bin", {1, 2, 3});
  const std::vector<std::string> forms{
      inDir("sub/data.bin"),  "\"" + inDir("sub/data.bin") + "\"", "  " + inDir("sub\\data.bin") + "  ",
      "\"" + inDir("sub") + "\\data.bin\"",
  };
  for (const std::string& form : forms) {
    DirectiveHarness run({" .incbin " + form});
    run.assemble();
    EXPECT_EQ(hexBytes(run.bytes()), "01 02 03") << form;
    EXPECT_TRUE(run.diagnosticCodes().empty()) << form;
  }
}

TEST_F(Incbin, FallsBackToTheIncludeDirectory) {
  dir.writeBytes("inc/lib.bin", {4, 5});
  DirectiveHarness run({" .incbin \"lib.bin\""});
  RunSettings settings;
  settings.includeDirectories = {inDir("none"), inDir("inc")};
  run.job.useSettings(settings);
  run.assemble();
  EXPECT_EQ(hexBytes(run.bytes()), "04 05");
}

TEST_F(Incbin, MissingFileOrNameIsReported) {
  DirectiveHarness run({" .incbin \"nothere.bin\"  ", " .incbin", " .incbin \"\""});
  run.passOne();
  EXPECT_EQ(run.job.consoleText(),
            "Error #101 in test.asm, line 1: Cannot find file \"nothere.bin\"\n"
            "Error #111 in test.asm, line 2: Filename expected\n"
            "Error #101 in test.asm, line 3: Cannot find file \"\"\n");
  EXPECT_FALSE(run.marked(0));
  EXPECT_FALSE(run.marked(1));
  EXPECT_EQ(run.job.pc, 0);
}

TEST_F(Incbin, DirectoryIsNotAFile) {
  std::filesystem::create_directories(dir.path() / "folder");
  DirectiveHarness run({" .incbin " + inDir("folder")});
  run.passOne();
  EXPECT_EQ(run.diagnosticCodes(), std::vector<int>{101});
}

// The count of data bytes takes the whole size; only the location counter wraps.
TEST_F(Incbin, FileOfSixtyFourKilobytesOrMore) {
  const std::vector<std::uint8_t> data = countingBytes(0x10000 + 5);
  dir.writeBytes("big.bin", data);
  DirectiveHarness run({" .incbin " + inDir("big.bin"), "after: .db 1"});
  run.assemble();
  EXPECT_EQ(run.job.dataBytes, 0x10000 + 6);
  EXPECT_EQ(run.labelValue("after"), 5);
  EXPECT_EQ(run.job.pc, 6);
  ASSERT_EQ(run.image.length(), data.size() + 1);
  EXPECT_TRUE(std::equal(data.begin(), data.end(), run.image.bytes().begin()));
}

TEST_F(Incbin, FileGoneInPassTwoIsAFileError) {
  const auto path = dir.writeBytes("data.bin", {1, 2});
  DirectiveHarness run({" .incbin " + path.string()});
  run.passOne();
  std::filesystem::remove(path);
  EXPECT_THROW(run.passTwo(), FileError);
}

}  // namespace
