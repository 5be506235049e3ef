#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/DirectiveRun.h"

namespace {

struct ListingCase {
  std::string source;
  std::string bytes;        // empty when errors stop the listing
  std::string diagnostics;  // the numbered console lines
};

class DirectiveListing : public testing::TestWithParam<ListingCase> {};

TEST_P(DirectiveListing, Assembles) {
  TempDir dir;
  const AssembledSource result = assembleHex(dir, GetParam().source);
  EXPECT_EQ(result.bytes, GetParam().bytes) << result.run.out;
  EXPECT_EQ(result.diagnostics, GetParam().diagnostics);
}

std::string longSum(std::size_t terms) {
  std::string text = "1";
  for (std::size_t i = 1; i < terms; ++i) {
    text += "+1";
  }
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Data, DirectiveListing,
    testing::Values(ListingCase{" .db \"abc\",0,\"\\0x\"\n", "61 62 63 00 00 78", ""},
                    ListingCase{" .text \"Hi\"\nafter: .dw after, $\n", "48 69 00 03 00 05 00", ""},
                    ListingCase{" .db ','\n", "",
                                "Error #203 in prog.asm, line 1: End of line in quoted string\n"
                                "Error #203 in prog.asm, line 1: End of line in quoted string\n"},
                    ListingCase{" .db \"ab\\\n", "", "Error #203 in prog.asm, line 1: End of line in quoted string\n"},
                    ListingCase{" .text \"ab\\\n", "", "Error #203 in prog.asm, line 1: End of line in quoted string\n"},
                    ListingCase{" .text ab\n nop\n", "", "Error #205 in prog.asm, line 1: Quoted string expected\n"},
                    ListingCase{" .dw\n nop\n", "", "Error #200 in prog.asm, line 1: Value or expression expected\n"},
                    // What is cut off a long item is dropped, not read as another item.
                    ListingCase{" .db " + longSum(64) + "+)\n", "",
                                "Error #210 in prog.asm, line 1: Expression is too long\n"}));

INSTANTIATE_TEST_SUITE_P(
    Origin, DirectiveListing,
    testing::Values(ListingCase{" .org 10\n .pad 10\n .db 1\n", "01", ""},
                    ListingCase{" .org 10\n .pad 9\n .db 1\n", "", "Error #312 in prog.asm, line 2: Cannot pad backwards\n"},
                    ListingCase{" .org 200\n .db 1\n .org 100\nhere: .db 2\n .dw here\n", "01 02 64 00", ""},
                    ListingCase{"here: .org 50\nthere: nop\n .dw here, there\n", "00 00 00 32 00", ""},
                    ListingCase{" .org 10\nx .equ $\n .dw x, $\n", "0A 00 0C 00", ""},
                    ListingCase{" .org 9D95h\n .db 1,2,3\n .chk 9D95h\n", "01 02 03 06", ""},
                    ListingCase{" .org 9D95h\n .db 1,2,3\n .chk 9D94h\n", "",
                                "Error #310 in prog.asm, line 3: Illegal position value: 9D94h\n"},
                    ListingCase{" .db 9,9\n .org 200\n .db 1,2\n .chk 200\n", "09 09 01 02 03", ""},
                    // The target moves below the location counter between the passes.
                    ListingCase{"t = 5\n .db 1\n .pad t\n .db 2\nt = 0\n", "",
                                "Warning #302 in prog.asm, line 5: Duplicate label \"t\"\n"
                                "Error #312 in prog.asm, line 3: Cannot pad backwards\n"}));

INSTANTIATE_TEST_SUITE_P(
    Words, DirectiveListing,
    testing::Values(ListingCase{" .module m\n .module\n nop\n", "", "Error #314 in prog.asm, line 2: Module name expected\n"},
                    ListingCase{" .locallabelchar \"??\"\n nop\n", "",
                                "Error #315 in prog.asm, line 1: Local label char must be surrounded by \"\"\n"},
                    ListingCase{" .locallabelchar ?\n nop\n", "",
                                "Error #315 in prog.asm, line 1: Local label char must be surrounded by \"\"\n"},
                    ListingCase{" .equ 5\n", "",
                                "Error #300 in prog.asm, line 1: Unrecognized directive: \".equ\"\n"
                                "Error #4 in prog.asm, line 1: Output file is empty!\n"},
                    ListingCase{" EQU 5\n nop\n", "", "Error #400 in prog.asm, line 1: Unrecognized instruction: \"EQU\"\n"},
                    ListingCase{" .Foo\n nop\n", "", "Error #300 in prog.asm, line 1: Unrecognized directive: \".Foo\"\n"},
                    ListingCase{" .warning careful\n nop\n", "00", "Warning #3 in prog.asm, line 1: careful\n"},
                    ListingCase{" .error\n nop\n", "", "Error #2 in prog.asm, line 1: \n"},
                    ListingCase{" .plugin ; nothing\n nop\n", "", "Error #313 in prog.asm, line 1: Plugin name expected\n"}));

TEST(DirectiveListing, RejectedAddinstrPrintsTheParserLineFirst) {
  TempDir dir;
  const AssembledSource result = assembleHex(dir, " .addinstr xyz a 3E 2 NOP\n nop\n");
  EXPECT_NE(result.run.out.find("First pass...\nIncomplete entry in table file\n"
                                "Error #311 in prog.asm, line 1: Invalid .ADDINSTR directive\n"),
            std::string::npos)
      << result.run.out;
}

TEST(DirectiveListing, AddedInstructionServesTheLinesAfterIt) {
  TempDir dir;
  const AssembledSource result = assembleHex(dir, " .addinstr twice * 3E 2 NOP 1\n twice 7\n");
  EXPECT_EQ(result.bytes, "3E 07") << result.run.out;
}

TEST(DirectiveListing, MessageIsPrintedOnceEvenWhenTheAssemblyFails) {
  TempDir dir;
  const AssembledSource result = assembleHex(dir, " .message Hello there\n .error stop\n nop\n");
  EXPECT_EQ(result.run.out,
            "Assembling prog.asm\nFirst pass...\nHello there\n"
            "Error #2 in prog.asm, line 2: stop\nAssembly complete - 1 error(s), 0 warning(s)\n");
}

TEST(DirectiveListing, MessageComesBetweenThePasses) {
  TempDir dir;
  const AssembledSource result = assembleHex(dir, " nop\n .message\n .message done\n");
  EXPECT_EQ(result.run.out,
            "Assembling prog.asm\nFirst pass...\n\ndone\nSecond pass...\n"
            "Assembly complete - 0 error(s), 0 warning(s)\n" +
                wroteLine("prog.txt", dir.path() / "prog.txt"));
}

}  // namespace
