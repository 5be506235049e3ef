// Assembles every golden source with the built quarn and the shipped instruction
// table, and compares the hex listing byte for byte with the bytes that other
// assemblers (or the hand-written encodings) give for the same source.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/RunQuarn.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const fs::path GOLDEN_DIR = fs::path(QUARN_SOURCE_DIR) / "tests" / "data" / "golden";

// The golden sources: every .asm that has a .bin beside it.
std::vector<std::string> goldenSources() {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& item : fs::directory_iterator(GOLDEN_DIR, error)) {
    const fs::path& path = item.path();
    if (path.extension() == ".asm" && fs::exists(fs::path(path).replace_extension(".bin"))) {
      names.push_back(path.stem().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A hex listing: the title line, the count line, an empty line, then the bytes
// as two hexadecimal digits and a blank, four to a line.
struct HexListing {
  std::string title;
  long count = -1;
  std::vector<std::uint8_t> bytes;
  std::string problem;  // empty when the layout was as expected
};

HexListing parseHexListing(const std::string& text) {
  HexListing listing;
  std::istringstream in(text);
  std::string line;
  std::getline(in, listing.title);
  std::string countLine;
  std::getline(in, countLine);
  if (std::sscanf(countLine.c_str(), "%ld bytes total", &listing.count) != 1) {
    listing.problem = "no count line: " + countLine;
    return listing;
  }
  std::getline(in, line);
  if (!line.empty() && line != "\r") {
    listing.problem = "no empty line after the count line";
    return listing;
  }
  int lineNumber = 3;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (line.size() % 3 != 0 || line.empty() || line.size() > 12) {
      listing.problem = "line " + std::to_string(lineNumber) + " is not 1 to 4 bytes: \"" + line + "\"";
      return listing;
    }
    for (std::size_t i = 0; i < line.size(); i += 3) {
      unsigned value = 0;
      const std::string cell = line.substr(i, 3);
      if (cell[2] != ' ' || std::sscanf(cell.c_str(), "%2X", &value) != 1) {
        listing.problem = "line " + std::to_string(lineNumber) + " has a bad byte: \"" + cell + "\"";
        return listing;
      }
      listing.bytes.push_back(static_cast<std::uint8_t>(value));
    }
  }
  return listing;
}

class GoldenSource : public testing::TestWithParam<std::string> {};

TEST_P(GoldenSource, HexListingMatchesTheGoldenBytes) {
  const std::string name = GetParam();
  const std::vector<std::uint8_t> expected = readBytes(GOLDEN_DIR / (name + ".bin"));
  ASSERT_FALSE(expected.empty());

  TempDir dir;
  fs::copy_file(GOLDEN_DIR / (name + ".asm"), dir.path() / (name + ".asm"));
  const QuarnRun run = runQuarn({"-h", name + ".asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 0) << run.out << run.err;
  EXPECT_EQ(run.out.find("Error #"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Warning #"), std::string::npos) << run.out;

  const fs::path listingPath = dir.path() / (name + ".txt");
  ASSERT_TRUE(fs::exists(listingPath)) << "no hex listing; quarn said:\n" << run.out << run.err;
  const HexListing listing = parseHexListing(readText(listingPath));
  ASSERT_EQ(listing.problem, "");
  EXPECT_NE(listing.title.find(" - Hex Listing"), std::string::npos) << listing.title;
  EXPECT_EQ(listing.count, static_cast<long>(expected.size()));
  EXPECT_EQ(listing.bytes.size(), expected.size());

  // Name the first differences by offset, so a wrong table entry is easy to find
  // in the .hex file beside the source.
  int reported = 0;
  for (std::size_t i = 0; i < std::min(listing.bytes.size(), expected.size()) && reported < 10; ++i) {
    if (listing.bytes[i] != expected[i]) {
      ADD_FAILURE() << name << ": byte " << i << " (0x" << std::hex << i << ") is 0x" << int(listing.bytes[i])
                    << ", expected 0x" << int(expected[i]);
      ++reported;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenSource, testing::ValuesIn(goldenSources()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(GoldenData, EverySourceHasItsBytesAndTheReadableHexAgrees) {
  const std::vector<std::string> sources = goldenSources();
  ASSERT_GE(sources.size(), 2u) << "golden sources missing in " << GOLDEN_DIR;
  for (const std::string& name : sources) {
    const std::vector<std::uint8_t> bytes = readBytes(GOLDEN_DIR / (name + ".bin"));
    // The .hex companion has the listing's byte lines; give it a listing's head.
    const HexListing hex =
        parseHexListing("title\n" + std::to_string(bytes.size()) + " bytes total\n\n" +
                        readText(GOLDEN_DIR / (name + ".hex")));
    EXPECT_EQ(hex.problem, "") << name;
    EXPECT_EQ(hex.bytes, bytes) << name << ".hex does not agree with " << name << ".bin; run make-golden.sh";
  }
}

}  // namespace
