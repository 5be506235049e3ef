#include <gtest/gtest.h>

#include <string>

#include "tests/frontend/SourceTree.h"

namespace {

TEST(Macros, ExpandWithTheirArguments) {
  const SourceCase cases[] = {
      {"#define X 5\nld a,X\n", "ld a,5\n", "2"},
      {"#define INC(r) inc r\n INC(b)\n", " inc b\n", "2"},
      {"#define TEN(a,b,c,d,e,f,g,h,i,j) j i h g f e d c b a\nTEN(0,1,2,3,4,5,6,7,8,9)\n", "9 8 7 6 5 4 3 2 1 0\n", "2"},
      // Leading blanks of an argument are skipped, trailing ones kept.
      {"#define P(a, b) [a|b]\nP(  x  ,\ty )\n", "[x  |y ]\n", "2"},
      // An empty pair of parentheses is one empty argument.
      {"#define P(a) [a]\nP()\n", "[]\n", "2"},
      // Parentheses nest, but a comma ends an argument at any depth.
      {"#define P(a,b) [a|b]\nP((1+2),3) P(f(1,2))\n", "[(1+2)|3] [f(1|2)]\n", "2"},
      // Parameter names are replaced inside double quotes in the body too.
      {"#define MSG(x) .db \"x\"\nMSG(hello)\n", ".db \"hello\"\n", "2"},
      // A space before "(" makes the parenthesis part of the body.
      {"#define S (1+2)\nld a,S\n", "ld a,(1+2)\n", "2"},
      {"#define EMPTY\nnop EMPTY\nEMPTY\n", "nop \n", "2"},
      {"#define X 1\n#define X 2\nX\n#undef X\n#undef NEVER\nX\n", "2\nX\n", "3 6"},
  };
  expectOutcomes(cases);
}

// An expansion is scanned again for calls, but never for the macros whose
// expansion it lies in, so a name that refers to itself stays.
TEST(Macros, ExpansionsAreScannedAgain) {
  const std::string sixty(60, '6');
  const SourceCase cases[] = {
      {"#define A B\n#define B 1\nA\n", "1\n", "3"},
      {"#define P(a) a\n#define Q 7\nP(Q)\n", "7\n", "3"},
      {"#define b_call(x) rst 28h \\ .dw x\n#define bcall(x) b_call(x)\n#define _ClrLCD 4540h\n bcall(_ClrLCD)\n",
       " rst 28h \n .dw 4540h\n", "4 4"},
      {"#define X X+1\n.db X\n", ".db X+1\n", "2"},
      {"#define A B+A\n#define B A\n.db A,B\n", ".db A+A,B+A\n", "3"},
      {"#define F(x) x+1\nF(F(2))\n", "F(2)+1\n", "2"},
      // A replacement is cut at the line's limit like the line itself.
      {"#define L " + sixty + "\n#define M L L L L L\nM\n",
       (sixty + " " + sixty + " " + sixty + " " + sixty + " " + sixty).substr(0, 254) + "\n", "3",
       "Error #103 in main.asm, line 3: Line is too long (>255 chars)\n"},
      {"#define X 5\n.db \"X\",X\n", ".db \"X\",5\n", "2"},
      {"#define X 5\n.db \"X,X\n", ".db \"X,X\n", "2"},
      // A backslash does not keep quoted text open here, as it does for statement splitting.
      {"#define X 5\n.db \"a\\\"X\"\n", ".db \"a\\\"5\"\n", "2"},
      // Bytes above 127 are neither letters, digits nor white space.
      {"#define X 5\n\xE9X\xA0X\n", "\xE9" "5\xA0" "5\n", "2"},
      {"#define \xE9X 5\n", "\n", "0", "Error #112 in main.asm, line 1: Macro name expected\n"},
      // Single quotes protect nothing from expansion.
      {"#define X 5\nld a,'X'\n", "ld a,'5'\n", "2"},
      // #IFDEF tests the name itself, not its expansion.
      {"#define A B\n#ifdef A\nyes\n#endif\n#ifdef B\nno\n#endif\n", "yes\n", "3"},
  };
  expectOutcomes(cases);
}

// A chain of macros, each calling the next, may be as long as the nesting limit.
TEST(Macros, NestingIsLimited) {
  std::string chain;
  for (int i = 0; i <= 32; ++i) {
    chain += "#define M" + std::to_string(i) + " M" + std::to_string(i + 1) + "\n";
  }
  const SourceCase cases[] = {
      {chain + "M1\n", "M33\n", "34"},
      {chain + "M0\n", "M33\n", "34", "Error #117 in main.asm, line 34: Macro M32 nested too deeply\n"},
  };
  expectOutcomes(cases);
}

// Directive words as macros: a name may take the dot along, and a body's leading
// dot is not doubled by the dot the call stands behind.
TEST(Macros, DirectiveWordsAsMacros) {
  const SourceCase cases[] = {
      {"#define equ .equ\n#define db .db\nsize .equ 5\nsize2 equ 6\n .db 1\n db 2\n",
       "size .equ 5\nsize2 .equ 6\n .db 1\n .db 2\n", "3 4 5 6"},
      {"#define X 5\n.X\n", ".5\n", "2"},
      {"#define .db .byte\n .db 1\n .DB 2\nx.db\n.db.db\n", " .byte 1\n .DB 2\nx.db\n.byte.db\n", "2 3 4 5"},
      {"#define .db\n#ifdef .db\nyes\n#endif\n#undef .db\n.db\n", "yes\n.db\n", "3 6"},
      {"#define . x\n", "\n", "0", "Error #112 in main.asm, line 1: Macro name expected\n"},
  };
  expectOutcomes(cases);
}

std::string letters(std::size_t count) { return std::string(count, 'a'); }

// While every name starts with "_", as the built-in names do, that character is
// looked for through the whole file; one inside a word, in a comment or past the
// cut of a long line starts no call.
TEST(Macros, NamesThatAllStartWithAnUnderscore) {
  const std::string define = "#define _A 5\n";
  const std::string tooLong = "Error #103 in main.asm, line 2: Line is too long (>255 chars)\n";
  const SourceCase cases[] = {
      {define + "scan_1: ld a,_A\n", "scan_1: ld a,5\n", "2"},
      {define + "ld a,_A_B+_A\n", "ld a,_A_B+5\n", "2"},
      {define + "ld a,x_A+b__A\n_A", "ld a,x_A+b__A\n5\n", "2 3"},
      {define + "label_\nx _\nlabel_:_A\n", "label_\nx _\nlabel_:5\n", "2 3 4"},
      {define + "nop ; _A\nld a,_A ;_A\n", "nop \nld a,5 \n", "2 3"},
      {define + ".db \"_A;\",_A ; _A\n", ".db \"_A;\",5 \n", "2"},
      {define + "ld a,_A\\ld b,x_A\\_A\n", "ld a,5\nld b,x_A\n5\n", "2 2 2"},
      {"#define _A 5\r\nld_a _A\r\n_A_\r\n", "ld_a 5\n_A_\n", "2 3"},
      {"#define _A(x) x+1\nlab_1 ld a,_A(lab_2)\n", "lab_1 ld a,lab_2+1\n", "2"},
      // The character that gives way to the line end of a cut line is not read.
      {define + letters(253) + "_A\n", letters(253) + "\nA\n", "2 3", tooLong},
      {define + letters(250) + " _A _A\n", letters(250) + " 5\n5\n", "2 3", tooLong},
  };
  expectOutcomes(cases);
}

// The preprocessor sets up its search for the common first character again after
// each directive: every line must see the names defined and removed above it.
TEST(Macros, LinesSeeTheNameStartsOfTheDirectivesAboveThem) {
  const SourceCase cases[] = {
      {"B\n#define B 6\nB _x\n#undef B\nB\n", "B\n6 _x\nB\n", "1 3 5"},
      {"#define B 6\nB\n#undef B\n#define _B 7\n_B B\n", "6\n7 B\n", "2 5"},
      {"#define _B 7\n#if 1\n#define C 8\n#endif\n_B C\n#undef C\n_B C\n", "7 8\n7 C\n", "5 7"},
  };
  expectOutcomes(cases);
}

TEST(Macros, BadDefinitions) {
  const SourceCase cases[] = {
      {"#define\n#define  (x) 1\n#undef\n", "\n", "0",
       "Error #112 in main.asm, line 1: Macro name expected\n"
       "Error #112 in main.asm, line 2: Macro name expected\n"
       "Error #112 in main.asm, line 3: Macro name expected\n"},
      {"#define M(a,b,c,d,e,f,g,h,i,j,k) x\nM\n", "M\n", "2",
       "Error #113 in main.asm, line 1: No more than 10 arguments allowed for macro M\n"},
      {"#define M(a b) x\nM\n#define N(a,+) x\nN\n", "M\nN\n", "2 4",
       "Error #114 in main.asm, line 1: Invalid argument format for macro M\n"
       "Error #114 in main.asm, line 3: Invalid argument format for macro N\n"},
      // A list that runs into the line end drops the definition silently.
      {"#define M(a, b\nM\n", "M\n", "2"},
  };
  expectOutcomes(cases);
}

TEST(Macros, WrongCallsAreReportedAndLeftOut) {
  const SourceCase cases[] = {
      {"#define P(a) [a]\nnop P halt\n", "nop  halt\n", "2",
       "Error #115 in main.asm, line 2: Wrong number of arguments for macro P\n"},
      {"#define P(a) [a]\nP(1,2) x\n", " x\n", "2",
       "Error #115 in main.asm, line 2: Wrong number of arguments for macro P\n"},
      {"#define Z 0\nZ()\n", "\n", "0",
       "Error #115 in main.asm, line 2: Wrong number of arguments for macro Z\n"},
      // Expansion runs in skipped blocks too.
      {"#define P(a) [a]\n#if 0\nP\n#endif\n", "\n", "0",
       "Error #115 in main.asm, line 3: Wrong number of arguments for macro P\n"},
      // An unclosed call keeps what it gathered up to the line end, also on a last
      // line without a line end.
      {"#define P(a) [a]\nP(1\n", "[1]\n", "2",
       "Error #114 in main.asm, line 2: Invalid argument format for macro P\n"},
      {"#define P(a,b) [a|b]\nP(1,", "[1|]\n", "2",
       "Error #114 in main.asm, line 2: Invalid argument format for macro P\n"},
      {"#define P(a,b) [a|b]\nP(1, ", "[1|]\n", "2",
       "Error #114 in main.asm, line 2: Invalid argument format for macro P\n"},
      {"#define P(a) [a]\nP(", "[]\n", "2",
       "Error #114 in main.asm, line 2: Invalid argument format for macro P\n"},
  };
  expectOutcomes(cases);
}

TEST(Macros, ABodyMayHoldSeveralStatements) {
  const SourceCase cases[] = {
      {"#define TWO nop\\ halt\nx\nTWO\n", "x\nnop\n halt\n", "2 3 3"},
      {"#define SWAP(a,b) push a\\push b\\pop a\\pop b\nSWAP(hl,de)\n", "push hl\npush de\npop hl\npop de\n",
       "2 2 2 2"},
  };
  expectOutcomes(cases);
}

// #DEFCONT continues the macro the source defined last, over any number of lines.
TEST(Macros, DefcontContinuesTheLastDefinition) {
  const SourceCase cases[] = {
      {"#define M(r) push r\n#defcont \\ inc r\n#DEFCONT   \\ pop r\nM(bc)\n", "push bc\n inc bc\n pop bc\n",
       "4 4 4"},
      {"#define A 1\n#define B 2\n#defcont +3\nA B\n", "1 2+3\n", "4"},
      {"#if 0\n#defcont x\n#endif\nnop\n", "nop\n", "4"},
      // Built-in names are no definitions of the source.
      {"#defcont x\n__TELLIC_VER\n", "400h\n", "2",
       "Error #116 in main.asm, line 1: #defcont directive without #define\n"},
      {"#define A 1\n#undef A\n#defcont x\n", "\n", "0",
       "Error #116 in main.asm, line 3: #defcont directive without #define\n"},
  };
  expectOutcomes(cases);
}

// An expanded line holds at most 254 characters before its line end; reaching
// that limit is reported, and what does not fit is dropped.
TEST(Macros, AnExpansionLongerThanALineIsCut) {
  const std::string body(200, 'b');
  const std::string tooLong = "Error #103 in main.asm, line 2: Line is too long (>255 chars)\n";
  const SourceCase cases[] = {
      {"#define L " + body + "\nL L\n", body + " " + std::string(53, 'b') + "\n", "2", tooLong},
      {"#define L " + body + "\nL " + std::string(52, 'c') + "\n", body + " " + std::string(52, 'c') + "\n", "2"},
      {"#define L " + body + "\nL " + std::string(53, 'c') + "\n", body + " " + std::string(53, 'c') + "\n", "2",
       tooLong},
      {"#define L " + body + "\n#if 0\nL L\n#endif\n", "\n", "0",
       "Error #103 in main.asm, line 3: Line is too long (>255 chars)\n"},
  };
  expectOutcomes(cases);
}

}  // namespace
