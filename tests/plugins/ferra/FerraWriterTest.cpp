// ferra's .86P files: the worked example byte for byte, where the stub goes for
// each kind of leading jump, and what the file holds for the calculator to run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "plugins/common/FerraDecoder.h"
#include "tests/plugins/common/FerraStreamSamples.h"
#include "tests/plugins/ferra/CompressedProgramFiles.h"

namespace {

using ferratest::Bytes;
using ferratest::imageStarting;
using ferratest::LOAD_ADDRESS;
using ferratest::wordAt;
using plugintest::hexBytes;

constexpr std::size_t STUB_SIZE = 67;
constexpr std::string_view DESCRIPTION = "Ferra II compressed program (.86p) file";
constexpr std::string_view STUB_LOOP =
    "7E 23 37 8F 06 87 28 F8 38 04 ED A0 18 F7 47 0E 1F 7E B9 C8 C5 23 46 23 E5 68 47 B1 07 07 07 67 78 A1 C6 03"
    "4F 06 00 19 ED B0 E1 F1 18 D7";

TEST(Ferra, WritesTheWorkedExampleByteForByte) {
  const auto saved = ferratest::saveProgram("ferra", hexBytes("00 C3 4C D7 41 42 43 41 42 43"));
  EXPECT_EQ(saved.result, 1);
  EXPECT_EQ(saved.extension, ".86P");
  const std::string section = std::string("0C 00 52 00 12 04 64 65 6D 6F 00 00 00 00 52 00 50 00 8E 28") +
                              "00 C3 4C D7" +  // the prefix
                              "21 61 D7 11 00 90 01 35 00 ED B0 21 2E 90 11 4C D7 D5 C3 00 90" +
                              std::string(STUB_LOOP) + "18 41 42 43 E0 FD 1F";
  EXPECT_EQ(saved.file.size(), 155u);
  EXPECT_EQ(saved.file, ferratest::fileAround(section, 0x2358));
}

TEST(Ferra, WritesTheEmptyImageAsAStubAndAnEndMarker) {
  const auto saved = ferratest::saveProgram("ferra", {});
  ASSERT_EQ(saved.file.size(), 146u);
  EXPECT_EQ(wordAt(saved.file, 53), 89u);
  const Bytes body = ferratest::programBody(saved.file);
  EXPECT_EQ(Bytes(body.begin(), body.begin() + 21),
            hexBytes("21 5D D7 11 00 90 01 30 00 ED B0 21 2E 90 11 48 D7 D5 C3 00 90"));
  EXPECT_EQ(Bytes(body.end() - 2, body.end()), hexBytes("80 1F"));
}

// Checks the body of a file for `image`: the first `prefix` image bytes kept, the
// stub at LOAD_ADDRESS + prefix pointing at itself and at its stream, and the
// stream unpacking to the rest of the image.
void expectProgramWithPrefix(const Bytes& image, std::size_t prefix, const std::string& name) {
  SCOPED_TRACE(name);
  const auto saved = ferratest::saveProgram("ferra", image);
  ASSERT_EQ(saved.result, 1);
  const Bytes body = ferratest::programBody(saved.file);
  ASSERT_GE(body.size(), prefix + STUB_SIZE);
  EXPECT_EQ(Bytes(body.begin(), body.begin() + static_cast<long>(prefix)),
            Bytes(image.begin(), image.begin() + static_cast<long>(prefix)));

  const std::span<const std::uint8_t> stub = std::span(body).subspan(prefix, STUB_SIZE);
  const std::span<const std::uint8_t> stream = std::span(body).subspan(prefix + STUB_SIZE);
  const std::uint32_t entry = LOAD_ADDRESS + static_cast<std::uint32_t>(prefix);
  EXPECT_EQ(wordAt(stub, 1), (entry + 21) & 0xFFFF);
  EXPECT_EQ(wordAt(stub, 7), stream.size() + 46);
  EXPECT_EQ(wordAt(stub, 15), entry);
  EXPECT_EQ(Bytes(stub.begin() + 21, stub.end()), hexBytes(STUB_LOOP));

  const auto decoded = ferra::decodeFerraStream(stream);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->streamLength, stream.size());
  EXPECT_EQ(decoded->bytes, Bytes(image.begin() + static_cast<long>(prefix), image.end()));
}


TEST(Ferra, PlacesTheStubWhereTheLeadingJumpLands) {
  const struct {
    std::string name;
    Bytes image;
    std::size_t prefix;
  } cases[] = {
      {"no-op and jump past itself", imageStarting("00 C3 4C D7"), 4},
      {"no-op and jump further on", imageStarting("00 C3 50 D7"), 8},
      {"absolute jump past itself", imageStarting("C3 4B D7"), 3},
      {"relative jump", imageStarting("18 05", 7), 7},
      {"longest relative jump", imageStarting("18 7F", 129), 129},
      {"jump to the end of the image", hexBytes("00 C3 4C D7"), 4},
      {"jump to the load address", imageStarting("00 C3 48 D7"), 0},
      {"absolute jump to the load address", imageStarting("C3 48 D7"), 0},
      {"image too short for a jump", hexBytes("C3 4B D7"), 0},
      {"no jump", imageStarting("3E 01 C9"), 0},
      {"no-op without a jump", imageStarting("00 00 C3 4C D7"), 0},
      // A stub there would overwrite the jump that is to reach it.
      {"no-op and jump into the no-op's jump (1)", imageStarting("00 C3 49 D7"), 0},
      {"no-op and jump into the no-op's jump (2)", imageStarting("00 C3 4A D7"), 0},
      {"no-op and jump into the no-op's jump (3)", imageStarting("00 C3 4B D7"), 0},
      {"absolute jump into itself (1)", imageStarting("C3 49 D7"), 0},
      {"absolute jump into itself (2)", imageStarting("C3 4A D7"), 0},
      // The Z80 reads the offset as signed: these go backward, out of the program.
      {"relative jump backward", imageStarting("18 80", 200), 0},
      {"relative jump to itself", imageStarting("18 FE", 300), 0},
      // Targets outside the image have no image bytes to stand for.
      {"jump below the load address", imageStarting("00 C3 00 C0"), 0},
      {"absolute jump just below the load address", imageStarting("C3 47 D7"), 0},
      {"jump beyond the end of the image", imageStarting("00 C3 59 D7"), 0},
      {"relative jump beyond the end", imageStarting("18 7F", 128), 0},
  };
  for (const auto& c : cases) {
    expectProgramWithPrefix(c.image, c.prefix, c.name);
  }
}

TEST(Ferra, CompressesImagesOfEveryKindAndSize) {
  for (const std::size_t size : {1u, 2u, 3u, 4u, 100u, 5000u, 20000u}) {
    const std::string suffix = " of " + std::to_string(size) + " bytes";
    expectProgramWithPrefix(ferratest::randomBytes(size, 5), 0, "random" + suffix);
    expectProgramWithPrefix(ferratest::textLike(size, 5), 0, "text" + suffix);
    expectProgramWithPrefix(Bytes(size, 0x76), 0, "run" + suffix);
  }
}

TEST(Ferra, ProgramTooLargeForTheFileIsRefused) {
  plugintest::ScratchDirectory dir;
  const plugintest::WriterPlugin plugin("ferra");
  const Bytes earlier = hexBytes("C9");
  ASSERT_EQ(plugin.save(earlier, dir.file("big")), 1);
  const Bytes before = plugintest::readBytes(dir.file("big.86P"));

  testing::internal::CaptureStderr();
  EXPECT_EQ(plugin.save(ferratest::randomBytes(60000, 1), dir.file("big")), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            std::string(DESCRIPTION) + ": The program is too large for a TI-86 variable file.\n");
  EXPECT_EQ(plugintest::readBytes(dir.file("big.86P")), before);

  // Compressed, a larger image may fit.
  EXPECT_EQ(plugin.save(Bytes(100000, 0), dir.file("zeros")), 1);
}

TEST(Ferra, ReportsAnOutputFileItCannotCreate) {
  plugintest::ScratchDirectory dir;
  char extension[PLUGIN_EXTENSION_SIZE] = {'#', '#', '#', '#', '#'};
  testing::internal::CaptureStderr();
  EXPECT_EQ(plugintest::WriterPlugin("ferra").save(hexBytes("C9"), dir.file("missing/prog"), extension), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string(DESCRIPTION) + ": Unable to open output file.\n");
  EXPECT_EQ(std::string(extension), ".86P");
  EXPECT_TRUE(dir.entries().empty());
}

TEST(Ferra, AcceptsBasePathsOfAnyLength) {
  plugintest::ScratchDirectory dir;
  std::filesystem::path deep = dir.path();
  for (int level = 0; level < 4; ++level) {
    deep /= std::string(100, 'd');
  }
  std::filesystem::create_directories(deep);
  const std::string basePath = (deep / "game").string();
  ASSERT_GT(basePath.size(), 400u);
  EXPECT_EQ(plugintest::WriterPlugin("ferra").save(hexBytes("C9"), basePath), 1);
  EXPECT_TRUE(std::filesystem::exists(basePath + ".86P"));
}

TEST(Ferra, DescribesItself) {
  const plugintest::WriterPlugin plugin("ferra");
  EXPECT_EQ(std::string(plugin.description()), DESCRIPTION);
  testing::internal::CaptureStdout();
  EXPECT_EQ(plugin.about(), 1);
  const std::string shown = testing::internal::GetCapturedStdout();
  EXPECT_EQ(shown.substr(0, 35), "About ferra.dll\nFerra II compressed");
  EXPECT_NE(shown.find("program export\nVintrel plugin\n"), std::string::npos);
}

}  // namespace
