// The variable names the writers derive from the base path, read from the files'
// name fields. Base paths are relative to a scratch directory made current, so that
// Windows-style names (D:\work\prog is one file name here) can be used as they are.
#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "job/WriterExtensions.h"
#include "tests/plugins/support/WriterPlugin.h"

namespace {

using plugintest::ScratchDirectory;
using plugintest::WriterPlugin;

class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::filesystem::path& path) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~CurrentDirectory() { std::filesystem::current_path(previous_); }
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

struct NameCase {
  std::string basePath;
  std::string field;  // all 8 bytes
};

class WriterNames : public testing::Test {
 protected:
  // The 8-byte name field of the file written for `basePath`.
  std::string nameField(const std::string& plugin, const std::string& basePath, const std::string& extension,
                        std::size_t offset) {
    const std::vector<std::uint8_t> image{0xC9};
    EXPECT_EQ(WriterPlugin(plugin).save(image, basePath), 1) << basePath;
    const std::vector<std::uint8_t> file = plugintest::readBytes(basePath + extension);
    return file.size() < offset + 8 ? std::string() : std::string(file.begin() + offset, file.begin() + offset + 8);
  }

  ScratchDirectory dir_;
  CurrentDirectory current_{dir_.path()};
};

std::string padded(std::string text) {
  text.resize(8, '\0');
  return text;
}

TEST_F(WriterNames, DefaultRuleKeepsCaseAndDots) {
  const NameCase cases[] = {
      {"D:\\work\\game", padded("game")},
      {"D:\\work\\blackjack2", "blackjac"},
      {"prog", padded("prog")},
      {"D:\\work\\", padded("")},
      {"sub.dir/x.y", padded("x.y")},
  };
  std::filesystem::create_directory("sub.dir");
  for (const std::string plugin : {"curlew", "avocet", "heron"}) {
    for (const NameCase& c : cases) {
      const std::string extension = plugin == "avocet" ? ".86s" : ".86p";
      EXPECT_EQ(nameField(plugin, c.basePath, extension, 61), c.field) << plugin << " " << c.basePath;
    }
  }
}

TEST_F(WriterNames, ProgramMenuWritersUpperCaseTheNameWithoutItsExtension) {
  const NameCase cases[] = {
      {"D:\\work\\prog", padded("PROG")},
      {"D:\\work\\mygame2k", "MYGAME2K"},
      {"D:\\work\\tetris.old", padded("TETRIS")},
      {"prog_a", padded("PROG_A")},
      {"D:\\work\\a.b", padded("A")},
      {"C:drive", padded("DRIVE")},
      {"D:\\work\\..", padded("")},
      {"D:\\work\\\xE9t\xE9", padded("\xE9T\xE9")},  // only ASCII letters change
  };
  const struct {
    std::string plugin;
    std::string extension;
  } writers[] = {{"plover", ".8xp"}, {"dunlin", ".73p"}, {"knot", ".83p"}};
  for (const auto& w : writers) {
    for (const NameCase& c : cases) {
      EXPECT_EQ(nameField(w.plugin, c.basePath, w.extension, 60), c.field) << w.plugin << " " << c.basePath;
    }
  }
  // The file keeps the whole base path and its case.
  EXPECT_TRUE(std::filesystem::exists("D:\\work\\a.b.8xp"));
  EXPECT_TRUE(std::filesystem::exists("D:\\work\\mygame2k.8xp"));
}

TEST_F(WriterNames, TernPutsTheCrashMarkBeforeSevenCharacters) {
  const NameCase cases[] = {
      {"D:\\work\\prog", padded("\xDCprog")},
      {"D:\\work\\asteroids", "\xDC" "asteroi"},
      {"game", padded("\xDCgame")},
      {"D:\\work\\", padded("\xDC")},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(nameField("tern", c.basePath, ".82p", 60), c.field) << c.basePath;
  }
}

// The TI-85 stores a name's characters and nothing more: the entry header's
// length word and the data-section length grow with the name.
TEST_F(WriterNames, StintStoresTheNameUnpadded) {
  const struct {
    std::string basePath;
    std::string name;
  } cases[] = {{"D:\\work\\game", "game"}, {"D:\\work\\blackjack2", "blackjac"}, {"D:\\work\\", ""}};
  const std::vector<std::uint8_t> image{0xC9};
  for (const auto& c : cases) {
    ASSERT_EQ(WriterPlugin("stint").save(image, c.basePath), 1) << c.basePath;
    const std::vector<std::uint8_t> file = plugintest::readBytes(c.basePath + ".85s");
    // 7 bytes of variable data: length word, shell mark, title length, C9, sum.
    ASSERT_EQ(file.size(), 53 + 2 + 8 + c.name.size() + 7 + 2) << c.basePath;
    EXPECT_EQ(file[53] | file[54] << 8, 8 + c.name.size() + 7) << c.basePath;
    EXPECT_EQ(file[55] | file[56] << 8, 4 + c.name.size()) << c.basePath;
    EXPECT_EQ(file[60], c.name.size()) << c.basePath;
    EXPECT_EQ(std::string(file.begin() + 61, file.begin() + 61 + static_cast<long>(c.name.size())), c.name);
  }
}

// A name the calculator will not run the program by is told on standard error, one
// line per problem, naming the file; the file is written all the same.
TEST_F(WriterNames, EveryWriterWarnsAboutANameStartingWithADigit) {
  const std::vector<std::uint8_t> image{0xC9};
  for (const WriterExtension& writer : SHIPPED_WRITERS) {
    const WriterPlugin plugin{std::string(writer.plugin)};
    const std::string file = "2048" + std::string(writer.extension);
    testing::internal::CaptureStderr();
    EXPECT_EQ(plugin.save(image, "2048"), 1) << writer.plugin;
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Warning: " + file + ": the calculator name \"2048\" starts with a digit\n")
        << writer.plugin;
    EXPECT_TRUE(std::filesystem::exists(file)) << writer.plugin;

    testing::internal::CaptureStderr();
    EXPECT_EQ(plugin.save(image, "game"), 1) << writer.plugin;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << writer.plugin;
  }
}

TEST_F(WriterNames, ACutNameIsToldAsTheCalculatorStoresIt) {
  struct CutCase {
    std::string plugin;
    std::string warning;
  };
  const CutCase cases[] = {
      {"curlew", "Warning: countdowntimer.86p: the calculator name is \"countdow\", cut from \"countdowntimer\" to 8 characters\n"},
      {"plover", "Warning: countdowntimer.8xp: the calculator name is \"COUNTDOW\", cut from \"COUNTDOWNTIMER\" to 8 characters\n"},
      {"tern", "Warning: countdowntimer.82p: the calculator name is \"countdo\", cut from \"countdowntimer\" to 7 characters\n"},
      {"ferra", "Warning: countdowntimer.86P: the calculator name is \"countdow\", cut from \"countdowntimer\" to 8 characters\n"},
  };
  const std::vector<std::uint8_t> image{0xC9};
  for (const CutCase& c : cases) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(WriterPlugin(c.plugin).save(image, "countdowntimer"), 1) << c.plugin;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.warning);
  }
}

// Name bytes of 0x80 and above count with their unsigned value.
TEST_F(WriterNames, HighNameBytesCountUnsignedInTheChecksum) {
  const std::vector<std::uint8_t> image{0xC9};
  ASSERT_EQ(WriterPlugin("curlew").save(image, "\xE9"), 1);
  const std::vector<std::uint8_t> file = plugintest::readBytes("\xE9.86p");
  ASSERT_EQ(file.size(), 78u);
  // 12 + 5 + 0x12 + 1 + 0xE9 + 5 + 3 + 0x8E + 0x28 + 0xC9
  EXPECT_EQ(file[76] | file[77] << 8, 0x0294);
}

}  // namespace
