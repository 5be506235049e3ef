// Sources written the way TI programmers write them: each case is a source, the
// bytes it must give and the diagnostics it must print.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/DirectiveRun.h"

namespace {

struct DialectCase {
  std::string source;
  std::string bytes;
  std::string diagnostics = {};  // the numbered lines of the console
};

void expectCases(std::initializer_list<DialectCase> cases) {
  for (const DialectCase& c : cases) {
    TempDir dir;
    const AssembledSource assembled = assembleHex(dir, c.source);
    EXPECT_EQ(assembled.bytes, c.bytes) << c.source;
    EXPECT_EQ(assembled.diagnostics, c.diagnostics) << c.source;
  }
}

TEST(Dialect, FillAndBlockWriteTheirBytesAndMoveTheAddress) {
  expectCases({
      {" .fill 2,$FF\nhere: .dw here\n .block 1\n .dw $\n", "FF FF 02 00 00 05 00"},
      {" .fill -2\n nop\n", "",
       "Error #316 in prog.asm, line 1: Illegal fill count: -2\n"},
  });
}

TEST(Dialect, StatementsAsTIProgrammersWriteThem) {
  expectCases({
      {"loop:djnz loop\ndone:ret\n", "10 FE C9"},
      {" cp 'C';compare\n cp ';' ; semicolon\n", "FE 43 FE 3B"},
      {"here: $\n nop\n", "00", "Warning #304 in prog.asm, line 1: Statement word \"$\" ignored\n"},
      {"  #define COUNT 3\n ld b,COUNT\n #nolist\n .nolist\n .list\n", "06 03"},
      {"#define M(r) push r\n#defcont \\ pop r\n M(hl)\n", "E5 E1"},
      {"#ifndef ONCE\n#define ONCE\n#else\n.end\n#endif\n ret\n", "C9"},
      {"#define equ .equ\n#define db .db\nsize equ 2\n db size\n .db size\n", "02 02"},
      {"#define .db .byte\n#define b_call(x) rst 28h \\ .dw x\n#define bcall(x) b_call(x)\n bcall(4540h)\n .db 1\n",
       "EF 40 45 01"},
  });
}

// .INCBIN looks beside the source, then in the Include folder there, then in
// quarn's own; names match files in any letter case.
TEST(Dialect, IncbinLooksInTheIncludeFolderBesideTheSource) {
  TempDir dir;
  dir.writeBytes("pic.bin", {1});
  dir.writeBytes("Include/pic.bin", {2});
  dir.writeBytes("Include/logo.bin", {3});
  const AssembledSource assembled = assembleHex(dir, " .incbin pic.bin\n .incbin logo.bin\n .incbin \"INCLUDE\\LOGO.BIN\"\n");
  EXPECT_EQ(assembled.bytes, "01 03 03");
  EXPECT_EQ(assembled.diagnostics, "");
  dir.writeBytes("Logo.bin", {4});
  dir.writeBytes("LOGO.bin", {5});
  EXPECT_EQ(assembleHex(dir, " .incbin logo.BIN\n nop\n").diagnostics,
            "Error #104 in prog.asm, line 1: Several files match logo.BIN (LOGO.bin, Logo.bin)\n");
}

// A TI-83 Plus source writes the assembly token itself after ".org $9D93"; the
// writer must not put a second one in front, or every address is two bytes off.
TEST(Dialect, ATokenTheSourceWritesIsHeldOnce) {
  TempDir withToken;
  TempDir withoutToken;
  withToken.write("prog.asm", " .plugin plover\n .org $9D93\n .db $BB,$6D\n ld hl,text\n ret\ntext: .db 1\n");
  withoutToken.write("prog.asm", " .plugin plover\n .org $9D95\n ld hl,text\n ret\ntext: .db 1\n");
  ASSERT_EQ(runQuarn({"prog.asm"}, withToken.path()).exitStatus, 0);
  ASSERT_EQ(runQuarn({"prog.asm"}, withoutToken.path()).exitStatus, 0);
  EXPECT_EQ(readBytes(withToken.path() / "prog.8xp"), readBytes(withoutToken.path() / "prog.8xp"));
}

}  // namespace
