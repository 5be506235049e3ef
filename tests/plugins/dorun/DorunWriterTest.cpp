// dorun's .86P files: the worked example byte for byte, its one kind of leading
// jump, and a stream that unpacks to the rest of the image.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugins/common/FerraDecoder.h"
#include "tests/plugins/common/FerraStreamSamples.h"
#include "tests/plugins/ferra/CompressedProgramFiles.h"

namespace {

using ferratest::Bytes;
using ferratest::imageStarting;
using plugintest::hexBytes;

constexpr std::string_view DESCRIPTION = "Dorun's Personal Ferra II";

TEST(Dorun, WritesTheWorkedExampleByteForByte) {
  const auto saved = ferratest::saveProgram("dorun", hexBytes("00 C3 4C D7 41 42 43 41 42 43"));
  EXPECT_EQ(saved.result, 1);
  EXPECT_EQ(saved.extension, ".86P");
  EXPECT_EQ(saved.file.size(), 89u);
  EXPECT_EQ(saved.file, ferratest::fileAround("0C 00 10 00 12 04 64 65 6D 6F 00 00 00 00 10 00 0E 00 8E 28"
                                              "00 C3 4C D7 41 42 43 10 41 42 43 1F",
                                              0x064C));
}

TEST(Dorun, WritesTheEmptyImageAsAnEndMarker) {
  const auto saved = ferratest::saveProgram("dorun", {});
  ASSERT_EQ(saved.file.size(), 79u);
  EXPECT_EQ(ferratest::wordAt(saved.file, 71), 4u);
  EXPECT_EQ(ferratest::programBody(saved.file), hexBytes("80 1F"));
}


TEST(Dorun, KeepsTheJumpAndTheThreeBytesAtItsTarget) {
  const struct {
    std::string name;
    Bytes image;
    std::size_t prefix;
  } cases[] = {
      {"jump just past itself", imageStarting("00 C3 4C D7"), 7},
      {"jump into itself", imageStarting("00 C3 49 D7"), 4},
      {"jump to the load address", imageStarting("00 C3 48 D7"), 3},
      {"target three bytes below the load address", imageStarting("00 C3 45 D7"), 0},
      {"target one byte below the load address", imageStarting("00 C3 47 D7"), 2},
      {"target bytes end with the image", imageStarting("00 C3 55 D7"), 16},
      {"absolute jump alone", imageStarting("C3 4C D7"), 0},
      {"relative jump", imageStarting("18 05"), 0},
      {"image too short", hexBytes("00 C3 4C"), 0},
      // Kept bytes that would start before the image or run past its end: none kept.
      {"target far below the load address", imageStarting("00 C3 44 D7"), 0},
      {"target bytes run past the image", imageStarting("00 C3 56 D7"), 0},
      {"target far beyond the image", imageStarting("00 C3 FF FF"), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto saved = ferratest::saveProgram("dorun", c.image);
    ASSERT_EQ(saved.result, 1);
    const Bytes body = ferratest::programBody(saved.file);
    ASSERT_GE(body.size(), c.prefix);
    const auto prefixEnd = c.image.begin() + static_cast<long>(c.prefix);
    EXPECT_EQ(Bytes(body.begin(), body.begin() + static_cast<long>(c.prefix)), Bytes(c.image.begin(), prefixEnd));
    const auto decoded = ferra::decodeFerraStream(std::span(body).subspan(c.prefix));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->streamLength, body.size() - c.prefix);
    EXPECT_EQ(decoded->bytes, Bytes(prefixEnd, c.image.end()));
  }
}

TEST(Dorun, ReportsFailuresUnderItsOwnName) {
  plugintest::ScratchDirectory dir;
  const plugintest::WriterPlugin plugin("dorun");
  char extension[PLUGIN_EXTENSION_SIZE] = {'#', '#', '#', '#', '#'};
  testing::internal::CaptureStderr();
  EXPECT_EQ(plugin.save(hexBytes("C9"), dir.file("missing/prog"), extension), 0);
  EXPECT_EQ(plugin.save(ferratest::randomBytes(65000, 3), dir.file("big")), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            std::string(DESCRIPTION) + ": Unable to open output file.\n" + std::string(DESCRIPTION) +
                ": The program is too large for a TI-86 variable file.\n");
  EXPECT_EQ(std::string(extension), ".86P");
  EXPECT_TRUE(dir.entries().empty());
}

TEST(Dorun, DescribesItselfAndSharesFerrasAboutBox) {
  const plugintest::WriterPlugin dorun("dorun");
  EXPECT_EQ(std::string(dorun.description()), DESCRIPTION);
  testing::internal::CaptureStdout();
  EXPECT_EQ(dorun.about(), 1);
  const std::string shown = testing::internal::GetCapturedStdout();
  testing::internal::CaptureStdout();
  plugintest::WriterPlugin("ferra").about();
  EXPECT_EQ(shown, testing::internal::GetCapturedStdout());
}

}  // namespace
