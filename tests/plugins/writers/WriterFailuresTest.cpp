// What the writers do when they cannot deliver a complete file: result 0, the
// extension buffer as it was, and no file (or the previous one) at the output path.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/plugins/support/WriterPlugin.h"

namespace {

using plugintest::ScratchDirectory;
using plugintest::WriterPlugin;

struct Writer {
  std::string plugin;
  std::string extension;
  std::size_t largestImage;  // the last length whose lengths still fit 16 bits
};

const Writer WRITERS[] = {
    {"curlew", ".86p", 65515},
    {"avocet", ".86s", 65517},
    {"heron", ".86p", 26203},
    {"plover", ".8xp", 65514},
    {"tern", ".82p", 65515},
    {"dunlin", ".73p", 65518},
    {"knot", ".83p", 32754},   // written as hexadecimal text, two characters a byte
    {"stint", ".85s", 65517},  // with a name of 4 characters, which the TI-85 stores unpadded
};

constexpr char UNTOUCHED[PLUGIN_EXTENSION_SIZE] = {'#', '#', '#', '#', '#'};

bool untouched(const char (&extension)[PLUGIN_EXTENSION_SIZE]) {
  return std::equal(std::begin(extension), std::end(extension), std::begin(UNTOUCHED));
}

TEST(WriterFailures, UnwritableOutputPathGivesZeroAndLeavesTheExtension) {
  ScratchDirectory dir;
  std::filesystem::create_directory(dir.path() / "taken.86p");
  const std::vector<std::uint8_t> image{0xC9};
  for (const Writer& w : WRITERS) {
    std::filesystem::create_directory(dir.path() / ("taken" + w.extension));
    for (const std::string& basePath : {dir.file("missing/prog"), dir.file("taken")}) {
      char extension[PLUGIN_EXTENSION_SIZE];
      std::copy(std::begin(UNTOUCHED), std::end(UNTOUCHED), extension);
      EXPECT_EQ(WriterPlugin(w.plugin).save(image, basePath, extension), 0) << w.plugin << " " << basePath;
      EXPECT_TRUE(untouched(extension)) << w.plugin;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing"));
}

TEST(WriterFailures, ImageTooLargeForTheLengthFieldsIsRefused) {
  ScratchDirectory dir;
  for (const Writer& w : WRITERS) {
    const WriterPlugin plugin(w.plugin);
    const std::vector<std::uint8_t> largest(w.largestImage, 0x5A);
    EXPECT_EQ(plugin.save(largest, dir.file("fits")), 1) << w.plugin;

    const std::vector<std::uint8_t> tooLarge(w.largestImage + 1, 0x5A);
    char extension[PLUGIN_EXTENSION_SIZE];
    std::copy(std::begin(UNTOUCHED), std::end(UNTOUCHED), extension);
    EXPECT_EQ(plugin.save(tooLarge, dir.file("huge"), extension), 0) << w.plugin;
    EXPECT_TRUE(untouched(extension)) << w.plugin;
    EXPECT_FALSE(std::filesystem::exists(dir.file("huge" + w.extension))) << w.plugin;
  }
  const std::vector<std::uint8_t> far(1 << 20, 0);
  EXPECT_EQ(WriterPlugin("curlew").save(far, dir.file("far")), 0);
}

// knot stores a shell program's bytes unchanged, so such a program may be twice
// as long as one written as hexadecimal text.
TEST(WriterFailures, KnotRefusesAShellProgramOnlyPastTheUnchangedFormsLimit) {
  ScratchDirectory dir;
  const WriterPlugin knot("knot");
  for (const std::uint8_t first : {std::uint8_t{0xC9}, std::uint8_t{0xAF}}) {
    std::vector<std::uint8_t> image(65518, 0x30);  // xor a is followed by jr nc
    image.front() = first;
    EXPECT_EQ(knot.save(image, dir.file("fits")), 1) << int{first};
    image.push_back(0x30);
    EXPECT_EQ(knot.save(image, dir.file("huge")), 0) << int{first};
    EXPECT_FALSE(std::filesystem::exists(dir.file("huge.83p"))) << int{first};
  }
}

TEST(WriterFailures, MissingArgumentsAreRefused) {
  ScratchDirectory dir;
  for (const Writer& w : WRITERS) {
    const WriterPlugin plugin(w.plugin);
    const auto save = reinterpret_cast<SavePrgmFileFn>(plugin.symbol("SavePrgmFile"));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save(nullptr, 4, dir.file("prog").c_str(), nullptr), 0) << w.plugin;
    const unsigned char image[] = {0xC9};
    EXPECT_EQ(save(image, 1, nullptr, nullptr), 0) << w.plugin;
    EXPECT_EQ(save(nullptr, 0, dir.file("prog").c_str(), nullptr), 1) << w.plugin;
  }
}

// A write that fails part-way (here a file-size limit, as on a full disk) must not
// report success nor destroy the earlier file.
TEST(WriterFailures, FailedWriteKeepsThePreviousFile) {
  ScratchDirectory dir;
  const std::vector<std::uint8_t> previous(50, 0x77);
  const std::vector<std::uint8_t> image(20000, 0x5A);
  for (const Writer& w : WRITERS) {
    const std::string output = dir.file("prog" + w.extension);
    plugintest::writeBytes(output, previous);
    EXPECT_EXIT(
        {
          plugintest::limitFileSize(4096);
          std::exit(WriterPlugin(w.plugin).save(image, dir.file("prog")) == 0 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "")
        << w.plugin;
    EXPECT_EQ(plugintest::readBytes(output), previous) << w.plugin;
  }
  EXPECT_EQ(dir.entries().size(), 7u);  // heron and curlew share .86p
}

}  // namespace
