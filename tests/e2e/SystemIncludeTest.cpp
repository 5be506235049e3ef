// The TI-83 Plus, TI-83, TI-73 and TI-86 include files together with the files
// that programs include beside them, and a few of their names against the bytes
// the calculators expect.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/e2e/DirectiveRun.h"

namespace {

struct Includes {
  const char* name;
  const char* lines;  // what the program writes before its code
};

void PrintTo(const Includes& includes, std::ostream* out) { *out << includes.name; }

class IncludedTogetherTest : public ::testing::TestWithParam<Includes> {};

TEST_P(IncludedTogetherTest, MeetNoClash) {
  TempDir dir;
  const AssembledSource result = assembleHex(dir, std::string(GetParam().lines) + " nop\n");
  EXPECT_EQ(result.diagnostics, "") << GetParam().lines;
  EXPECT_EQ(result.run.exitStatus, 0) << result.run.out;
}

const Includes INCLUDES[] = {
    {"IonForTheTi83Plus", "#define TI83P\n#include \"ion.inc\"\n"},
    {"Ti83plusThenIon", "#define TI83P\n#include \"ti83plus.inc\"\n#include \"ion.inc\"\n"},
    {"IonThenTi83plus", "#define TI83P\n#include \"ion.inc\"\n#include \"ti83plus.inc\"\n"},
    {"Ti83asmThenIon", "#include \"ti83asm.inc\"\n#include \"ion.inc\"\n"},
    {"IonThenTi83asm", "#include \"ion.inc\"\n#include \"ti83asm.inc\"\n"},
    {"Ti73ThenMallard", "#include \"ti73.inc\"\n#include \"mallard.inc\"\n"},
    {"MallardThenTi73", "#include \"mallard.inc\"\n#include \"ti73.inc\"\n"},
    // TASM-era sources make equ a macro before they include anything.
    {"AfterEquIsAMacro", "#define equ .equ\n#define EQU .equ\n#include \"ti83plus.inc\"\n"},
};

INSTANTIATE_TEST_SUITE_P(PairsProgramsInclude, IncludedTogetherTest, ::testing::ValuesIn(INCLUDES),
                         [](const ::testing::TestParamInfo<Includes>& info) { return info.param.name; });

struct Spot {
  const char* name;
  const char* source;
  const char* bytes;
};

void PrintTo(const Spot& spot, std::ostream* out) { *out << spot.name; }

class SystemNameBytesTest : public ::testing::TestWithParam<Spot> {};

TEST_P(SystemNameBytesTest, AssembleToTheCalculatorsAddresses) {
  TempDir dir;
  const AssembledSource result = assembleHex(dir, GetParam().source);
  ASSERT_EQ(result.diagnostics, "") << GetParam().source;
  EXPECT_EQ(result.bytes, GetParam().bytes) << GetParam().source;
}

const Spot SPOTS[] = {
    // TI-83 Plus: every spelling of the bcall and bjump macros, a flag bit, header tokens, keys.
    {"Ti83plusCalls", "#include \"ti83plus.inc\"\n bcall(_PutS)\n b_call(_ClrLCDFull)\n B_CALL(_HomeUp)\n",
     "EF 0A 45 EF 40 45 EF 58 45"},
    {"Ti83plusJumps", "#include \"ti83plus.inc\"\n bjump(_JForceCmdNoChar)\n B_JUMP(_JForceCmdNoChar)\n",
     "CD 50 00 27 40 CD 50 00 27 40"},
    {"Ti83plusFlagsTokensKeysRam",
     "#include \"ti83plus.inc\"\n set textInverse,(iy+textFlags)\n .db t2ByteTok,tAsmCmp,tExtTok,kEnter,skEnter\n"
     " .dw userMem,plotSScreen\n",
     "FD CB 05 DE BB 6D EF 05 09 95 9D 40 93"},
    // Ion: the TI-83 Plus entry points lie in cmdShadow, the TI-83's are called directly.
    {"IonOnTheTi83Plus", "#define TI83P\n#include \"ion.inc\"\n bcall(_clrlcdf)\n call ionFastCopy\n .dw progstart\n",
     "EF 40 45 CD CD 96 95 9D"},
    {"IonOnTheTi83", "#include \"ion.inc\"\n bcall(_clrlcdf)\n call ionFastCopy\n .dw progstart\n",
     "CD 55 47 CD B6 91 27 93"},
    // Programs include ti83plus.inc before ion.inc without defining TI83P themselves.
    {"IonAfterTi83plus", "#include \"ti83plus.inc\"\n#include \"ion.inc\"\n call ionFastCopy\n", "CD CD 96"},
    // TI-83: ROM calls are plain calls.
    {"Ti83Calls", "#include \"ti83asm.inc\"\n call _clrLCDFull\n call _puts\n ld hl,(curRow)\n",
     "CD 55 47 CD 0D 47 2A 0C 80"},
    // TI-73 and Mallard, whose library sits in statVars.
    {"Ti73Calls", "#include \"ti73.inc\"\n bcall(_PutS)\n .dw userMem\n", "EF 71 44 37 9C"},
    {"MallardLibrary", "#include \"mallard.inc\"\n bcall(_PutS)\n call ionFastCopy\n", "EF 71 44 CD 6A 8D"},
    // TI-86: a program may include all four files, whose shared names must agree.
    {"Ti86FilesTogether",
     "#include \"ti86asm.inc\"\n#include \"ti86ops.inc\"\n#include \"ti86math.inc\"\n#include \"ti86abs.inc\"\n"
     " .org _asm_exec_ram\n call _clrLCD\n call _OP1TOOP2\n call _FPADD\n call _SET_ABS_SRC_ADDR\n",
     "CD 7E 4A CD 33 42 CD 78 54 CD 47 46"},
    {"Ti86RamFlagsKeysAndCharacters",
     "#include \"ti86asm.inc\"\n .org _asm_exec_ram\n ld hl,_textShadow\n set textInverse,(iy+textflags)\n"
     " cp kEnter\n cp K_EXIT\n ld a,LcapA\n",
     "21 F9 C0 FD CB 05 DE FE 06 FE 37 3E 41"},
};

INSTANTIATE_TEST_SUITE_P(RoutinesFlagsKeysAndTokens, SystemNameBytesTest, ::testing::ValuesIn(SPOTS),
                         [](const ::testing::TestParamInfo<Spot>& info) { return info.param.name; });

}  // namespace
