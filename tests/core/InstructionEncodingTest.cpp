#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/PassHarness.h"

namespace {

struct EncodingCase {
  std::vector<std::string> source;
  std::string bytes;  // what pass 2 writes, in hexadecimal
  std::vector<int> codes;
};

std::ostream& operator<<(std::ostream& out, const EncodingCase& c) {
  for (const std::string& line : c.source) {
    out << '[' << line << ']';
  }
  return out;
}

class Encoding : public testing::TestWithParam<EncodingCase> {};

TEST_P(Encoding, WritesTheBytesAndDiagnostics) {
  const EncodingCase& c = GetParam();
  PassHarness run(c.source);
  run.job.passOne();
  run.job.passTwo(run.image);
  EXPECT_EQ(run.hex(), c.bytes);
  EXPECT_EQ(run.codes(), c.codes) << run.job.consoleText();
  // Pass 2 must write exactly what pass 1 counted.
  EXPECT_EQ(static_cast<std::size_t>(run.job.codeBytes), run.image.length());
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, Encoding,
    testing::Values(EncodingCase{{" jr $+10h"}, "18 0E", {}},
                    EncodingCase{{" bit 3,a"}, "CB 5F", {}},
                    EncodingCase{{" ld (ix+5),10"}, "DD 36 05 0A", {}},
                    EncodingCase{{" bit 2,(ix+3)"}, "DD CB 03 56", {}},
                    EncodingCase{{" ld ix,1234h"}, "DD 21 34 12", {}},
                    EncodingCase{{" nop", " ret"}, "00 C9", {}},
                    EncodingCase{{"start: ld a,5"}, "3E 05", {}},
                    EncodingCase{{" nop", " jp $"}, "00 C3 01 00", {}},
                    EncodingCase{{" call later", " nop", "later: ret"}, "CD 04 00 00 C9", {}}));

// Only as many opcode bytes as the entry has are written, however wide its opcode
// or the bit number added to it.
INSTANTIATE_TEST_SUITE_P(
    WideOpcodes, Encoding,
    testing::Values(EncodingCase{{" .addinstr foo * 123456 3 nop 1", " foo 0"}, "56 34 00", {}},
                    EncodingCase{{" .addinstr bar *,* 40 2 zbit 1", " bar 1,5"}, "40 05", {}},
                    EncodingCase{{" .addinstr baz * 12345678 5 nop 1", " baz 0"}, "78 56 34 00 00", {}},
                    EncodingCase{{" .addinstr qux * 12345678 6 nop 1", " qux 0abcdh"}, "78 56 34 12 CD AB", {}}));

INSTANTIATE_TEST_SUITE_P(
    RelativeJumps, Encoding,
    testing::Values(EncodingCase{{" jr $"}, "18 FE", {}},
                    EncodingCase{{" jr $+129"}, "18 7F", {}},
                    EncodingCase{{" .org 1000h", " jr $-126"}, "18 80", {}},
                    EncodingCase{{" jr $+130"}, "18 80", {403}},
                    EncodingCase{{" .org 1000h", " jr $-127"}, "18 7F", {403}},
                    EncodingCase{{"loop: nop", " djnz loop"}, "00 10 FD", {}},
                    // The distance is not taken modulo 65536: no wrapping round the top.
                    EncodingCase{{" jr 65535"}, "18 FD", {403}}));

INSTANTIATE_TEST_SUITE_P(
    BitNumbers, Encoding,
    testing::Values(EncodingCase{{" bit 0,a"}, "CB 47", {}},
                    EncodingCase{{" bit 7,a"}, "CB 7F", {}},
                    EncodingCase{{" bit 8,a"}, "CB 87", {404}},
                    EncodingCase{{" bit 0,(ix+3)"}, "DD CB 03 46", {}},
                    EncodingCase{{" bit 8,(ix+3)"}, "DD CB 03 86", {404}}));

INSTANTIATE_TEST_SUITE_P(
    TwoBytesInOneWord, Encoding,
    testing::Values(EncodingCase{{" ld (ix-128),255"}, "DD 36 80 FF", {}},
                    EncodingCase{{" ld (ix+5),300"}, "DD 36 05 2C", {406}},
                    EncodingCase{{" ld (ix+256),0"}, "DD 36 00 00", {408}},
                    EncodingCase{{" swap 1,2"}, "ED 02 01", {}},
                    EncodingCase{{" swap -128,127"}, "ED 7F 80", {}},
                    EncodingCase{{" swap 1,128"}, "ED 80 01", {406}}));

// Where a byte is expected, a value below -128 loses bits as one above 255 does.
INSTANTIATE_TEST_SUITE_P(
    ByteArguments, Encoding,
    testing::Values(EncodingCase{{" ld a,-128"}, "3E 80", {}},
                    EncodingCase{{" ld a,-200"}, "3E 38", {406}},
                    EncodingCase{{" ld a,65535"}, "3E FF", {}}));

INSTANTIATE_TEST_SUITE_P(
    Displacements, Encoding,
    testing::Values(EncodingCase{{" ld a,(ix)"}, "DD 7E 00", {}},
                    EncodingCase{{" ld a, ( ix + 5 )"}, "DD 7E 05", {}},
                    EncodingCase{{" ld a,(ix-1)"}, "DD 7E FF", {}},
                    EncodingCase{{" ld a,(ix+256)"}, "DD 7E 00", {408}},
                    EncodingCase{{" ld (ix),7"}, "DD 36 00 07", {}},
                    // An argument at the very start of the pattern gets no implicit 0.
                    EncodingCase{{" ld a,"}, "3E 00", {204}}));

// A displacement is one signed byte: outside -128..127 it is an error of its own,
// in every form that has one, and its low byte is still written.
INSTANTIATE_TEST_SUITE_P(
    DisplacementRange, Encoding,
    testing::Values(EncodingCase{{" ld a,(ix+127)"}, "DD 7E 7F", {}},
                    EncodingCase{{" ld a,(ix-128)"}, "DD 7E 80", {}},
                    EncodingCase{{" ld a,(ix+0)"}, "DD 7E 00", {}},
                    EncodingCase{{" ld a,(ix+128)"}, "DD 7E 80", {408}},
                    EncodingCase{{" ld a,(ix-129)"}, "DD 7E 7F", {408}},
                    EncodingCase{{" ld a,(ix+255)"}, "DD 7E FF", {408}},
                    EncodingCase{{" ld a,(ix+65535)"}, "DD 7E FF", {408}},
                    EncodingCase{{" ld a,(ix+70000)"}, "DD 7E 70", {408}},
                    EncodingCase{{" ld (ix+127),255"}, "DD 36 7F FF", {}},
                    EncodingCase{{" ld (ix-128),-128"}, "DD 36 80 80", {}},
                    EncodingCase{{" ld (ix+128),5"}, "DD 36 80 05", {408}},
                    EncodingCase{{" ld (ix-129),300"}, "DD 36 7F 2C", {408, 406}},
                    EncodingCase{{" bit 1,(ix-128)"}, "DD CB 80 4E", {}},
                    EncodingCase{{" bit 1,(ix+128)"}, "DD CB 80 4E", {408}},
                    EncodingCase{{" bit 1,(ix-129)"}, "DD CB 7F 4E", {408}},
                    // Forms added by the source follow the same rule.
                    EncodingCase{{" .addinstr ldy a,(iy*) 7efd 3 nop 1", " ldy a,(iy-5)"}, "FD 7E FB", {}},
                    EncodingCase{{" .addinstr ldy a,(iy*) 7efd 3 nop 1", " ldy a,(iy+200)"}, "FD 7E C8", {408}},
                    EncodingCase{{" .addinstr ldp a,(ix+*) 7edd 3 nop 1", " ldp a,(ix+130)"}, "DD 7E 82", {408}},
                    // Other parenthesised arguments are no displacements.
                    EncodingCase{{" .addinstr ldm a,(*) 3a 3 nop 1", " ldm a,(1234h)"}, "3A 34 12", {}},
                    EncodingCase{{" .addinstr ldh a,(ixh*) 7edd 3 nop 1", " ldh a,(ixh300)"}, "DD 7E 2C", {406}}));

INSTANTIATE_TEST_SUITE_P(
    QuotedDelimiters, Encoding,
    testing::Values(EncodingCase{{" out ',',a"}, "D3 2C", {}},
                    EncodingCase{{" ld (ix+')'),5"}, "DD 36 29 05", {}},
                    EncodingCase{{" ld (ix+'\\''),5"}, "DD 36 27 05", {}},
                    EncodingCase{{" ld a,'('"}, "3E 28", {}}));

// Parentheses nest inside an argument, a quoted parenthesis or comma stands for
// itself, and the plain pattern characters after the last argument are passed over.
INSTANTIATE_TEST_SUITE_P(
    NestedArguments, Encoding,
    testing::Values(EncodingCase{{" ld (ix+(2*3)),'('"}, "DD 36 06 28", {}},
                    EncodingCase{{" ld (ix+((1)+(2))),')'"}, "DD 36 03 29", {}},
                    EncodingCase{{" ld (ix + ')' ) , ')'"}, "DD 36 29 29", {}},
                    EncodingCase{{" ld a,(ix+(1))"}, "DD 7E 01", {}},
                    EncodingCase{{" bit 1,(ix + ( 2 ) )"}, "DD CB 02 4E", {}},
                    EncodingCase{{" ld a,'\\\\'"}, "3E 5C", {}},
                    EncodingCase{{" ld a,','"}, "3E 2C", {}},
                    EncodingCase{{" ld a,(1+(2))"}, "3E 03", {407}}));

// A quote in a pattern is a plain character like any other, also where it ends an
// argument: there it is found before it could open a character constant.
TEST(Encoding, QuotesInPatterns) {
  PassHarness run({" ex af,af'", " ldq 1'2", " ldq 3 ' 4"}, {"EX AF,AF' 08 1 NOP 1", "LDQ *'* 01 3 COMBINE 1"});
  run.assemble();
  EXPECT_EQ(run.hex(), "08 01 01 02 01 03 04");
  EXPECT_TRUE(run.codes().empty()) << run.job.consoleText();
}

INSTANTIATE_TEST_SUITE_P(
    ApparentIndirection, Encoding,
    testing::Values(EncodingCase{{" jp (1234h)"}, "C3 34 12", {407}},
                    EncodingCase{{" jp ((5))"}, "C3 05 00", {407}},
                    EncodingCase{{" jp (1)+(2)"}, "C3 03 00", {}},
                    EncodingCase{{" jp 2*(3+4)"}, "C3 0E 00", {}},
                    EncodingCase{{" jp '('"}, "C3 28 00", {}},
                    // A character constant and its quotes count for nothing.
                    EncodingCase{{" jp ('(')"}, "C3 28 00", {407}},
                    EncodingCase{{" jp ('\\'')"}, "C3 27 00", {407}},
                    EncodingCase{{" jp ')'+(1)"}, "C3 2A 00", {}}));

// "1" followed by `zeros` times "+0": its value is 1, and a cut after any odd
// number of characters still leaves a whole expression.
std::string oneAndZeros(std::size_t zeros) {
  std::string text = "1";
  for (std::size_t i = 0; i < zeros; ++i) {
    text += "+0";
  }
  return text;
}

// An argument is cut at 127 characters, and the rest of it is passed over: the
// next argument is still found where pass 1 found it. The displacement argument
// starts with "+ ", so its length is 3 + 2 * zeros.
INSTANTIATE_TEST_SUITE_P(
    LongArguments, Encoding,
    testing::Values(EncodingCase{{" jp " + oneAndZeros(63)}, "C3 01 00", {}},  // 127 characters
                    EncodingCase{{" jp " + oneAndZeros(64)}, "C3 01 00", {210}},
                    EncodingCase{{" ld (ix+ " + oneAndZeros(62) + "),7"}, "DD 36 01 07", {}},
                    EncodingCase{{" ld (ix+ " + oneAndZeros(63) + "),7"}, "DD 36 01 07", {210}},
                    EncodingCase{{" ld (ix+ " + oneAndZeros(100) + "),7"}, "DD 36 01 07", {210}}));

// A backslash that ends the text inside a character constant escapes nothing.
INSTANTIATE_TEST_SUITE_P(
    BackslashAtTheEnd, Encoding,
    testing::Values(EncodingCase{{" ld a,'\\"}, "3E 00", {203}},
                    EncodingCase{{" jp '\\"}, "C3 00 00", {203}}));

// Sole arguments with and without white space around them, in and out of
// parentheses, and one too long to take whole.
struct ArgumentCase {
  std::string line;
  std::string bytes;
  std::vector<int> codes;
};

TEST(Encoding, CutsSoleArgumentsWhereverTheyStand) {
  for (const ArgumentCase& c : std::vector<ArgumentCase>{
           {" nop", "00", {}},
           {" ld a,(hl)", "7E", {}},
           {" ld a,5", "3E 05", {}},
           {" ld a,300", "3E 2C", {406}},
           {" ld a, 300  ", "3E 2C", {406}},
           {" ld a,(ix+5)", "DD 7E 05", {}},
           {" ld a,(ix+256)", "DD 7E 00", {408}},
           {" ld a,( ix - 1 )", "DD 7E FF", {}},
           {" ld a,(ix)", "DD 7E 00", {}},
           {" ld (ix+5),300", "DD 36 05 2C", {406}},
           {" jr $+130", "18 80", {403}},
           {" jp (1234h)", "C3 34 12", {407}},
           {" jp ( 1234h )", "C3 34 12", {407}},
           {" bit 8,a", "CB 87", {404}},
           {" jp " + oneAndZeros(63), "C3 01 00", {}},
           {" jp " + oneAndZeros(64), "C3 01 00", {210}},
       }) {
    PassHarness run({c.line});
    run.assemble();
    EXPECT_EQ(run.hex(), c.bytes) << c.line;
    EXPECT_EQ(run.codes(), c.codes) << c.line << "\n" << run.job.consoleText();
  }
}

TEST(Encoding, IndirectionCheckFollowsTheProgramSettings) {
  PassHarness run({" jp (1234h)"});
  RunSettings settings;
  settings.optionFlags = OPT_CASE_INSENSITIVE;
  run.job.useSettings(settings);
  run.assemble();
  EXPECT_EQ(run.hex(), "C3 34 12");
  EXPECT_TRUE(run.codes().empty()) << run.job.consoleText();
}

TEST(Encoding, ApparentIndirectionNamesTheArgument) {
  PassHarness run({" jp (1234h)"});
  run.assemble();
  EXPECT_EQ(run.job.consoleText(),
            "First pass...\nSecond pass...\n"
            "Warning #407 in test.asm, line 1: Apparent illegal indirection: \"(1234h)\"\n");
}

TEST(Encoding, IllegalBitValueNamesTheNumber) {
  PassHarness run({" bit 9,a"});
  run.assemble();
  EXPECT_NE(run.job.consoleText().find("Error #404 in test.asm, line 1: Illegal bit value '9'\n"), std::string::npos);
}

// An .ORG moves the addresses, not the position in the image.
TEST(Encoding, OrgLeavesNoGapInTheImage) {
  PassHarness run({" nop", " .org 100h", "here: jp here"});
  run.assemble();
  EXPECT_EQ(run.hex(), "00 C3 00 01");
  EXPECT_EQ(run.job.pc, 0x103);
}

TEST(Encoding, LocalLabelsAreReadUnderTheSameModuleInBothPasses) {
  PassHarness run({" .module one", "@x: jr @x", " .module two", "@x: jr @x", " jp one@x"});
  run.assemble();
  EXPECT_EQ(run.hex(), "18 FE 18 FE C3 00 00");
  EXPECT_EQ(run.symbolValue("TWO@X"), 2);
}

}  // namespace
