#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "tests/e2e/DirectiveRun.h"

namespace {

std::vector<std::uint8_t> fileBytes(std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<std::uint8_t>(i * 13 + 1);
  }
  return bytes;
}

std::string hexOf(const std::vector<std::uint8_t>& bytes) {
  static constexpr char DIGITS[] = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t byte : bytes) {
    text += DIGITS[byte >> 4];
    text += DIGITS[byte & 0x0F];
    text += ' ';
  }
  if (!text.empty()) {
    text.pop_back();
  }
  return text;
}

struct DataLine {
  std::string line;
  std::vector<std::uint8_t> bytes;
  bool checksum = false;  // the byte is the sum of everything before it
};

// After every data line a label is followed by ".dw label, $": the first word is
// the address pass 1 gave the label, the second the location counter pass 2 has
// at that word; they must equal the number of bytes the image holds before them.
TEST(DirectiveAgreement, LabelsAfterDataLinesMatchTheImage) {
  TempDir dir;
  const std::vector<std::uint8_t> data = fileBytes(300);
  dir.writeBytes("data.bin", data);
  const std::vector<DataLine> lines{
      {" .db \"a\\\"b\\\\c\", 1, '\\''", {0x61, 0x22, 0x62, 0x5C, 0x63, 0x01, 0x27}},
      {" .byte \"x\\0\"", {0x78, 0x00}},
      {" .db \"ab\" , 'c', 5 * 2", {0x61, 0x62, 0x63, 0x0A}},
      {" .db 1,", {0x01}},
      {" .db \"\"", {}},
      {" .dw 1234h, -2", {0x34, 0x12, 0xFE, 0xFF}},
      {" .word 0", {0x00, 0x00}},
      {" .text \"t\\ta,b\"", {0x74, 0x74, 0x61, 0x2C, 0x62, 0x00}},
      {" .text \"\"", {0x00}},
      {" .pad $+3", {0x00, 0x00, 0x00}},
      {" .incbin data.bin", data},
      {" .chk 0", {}, true},
      {" nop", {0x00}},
      {" jr $", {0x18, 0xFE}},
  };
  std::string source;
  std::vector<std::uint8_t> expected;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string label = "L" + std::to_string(i);
    source += lines[i].line + "\n" + label + ": .dw " + label + ", $\n";
    if (lines[i].checksum) {
      expected.push_back(static_cast<std::uint8_t>(std::accumulate(expected.begin(), expected.end(), 0U)));
    }
    expected.insert(expected.end(), lines[i].bytes.begin(), lines[i].bytes.end());
    const auto offset = static_cast<std::uint16_t>(expected.size());
    for (const std::uint16_t word : {offset, static_cast<std::uint16_t>(offset + 2)}) {
      expected.push_back(static_cast<std::uint8_t>(word));
      expected.push_back(static_cast<std::uint8_t>(word >> 8));
    }
  }
  const AssembledSource result = assembleHex(dir, source);
  EXPECT_EQ(result.diagnostics, "");
  EXPECT_EQ(result.bytes, hexOf(expected));
}

TEST(DirectiveAgreement, RelativeJumpsAfterAnIncbin) {
  TempDir dir;
  const std::vector<std::uint8_t> data = fileBytes(300);
  dir.writeBytes("data.bin", data);
  const AssembledSource result =
      assembleHex(dir, " .incbin data.bin\nhere: jr here\n jr here\n jr next\nnext: .dw here, next\n");
  EXPECT_EQ(result.diagnostics, "");
  EXPECT_EQ(result.bytes, hexOf(data) + " 18 FE 18 FC 18 00 2C 01 32 01");
  EXPECT_NE(result.run.out.find("Assembly complete - 0 error(s)"), std::string::npos);
  EXPECT_NE(readText(dir.path() / "prog.txt").find("310 bytes total\n"), std::string::npos);
}

// The name is taken from the source's directory, whatever directory quarn runs
// in, and may be written with quotes and backslashes.
TEST(DirectiveAgreement, IncbinNamesAreRelativeToTheSource) {
  TempDir dir;
  dir.writeBytes("src/sub/data.bin", {0xAB, 0xCD});
  dir.write("src/prog.asm", " .incbin \"sub\\data.bin\"\n .incbin  sub/data.bin \n");
  const QuarnRun run = runQuarn({"-h", "src/prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 0) << run.out;
  EXPECT_EQ(readText(dir.path() / "src/prog.txt"), "prog.txt - Hex Listing\n4 bytes total\n\nAB CD AB CD ");
}

TEST(DirectiveAgreement, MissingIncbinFileNamesTheOperand) {
  TempDir dir;
  const AssembledSource result = assembleHex(dir, " .incbin \"gone.bin\"\n nop\n .incbin\n");
  EXPECT_EQ(result.diagnostics,
            "Error #101 in prog.asm, line 1: Cannot find file \"gone.bin\"\n"
            "Error #111 in prog.asm, line 3: Filename expected\n");
}

}  // namespace
