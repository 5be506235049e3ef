#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/DirectiveHarness.h"

namespace {

struct DataCase {
  std::vector<std::string> lines;
  std::string bytes;  // what pass 2 writes, in hexadecimal
  std::vector<int> codes;
};

class DataDirective : public testing::TestWithParam<DataCase> {};

// Every case also checks that pass 1 counted exactly what pass 2 wrote.
TEST_P(DataDirective, WritesWhatPassOneCounted) {
  const DataCase& c = GetParam();
  DirectiveHarness run(c.lines);
  run.assembleAll();
  EXPECT_EQ(hexBytes(run.bytes()), c.bytes);
  EXPECT_EQ(run.diagnosticCodes(), c.codes) << run.job.consoleText();
  EXPECT_EQ(run.pcAfterPassOne, run.job.pc);
  EXPECT_EQ(static_cast<std::size_t>(run.job.dataBytes), run.image.length());
}

std::string longSum(std::size_t terms) {
  std::string text = "1";
  for (std::size_t i = 1; i < terms; ++i) {
    text += "+1";
  }
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DataDirective,
    testing::Values(DataCase{{" .db \"abc\",0,\"\\0x\""}, "61 62 63 00 00 78", {}},
                    DataCase{{" .BYTE 1, 2 ,3"}, "01 02 03", {}},
                    DataCase{{" .db 1,"}, "01", {}},
                    DataCase{{" .db \"ab\" , 1"}, "61 62 01", {}},
                    DataCase{{" .db \"\""}, "", {}},
                    DataCase{{" .db \"a\\\"b\",\"\\\\\",\"\\n\""}, "61 22 62 5C 6E", {}},
                    DataCase{{" .db $, $, $"}, "00 01 02", {}},
                    DataCase{{" .db 300, -1, 65535"}, "2C FF FF", {406}},
                    DataCase{{" .db 1,,2"}, "01 00 02", {204}},
                    DataCase{{" .db"}, "", {200}},
                    // A backslash at the line end escapes nothing: the string is unclosed.
                    DataCase{{" .db \"ab\\"}, "61 62", {203}},
                    DataCase{{" .db \"ab", " .db 7"}, "61 62 07", {203}}));

INSTANTIATE_TEST_SUITE_P(
    Fills, DataDirective,
    testing::Values(DataCase{{" .fill 3"}, "00 00 00", {}},
                    DataCase{{" .FILL 2, 'A'", " .db $"}, "41 41 02", {}},
                    DataCase{{" .fill 2,300"}, "2C 2C", {406}},
                    DataCase{{" .fill 0,1"}, "", {}},
                    DataCase{{" .block 1+2", " .db $"}, "00 00 00 03", {}},
                    DataCase{{" .fill -1, 5", " .db 9"}, "09", {316}},
                    DataCase{{" .block 65536"}, "", {316}},
                    DataCase{{" .fill"}, "", {200}}));

INSTANTIATE_TEST_SUITE_P(
    Words, DataDirective,
    testing::Values(DataCase{{" .dw 1234h, 0"}, "34 12 00 00", {}},
                    DataCase{{" .WORD $, $"}, "00 00 02 00", {}},
                    DataCase{{" .dw -1"}, "FF FF", {}},
                    DataCase{{" .dw 65536"}, "00 00", {405}},
                    DataCase{{" .dw"}, "", {200}}));

INSTANTIATE_TEST_SUITE_P(
    Text, DataDirective,
    testing::Values(DataCase{{" .text \"Hi\""}, "48 69 00", {}},
                    DataCase{{" .TEXT   \"a,b\\\"\" junk"}, "61 2C 62 22 00", {}},
                    DataCase{{" .text \"\""}, "00", {}},
                    DataCase{{" .text \"ab\\"}, "61 62 00", {203}},
                    DataCase{{" .text \"ab"}, "61 62 00", {203}},
                    DataCase{{" .text Hi"}, "", {205}},
                    DataCase{{" .text"}, "", {205}}));

// A cut item's remainder is not read as a further item: the list below holds two.
INSTANTIATE_TEST_SUITE_P(
    LongItems, DataDirective,
    testing::Values(DataCase{{" .db " + longSum(63) + ",7"}, "3F 07", {}},  // 125 characters
                    DataCase{{" .db " + longSum(63) + " ,7"}, "3F 07", {}},  // 126
                    DataCase{{" .db " + longSum(64) + ",7"}, "40 07", {210}},
                    DataCase{{" .db " + longSum(80) + ",7"}, "40 07", {210}},
                    DataCase{{" .dw " + longSum(80) + ",7"}, "40 00 07 00", {210}}));

TEST(DataDirectives, CharacterConstantHoldingACommaSplitsTheItem) {
  DirectiveHarness run({" .db ','"});
  run.assembleAll();
  EXPECT_EQ(run.pcAfterPassOne, 2);
  EXPECT_EQ(run.image.length(), 2U);
  EXPECT_FALSE(run.diagnosticCodes().empty());
}

TEST(DataDirectives, MarkOnlyLinesWithAnOperand) {
  DirectiveHarness run({" .db", " .db 1", " .dw", " .dw 1", " .text", " .text \"\"", " .text x"});
  run.passOne();
  const std::vector<bool> expected{false, true, false, true, false, true, true};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(run.marked(static_cast<int>(i)), expected[i]) << i;
  }
}

TEST(DataDirectives, LabelsAfterDataMatchTheImage) {
  DirectiveHarness run({" .db \"ab\\\"c\", 1, 2", "a: .dw 1, 2, 3", "b: .text \"x\\0y\"", "c: .db ','",
                        "d: .byte \"q\\", "e: .word", "f: .db 0"});
  run.assembleAll();
  for (const char* label : {"a", "b", "c", "d", "e", "f"}) {
    EXPECT_EQ(run.labelValue(label), run.imageOffsetAt(label)) << label;
  }
}

}  // namespace
