// The include files shipped in quarn's Include folder, found from a source in
// another folder as a program would find them: each assembles on its own and
// together with the files programs include beside it without a diagnostic, and
// a few of their names give the bytes the calculators expect.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <ostream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/RunQuarn.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const std::string CLEAN_RUN =
    "Assembling prog.asm\nFirst pass...\nSecond pass...\nAssembly complete - 0 error(s), 0 warning(s)\n";

QuarnRun assemble(TempDir& dir, const std::string& source) {
  dir.write("prog.asm", source);
  return runQuarn({"-h", "prog.asm"}, dir.path());
}

// The bytes of the hex listing, after its two title lines and the blank line.
std::string listedBytes(const TempDir& dir) {
  std::istringstream listing(readText(dir.path() / "prog.txt"));
  std::string line;
  for (int header = 0; header < 3; ++header) std::getline(listing, line);
  std::string bytes, byte;
  while (listing >> byte) bytes += (bytes.empty() ? "" : " ") + byte;
  return bytes;
}

struct Includes {
  const char* name;
  const char* lines;  // what the program writes before its code
};

void PrintTo(const Includes& includes, std::ostream* out) { *out << includes.name; }

class CleanIncludeTest : public ::testing::TestWithParam<Includes> {};

TEST_P(CleanIncludeTest, AssemblesWithoutAnyDiagnostic) {
  TempDir dir;
  const QuarnRun run = assemble(dir, std::string(GetParam().lines) + " nop\n");
  EXPECT_EQ(run.out, CLEAN_RUN) << GetParam().lines;
  EXPECT_EQ(run.exitStatus, 0);
}

const Includes INCLUDES[] = {
    {"Ti83plus", "#include \"ti83plus.inc\"\n"},
    {"Ti83asm", "#include \"ti83asm.inc\"\n"},
    {"Ti73", "#include \"ti73.inc\"\n"},
    {"Mallard", "#include \"mallard.inc\"\n"},
    {"IonForTheTi83", "#include \"ion.inc\"\n"},
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

INSTANTIATE_TEST_SUITE_P(EachFileAndThePairsProgramsInclude, CleanIncludeTest, ::testing::ValuesIn(INCLUDES),
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
  const QuarnRun run = assemble(dir, GetParam().source);
  ASSERT_EQ(run.out, CLEAN_RUN) << GetParam().source;
  EXPECT_EQ(listedBytes(dir), GetParam().bytes) << GetParam().source;
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
};

INSTANTIATE_TEST_SUITE_P(RoutinesFlagsKeysAndTokens, SystemNameBytesTest, ::testing::ValuesIn(SPOTS),
                         [](const ::testing::TestParamInfo<Spot>& info) { return info.param.name; });

// Every system name that the corpus of other authors' programs uses is defined by
// the files a program for that calculator includes. The corpus's list arrives with
// the corpus; names from shell headers that quarn does not ship are left out.
const std::map<std::string, std::string> CORPUS_INCLUDES = {
    {"TI-83P", "#include \"ti83plus.inc\"\n#include \"ion.inc\"\n"},
    {"TI-83", "#include \"ti83asm.inc\"\n#include \"ion.inc\"\n"},
    {"TI-73", "#include \"mallard.inc\"\n"},
};

// Doors CS and MirageOS names: their headers are not among the shipped files.
const std::set<std::string> NOT_SHIPPED = {
    "CloseGUIStack", "dkClear",     "dkGraph",      "dkWindow",     "dkY",       "FileOpen",    "FileSaveAs",
    "GUIFindFirst",  "GUIFindNext", "GUIMouse",     "iFastCopy",    "iGetPixel", "KeyRow_5",    "KeyRow_Top",
    "OpenGUIStack",  "PopGUIStack", "PopGUIStacks", "PushGUIStack", "RenderGUI", "ResetAppPage"};

// The macro names the shipped include files define, which a .dw line cannot name.
std::set<std::string> shippedMacros() {
  std::set<std::string> macros;
  const std::regex define(R"(^#define ([A-Za-z_][A-Za-z0-9_]*))");
  for (const auto& entry : fs::directory_iterator(fs::path(QUARN_SOURCE_DIR) / "data" / "Include")) {
    std::istringstream text(readText(entry.path()));
    std::smatch match;
    for (std::string line; std::getline(text, line);)
      if (std::regex_search(line, match, define)) macros.insert(match[1]);
  }
  return macros;
}

TEST(CorpusSystemNames, AreDefinedByTheShippedIncludeFiles) {
  const fs::path list = fs::path(QUARN_SOURCE_DIR) / "tests" / "corpus" / "used-system-names.txt";
  if (!fs::exists(list)) GTEST_SKIP() << "no corpus list at " << list;
  const std::set<std::string> macros = shippedMacros();
  std::map<std::string, std::string> probes;  // calculator -> source naming its labels
  std::istringstream rows(readText(list));
  for (std::string row; std::getline(rows, row);) {
    const auto tab = row.find('\t');
    if (tab == std::string::npos) continue;
    const std::string name = row.substr(0, tab), calculator = row.substr(tab + 1);
    if (!CORPUS_INCLUDES.count(calculator) || NOT_SHIPPED.count(name)) continue;
    if (macros.count(name)) continue;
    probes[calculator] += " .dw " + name + "\n";
  }
  for (const auto& [calculator, labels] : probes) {
    TempDir dir;
    const QuarnRun run = assemble(dir, CORPUS_INCLUDES.at(calculator) + labels);
    EXPECT_EQ(run.out, CLEAN_RUN) << calculator;
  }
}

}  // namespace
