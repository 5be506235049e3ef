// Every plain writer's file read back by libtifiles, a reader of calculator files
// written independently of this project: it must accept the file and find our one
// variable with its name, type, data and checksum. For the families whose names
// libtifiles stores as we do, its own writer must also produce our file, byte for
// byte, from the same variable.
// The library's headers use C's `restrict`, which C++ spells `__restrict`.
#define restrict __restrict
#include <tifiles.h>
#undef restrict

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/plugins/support/WriterPlugin.h"

namespace {

using plugintest::ScratchDirectory;
using plugintest::WriterPlugin;

struct ReadBackCase {
  std::string plugin;
  std::string extension;
  CalcModel model;
  std::uint8_t typeId;
  std::string name;           // as libtifiles reports it
  std::size_t dataOffset;     // of the variable data in the file
};

const ReadBackCase CASES[] = {
    {"curlew", ".86p", CALC_TI86, 0x12, "game", 71},
    {"avocet", ".86s", CALC_TI86, 0x0C, "game", 71},
    {"heron", ".86p", CALC_TI86, 0x12, "game", 71},
    {"plover", ".8xp", CALC_TI83P, 0x06, "GAME", 72},
    {"tern", ".82p", CALC_TI82, 0x06, "\xDCgame", 70},
    {"ferra", ".86P", CALC_TI86, 0x12, "game", 71},
    {"dorun", ".86P", CALC_TI86, 0x12, "game", 71},
    {"dunlin", ".73p", CALC_TI73, 0x06, "GAME", 70},
    {"knot", ".83p", CALC_TI83, 0x06, "GAME", 70},
    {"stint", ".85s", CALC_TI85, 0x0C, "game", 67},  // the name is stored without padding
};

class LibTifiles : public testing::Test {
 protected:
  static void SetUpTestSuite() { tifiles_library_init(); }
  static void TearDownTestSuite() { tifiles_library_exit(); }
};

std::string errorText(int code) {
  char* message = nullptr;
  tifiles_error_get(code, &message);
  std::string text = message != nullptr ? message : "";
  tifiles_error_free(message);
  return text;
}

TEST_F(LibTifiles, ReadsEveryWritersFileBack) {
  const std::vector<std::uint8_t> image{0x21, 0x00, 0x80, 0xCD, 0x37, 0x4A, 0xFF, 0xC9};
  for (const ReadBackCase& c : CASES) {
    SCOPED_TRACE(c.plugin);
    ScratchDirectory dir;
    ASSERT_EQ(WriterPlugin(c.plugin).save(image, dir.file("game")), 1);
    const std::string path = dir.file("game" + c.extension);
    const std::vector<std::uint8_t> file = plugintest::readBytes(path);

    EXPECT_EQ(tifiles_file_get_model(path.c_str()), c.model);
    FileContent* content = tifiles_content_create_regular(CALC_NONE);
    const int error = tifiles_file_read_regular(path.c_str(), content);
    ASSERT_EQ(error, 0) << errorText(error);  // a failed read has released `content`

    EXPECT_EQ(content->model, c.model);
    ASSERT_EQ(content->num_entries, 1u);
    const VarEntry& entry = *content->entries[0];
    EXPECT_EQ(entry.type, c.typeId);
    EXPECT_EQ(std::string(entry.name), c.name);
    const std::vector<std::uint8_t> ourData(file.begin() + static_cast<long>(c.dataOffset), file.end() - 2);
    EXPECT_EQ(std::vector<std::uint8_t>(entry.data, entry.data + entry.size), ourData);

    const std::vector<std::uint8_t> section(file.begin() + 55, file.end() - 2);
    EXPECT_EQ(content->checksum, tifiles_checksum(section.data(), static_cast<unsigned>(section.size())));
    EXPECT_EQ(content->checksum, file[file.size() - 2] | file[file.size() - 1] << 8);
    tifiles_content_delete_regular(content);
  }
}

// What libtifiles writes for one variable with our file's comment, name, type
// and variable data.
std::vector<std::uint8_t> libtifilesFile(CalcModel model, const std::vector<std::uint8_t>& ours,
                                         const ReadBackCase& c, const ScratchDirectory& dir) {
  FileContent* content = tifiles_content_create_regular(model);
  std::memcpy(content->comment, ours.data() + 11, 42);
  content->comment[42] = '\0';
  const std::vector<std::uint8_t> data(ours.begin() + static_cast<long>(c.dataOffset), ours.end() - 2);
  VarEntry* entry = tifiles_ve_create_alloc_data(static_cast<std::uint32_t>(data.size()));
  std::memcpy(entry->data, data.data(), data.size());
  entry->size = static_cast<std::uint32_t>(data.size());
  entry->version = c.model == CALC_TI83P ? 1 : 0;  // the TI-83 Plus family's version byte
  std::strncpy(entry->name, c.name.c_str(), sizeof entry->name - 1);
  entry->type = c.typeId;
  content->entries = tifiles_ve_create_array(1);
  content->entries[0] = entry;
  content->num_entries = 1;
  const std::string path = dir.file("theirs" + c.extension);
  const int error = tifiles_file_write_regular(path.c_str(), content, nullptr);
  tifiles_content_delete_regular(content);
  EXPECT_EQ(error, 0) << errorText(error);
  return error == 0 ? plugintest::readBytes(path) : std::vector<std::uint8_t>{};
}

TEST_F(LibTifiles, WritesTheSameFileForTheSameVariable) {
  const std::vector<std::uint8_t> image{0x41, 0x42, 0x00, 0x21, 0x00, 0x80, 0xCD, 0x37, 0x4A, 0xFF, 0xC9};
  for (const ReadBackCase& c : CASES) {
    if (c.model == CALC_TI86 || c.plugin == "tern") {
      continue;  // libtifiles pads TI-86 names with spaces, and converts tern's name mark
    }
    SCOPED_TRACE(c.plugin);
    ScratchDirectory dir;
    ASSERT_EQ(WriterPlugin(c.plugin).save(image, dir.file("game")), 1);
    const std::vector<std::uint8_t> ours = plugintest::readBytes(dir.file("game" + c.extension));
    EXPECT_EQ(libtifilesFile(c.model, ours, c, dir), ours);
  }
}

}  // namespace
