// The file each example under examples/ assembles to, read back by libtifiles, a
// reader of calculator files written independently of this project: what a
// user sends to a calculator must be a file that such a tool accepts.
// The library's headers use C's `restrict`, which C++ spells `__restrict`.
#define restrict __restrict
#include <tifiles.h>
#undef restrict

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/plugins/support/WriterPlugin.h"

namespace fs = std::filesystem;

namespace {

using plugintest::ScratchDirectory;

struct ExampleFile {
  std::string source;  // below examples/
  std::string output;  // written beside it
  CalcModel model;
  std::uint8_t typeId;
  std::string name;         // as libtifiles reports it
  std::size_t dataOffset;   // of the variable data in the file
};

const ExampleFile EXAMPLES[] = {
    {"ti86/hello.asm", "hello.86p", CALC_TI86, 0x12, "hello", 71},
    {"ti86-string/data.asm", "data.86s", CALC_TI86, 0x0C, "data", 71},
    {"ti86-hex/hello.asm", "hello.86p", CALC_TI86, 0x12, "hello", 71},
    {"ti86-compressed/hello.asm", "hello.86P", CALC_TI86, 0x12, "hello", 71},
    {"ti86-dorun/hello.asm", "hello.86P", CALC_TI86, 0x12, "hello", 71},
    {"ti83plus/hello.asm", "hello.8xp", CALC_TI83P, 0x06, "HELLO", 72},
    {"ti82/hello.asm", "hello.82p", CALC_TI82, 0x06, "\xDChello", 70},
    {"ti73/hello.asm", "hello.73p", CALC_TI73, 0x06, "HELLO", 70},
    {"ti83/hello.asm", "hello.83p", CALC_TI83, 0x06, "HELLO", 70},
    {"ti85/hello.asm", "hello.85s", CALC_TI85, 0x0C, "hello", 68},
};

// This test program is built with the writers, not with quarn; quarn must have
// been built into the same runtime directory.
std::string quarn() { return std::string(QUARN_BIN_DIR) + "/quarn"; }

// Copies the example into the scratch directory and assembles it there; the
// path of the file written, or "" when quarn failed.
std::string assemble(const ExampleFile& example, const ScratchDirectory& dir) {
  const fs::path source = fs::path(QUARN_SOURCE_DIR) / "examples" / example.source;
  const fs::path copy = dir.path() / source.filename();
  fs::copy_file(source, copy);
  const std::string command = "'" + quarn() + "' '" + copy.string() + "' >'" + dir.file("quarn.log") + "' 2>&1";
  const int status = std::system(command.c_str());
  EXPECT_EQ(status, 0) << command;
  const std::string output = dir.file(example.output);
  return status == 0 && fs::exists(output) ? output : "";
}

class LibTifilesOnExamples : public testing::Test {
 protected:
  static void SetUpTestSuite() { tifiles_library_init(); }
  static void TearDownTestSuite() { tifiles_library_exit(); }
};

TEST_F(LibTifilesOnExamples, ReadsEveryExamplesFileBack) {
  ASSERT_TRUE(fs::exists(quarn())) << "build the quarn target first: " << quarn();
  for (const ExampleFile& example : EXAMPLES) {
    SCOPED_TRACE(example.source);
    ScratchDirectory dir;
    const std::string path = assemble(example, dir);
    ASSERT_FALSE(path.empty()) << "no " << example.output;
    const std::vector<std::uint8_t> file = plugintest::readBytes(path);

    EXPECT_EQ(tifiles_file_get_model(path.c_str()), example.model);
    FileContent* content = tifiles_content_create_regular(CALC_NONE);
    ASSERT_EQ(tifiles_file_read_regular(path.c_str(), content), 0);  // a failed read has released `content`
    EXPECT_EQ(content->model, example.model);
    ASSERT_EQ(content->num_entries, 1u);
    const VarEntry& entry = *content->entries[0];
    EXPECT_EQ(entry.type, example.typeId);
    EXPECT_EQ(std::string(entry.name), example.name);
    const std::vector<std::uint8_t> ourData(file.begin() + static_cast<long>(example.dataOffset), file.end() - 2);
    EXPECT_EQ(std::vector<std::uint8_t>(entry.data, entry.data + entry.size), ourData);
    const std::vector<std::uint8_t> section(file.begin() + 55, file.end() - 2);
    EXPECT_EQ(content->checksum, tifiles_checksum(section.data(), static_cast<unsigned>(section.size())));
    EXPECT_EQ(content->checksum, file[file.size() - 2] | file[file.size() - 1] << 8);
    tifiles_content_delete_regular(content);
  }
}

}  // namespace
