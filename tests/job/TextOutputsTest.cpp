#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/support/TestJob.h"

namespace {

namespace fs = std::filesystem;

// A symbol-file job with a capturing console and symbols entered by hand.
class TestSymbolFileJob : public SymbolFileJob {
public:
  TestSymbolFileJob() : SymbolFileJob(3, nullptr) {
    auto capturing = std::make_unique<CapturingConsole>();
    capture_ = capturing.get();
    console = std::move(capturing);
    exportSymbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  }
  const std::string& consoleText() const { return capture_->text(); }

private:
  CapturingConsole* capture_;
};

class TestHexListingJob : public HexListingJob {
public:
  TestHexListingJob() : HexListingJob(3, nullptr) {
    auto capturing = std::make_unique<CapturingConsole>();
    capture_ = capturing.get();
    console = std::move(capturing);
  }
  const std::string& consoleText() const { return capture_->text(); }

private:
  CapturingConsole* capture_;
};

TEST(SymbolFile, WritesOneAssignmentPerName) {
  TempDir dir;
  TestSymbolFileJob job;
  job.exportSymbols->set("LEN", Symbol{SYM_EQUATE, 10});
  job.writeOutput((dir.path() / "prog.asm").string());
  EXPECT_EQ(readText(dir.path() / "prog.inc"), "LEN = $000a\n");
  EXPECT_EQ(job.status, STATUS_OK);
}

// The map's own order, every spelling apart, labels and equates alike.
TEST(SymbolFile, FollowsTheOrderOfTheMap) {
  TempDir dir;
  TestSymbolFileJob job;
  job.exportSymbols->set("Start", Symbol{SYM_LABEL, 0x9D95});
  job.exportSymbols->set("START", Symbol{SYM_LABEL, 0xFFFF});
  job.exportSymbols->set("m@loop", Symbol{SYM_LABEL, 0});
  std::string expected;
  job.exportSymbols->forEach([&](std::string_view name, const Symbol& symbol) {
    char value[8];
    std::snprintf(value, sizeof value, "%04x", static_cast<unsigned>(symbol.value));
    expected += std::string(name) + " = $" + value + "\n";
  });
  job.writeOutput((dir.path() / "prog.asm").string());
  const std::string text = readText(dir.path() / "prog.inc");
  EXPECT_EQ(text, expected);
  EXPECT_NE(text.find("Start = $9d95\n"), std::string::npos);
  EXPECT_NE(text.find("START = $ffff\n"), std::string::npos);
  EXPECT_NE(text.find("m@loop = $0000\n"), std::string::npos);
}

TEST(SymbolFile, OfNoSymbolsIsEmpty) {
  TempDir dir;
  TestSymbolFileJob job;
  job.writeOutput((dir.path() / "prog.asm").string());
  ASSERT_TRUE(fs::exists(dir.path() / "prog.inc"));
  EXPECT_EQ(readText(dir.path() / "prog.inc"), "");
}

struct NameCase {
  std::string source;
  std::string output;
};

class TextOutputNames : public testing::TestWithParam<NameCase> {};

// Only a dot in the file name itself starts an extension.
TEST_P(TextOutputNames, ReplaceTheLastExtensionOfTheFileName) {
  TempDir dir;
  fs::create_directories(dir.path() / "rel.2");
  TestSymbolFileJob symbolJob;
  symbolJob.writeOutput((dir.path() / GetParam().source).string());
  EXPECT_TRUE(fs::exists(dir.path() / (GetParam().output + ".inc")));
  TestHexListingJob listingJob;
  OutputImage image;
  listingJob.writeOutput((dir.path() / GetParam().source).string(), image);
  EXPECT_TRUE(fs::exists(dir.path() / (GetParam().output + ".txt")));
}

INSTANTIATE_TEST_SUITE_P(Table, TextOutputNames,
                         testing::Values(NameCase{"prog.asm", "prog"}, NameCase{"prog", "prog"},
                                         NameCase{"prog.old.asm", "prog.old"}, NameCase{"rel.2/prog", "rel.2/prog"},
                                         NameCase{"rel.2/prog.z80", "rel.2/prog"}));

std::string listingIn(const TempDir& dir, std::vector<std::uint8_t> bytes, std::int32_t codeBytes,
                      std::int32_t dataBytes) {
  TestHexListingJob job;
  job.codeBytes = codeBytes;
  job.dataBytes = dataBytes;
  OutputImage image;
  image.write(bytes);
  image.seek(0);
  job.writeOutput((dir.path() / "prog.asm").string(), image);
  EXPECT_EQ(job.status, STATUS_OK);
  return readText(dir.path() / "prog.txt");
}

std::string listingOf(std::vector<std::uint8_t> bytes, std::int32_t codeBytes, std::int32_t dataBytes) {
  TempDir dir;
  return listingIn(dir, std::move(bytes), codeBytes, dataBytes);
}

TEST(HexListing, PutsFourBytesOnALine) {
  EXPECT_EQ(listingOf({1, 2, 3, 4, 5, 6, 7, 8, 9}, 5, 4),
            "prog.txt - Hex Listing\n9 bytes total\n\n01 02 03 04 \n05 06 07 08 \n09 ");
}

TEST(HexListing, EndsWithoutALineEndAfterTheLastByte) {
  EXPECT_EQ(listingOf({0xAB, 0xCD, 0xEF, 0x10}, 4, 0), "prog.txt - Hex Listing\n4 bytes total\n\nAB CD EF 10 ");
  EXPECT_EQ(listingOf({}, 0, 0), "prog.txt - Hex Listing\n0 bytes total\n\n");
}

// Each count ends its last line at another place; together the bytes take every value.
TEST(HexListing, ListsEveryByteValueWhereverTheLastLineEnds) {
  for (const std::size_t count : {1, 2, 3, 5, 6, 7, 255, 256}) {
    SCOPED_TRACE(count);
    std::vector<std::uint8_t> bytes;
    std::string expected = "prog.txt - Hex Listing\n" + std::to_string(count) + " bytes total\n\n";
    for (std::size_t i = 0; i < count; ++i) {
      const auto byte = static_cast<std::uint8_t>(255 - i);
      bytes.push_back(byte);
      char digits[8];
      std::snprintf(digits, sizeof digits, "%s%02X ", i > 0 && i % 4 == 0 ? "\n" : "", unsigned{byte});
      expected += digits;
    }
    EXPECT_EQ(listingOf(bytes, static_cast<std::int32_t>(count), 0), expected);
  }
}

// The count is what pass 1 sized, whatever the image holds.
TEST(HexListing, CountsWhatPassOneCounted) {
  EXPECT_EQ(listingOf({0xC9}, 2, 3), "prog.txt - Hex Listing\n5 bytes total\n\nC9 ");
}

TEST(HexListing, StartsAtTheImagePosition) {
  TempDir dir;
  TestHexListingJob job;
  OutputImage image;
  image.write(std::vector<std::uint8_t>{1, 2, 3});
  image.seek(1);
  job.writeOutput((dir.path() / "prog.asm").string(), image);
  EXPECT_EQ(readText(dir.path() / "prog.txt"), "prog.txt - Hex Listing\n0 bytes total\n\n02 03 ");
}

// No counted diagnostic: the summary still shows the counts of the source's own.
TEST(TextOutputs, ThatCannotBeCreatedFailTheJob) {
  TempDir dir;
  const std::string source = (dir.path() / "missing" / "prog.asm").string();
  TestSymbolFileJob symbolJob;
  symbolJob.writeOutput(source);
  EXPECT_EQ(symbolJob.consoleText(), "Cannot create file " + (dir.path() / "missing" / "prog.inc").string() + "\n");
  EXPECT_EQ(symbolJob.status, STATUS_ERRORS);
  EXPECT_EQ(symbolJob.errorCount, 0);

  TestHexListingJob listingJob;
  OutputImage image;
  listingJob.writeOutput(source, image);
  EXPECT_EQ(listingJob.consoleText(), "Cannot create file " + (dir.path() / "missing" / "prog.txt").string() + "\n");
  EXPECT_EQ(listingJob.status, STATUS_ERRORS);
  EXPECT_EQ(listingJob.errorCount, 0);
}

TEST(TextOutputs, ReplaceAnEarlierFile) {
  TempDir dir;
  dir.write("prog.txt", std::string(5000, 'x'));
  EXPECT_EQ(listingIn(dir, {7}, 1, 0), "prog.txt - Hex Listing\n1 bytes total\n\n07 ");
}

}  // namespace
