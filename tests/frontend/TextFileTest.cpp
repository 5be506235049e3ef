#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "frontend/TextFile.h"

namespace {

// A file's text is read in one piece of the size the file had when opened, and
// then on in blocks. Files under /proc report a size of 0 yet hold text: all of
// it must come through the second path.
TEST(TextFile, ReadsOnPastTheSizeTheFileReported) {
  const std::string path = "/proc/self/status";
  if (!std::filesystem::exists(path) || std::filesystem::file_size(path) != 0) {
    GTEST_SKIP() << path << " is not a file that reports a size of 0 here";
  }
  const std::optional<std::string> text = readTextFile(path);
  ASSERT_TRUE(text.has_value());
  EXPECT_NE(text->find("Name:"), std::string::npos);
  EXPECT_NE(text->find("VmPeak:"), std::string::npos);  // well past the first lines
  EXPECT_EQ(text->back(), '\n');
}

TEST(TextFile, NothingForADirectoryOrAMissingFile) {
  EXPECT_FALSE(readTextFile(std::filesystem::temp_directory_path().string()).has_value());
  EXPECT_FALSE(readTextFile("/nonexistent/quarn/file.asm").has_value());
}

}  // namespace
