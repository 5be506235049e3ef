// quarn checks a writer's file against the run's inputs before calling it, by the
// extension it keeps for every shipped writer: each writer must write exactly that
// file, and every plug-in built must be listed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "job/WriterExtensions.h"
#include "tests/plugins/support/WriterPlugin.h"

namespace {

using plugintest::ScratchDirectory;
using plugintest::WriterPlugin;

TEST(WriterExtensions, EveryShippedWriterWritesTheListedFile) {
  for (const WriterExtension& writer : SHIPPED_WRITERS) {
    ScratchDirectory dir;
    char extension[PLUGIN_EXTENSION_SIZE] = {};
    const std::vector<std::uint8_t> image{0xC9};
    ASSERT_EQ(WriterPlugin(std::string(writer.plugin)).save(image, dir.file("prog"), extension), 1) << writer.plugin;
    EXPECT_EQ(std::string_view(extension), writer.extension) << writer.plugin;
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"prog" + std::string(writer.extension)}) << writer.plugin;
  }
}

TEST(WriterExtensions, EveryBuiltPluginIsListed) {
  for (const auto& item : std::filesystem::directory_iterator(QUARN_BIN_DIR)) {
    if (item.path().extension() != ".so") {
      continue;
    }
    const std::string name = item.path().stem().string();
    const bool listed = std::ranges::any_of(SHIPPED_WRITERS, [&](const WriterExtension& w) { return w.plugin == name; });
    EXPECT_TRUE(listed) << name << ".so is not in SHIPPED_WRITERS (job/WriterExtensions.h)";
  }
}

}  // namespace
