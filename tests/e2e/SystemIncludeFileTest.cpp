// The system include files shipped in quarn's Include folder, used the way
// programs use them: found by name from a source in another folder, assembled
// with nothing else around them, and read for the bytes a few of their names
// must give.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/DirectiveRun.h"

namespace fs = std::filesystem;

namespace {

// Every shipped include file, as the build copied them beside quarn.
std::vector<std::string> shippedIncludeFiles() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::path(QUARN_BIN_DIR) / "Include")) {
    const std::string extension = entry.path().extension().string();
    if (extension == ".inc" || extension == ".h") {
      names.push_back(entry.path().filename().string());
    }
  }
  return names;
}

TEST(SystemIncludeFile, EachAssemblesAloneWithoutDiagnostics) {
  const std::vector<std::string> names = shippedIncludeFiles();
  ASSERT_FALSE(names.empty());
  for (const std::string& name : names) {
    TempDir dir;
    const AssembledSource result = assembleHex(dir, "#include \"" + name + "\"\n ret\n");
    EXPECT_EQ(result.diagnostics, "") << name;
    EXPECT_EQ(result.run.exitStatus, 0) << name << "\n" << result.run.out;
  }
}

// Programs written against the ACZ lists find the OP-register routines through
// ti86asm.inc alone, and spell names in any letter case.
TEST(SystemIncludeFile, Ti86AsmAloneServesProgramsOfTheAczLists) {
  TempDir dir;
  const AssembledSource result = assembleHex(dir,
                                             "#include \"ti86asm.inc\"\n"
                                             " call _op2toop1\n"
                                             " call _setXXXXop2\n"
                                             " ld hl,(_asapvar)\n");
  EXPECT_EQ(result.diagnostics, "");
  EXPECT_EQ(result.bytes, "CD 6F 42 CD 1B 46 2A FC D6");
}

TEST(SystemIncludeFile, ZshellMacrosCallTheShell) {
  TempDir dir;
  const AssembledSource result = assembleHex(dir,
                                             "#include \"ti-85.h\"\n"
                                             " .org 0\n"
                                             "top: ROM_CALL(CLEARLCD)\n"
                                             " CALL_(top)\n"
                                             " JUMP_NZ(top)\n"
                                             " ld hl,(PROGRAM_ADDR)\n"
                                             " cp K_EXIT\n");
  EXPECT_EQ(result.diagnostics, "");
  EXPECT_EQ(result.bytes, "CD 09 8C 08 CD 0F 8C 00 00 CD 2A 8C 00 00 2A 3C 8C FE 37");
}

// CrASH programs start with their description and write no .org: the header
// places them at the address the shell runs them from.
TEST(SystemIncludeFile, CrashProgramsStartAtTheShellsAddress) {
  TempDir dir;
  const AssembledSource result = assembleHex(dir,
                                             "#include \"crash82.inc\"\n"
                                             " .db \"Hi\",0\n"
                                             " ROM_CALL(CLEARLCD)\n"
                                             " call CR_GRBCopy\n"
                                             " ld hl,text\n"
                                             " ret\n"
                                             "text:\n");
  EXPECT_EQ(result.diagnostics, "");
  EXPECT_EQ(result.bytes, "48 69 00 CD 74 8D 9A 38 CD 94 8D 21 13 91 C9");
}

// The include files a program for each calculator finds its system names in.
struct CalculatorFiles {
  const char* calculator;  // as the corpus list writes it
  std::vector<std::string> files;
};

const CalculatorFiles CALCULATOR_FILES[] = {
    {"TI-86", {"ti86asm.inc", "ti86ops.inc", "ti86math.inc", "ti86abs.inc"}},
    {"TI-85", {"ti-85.h"}},
    {"TI-82", {"crash82.inc"}},
    {"TI-83P", {"ti83plus.inc", "ion.inc"}},
    {"TI-83", {"ti83asm.inc", "ion.inc"}},
    {"TI-73", {"mallard.inc"}},
};

// Names the corpus list's lexical scan takes for system names although they are
// not: the programs define them themselves in another letter case, use them as
// their own labels, or write them inside comments and character constants.
// CALL_ROM is a macro one TI-85 program calls that no shell header defines.
const std::set<std::string> NOT_SYSTEM_NAMES{"text_x", "text_y",  "mtext_x", "mtext_y", "PutPixel",
                                             "valid",  "DONT_USE", "J",      "O",       "T",
                                             "varequ", "t_carriage_return", "CALL_ROM"};

// Names of the Doors CS and MirageOS headers, which quarn does not ship.
const std::set<std::string> UNSHIPPED_SHELL_NAMES{
    "CloseGUIStack", "dkClear",     "dkGraph",      "dkWindow",     "dkY",       "FileOpen",    "FileSaveAs",
    "GUIFindFirst",  "GUIFindNext", "GUIMouse",     "iFastCopy",    "iGetPixel", "KeyRow_5",    "KeyRow_Top",
    "OpenGUIStack",  "PopGUIStack", "PopGUIStacks", "PushGUIStack", "RenderGUI", "ResetAppPage"};

// Every name the corpus programs use without defining it must come from the
// include files of their calculator: assembled as data words, none may be
// undefined.  Macros are called with arguments, so they are looked up instead.
TEST(SystemIncludeFile, DefinesTheNamesCorpusProgramsUse) {
  const fs::path list = fs::path(QUARN_SOURCE_DIR) / "tests" / "corpus" / "used-system-names.txt";
  if (!fs::exists(list)) {
    GTEST_SKIP() << "no corpus list at " << list;
  }
  for (const CalculatorFiles& calculator : CALCULATOR_FILES) {
    std::string source;
    std::string headers;
    for (const std::string& file : calculator.files) {
      source += "#include \"" + file + "\"\n";
      headers += readText(fs::path(QUARN_BIN_DIR) / "Include" / file);
    }
    source += " nop\n";  // a calculator without names still assembles something
    std::istringstream lines(readText(list));
    for (std::string line; std::getline(lines, line);) {
      const std::size_t tab = line.find('\t');
      const std::string name = line.substr(0, tab);
      if (tab == std::string::npos || line.substr(tab + 1) != calculator.calculator ||
          NOT_SYSTEM_NAMES.contains(name) || UNSHIPPED_SHELL_NAMES.contains(name)) {
        continue;
      }
      if (headers.find("#define " + name + "(") != std::string::npos) {
        continue;
      }
      source += " .dw " + name + "\n";
    }
    TempDir dir;
    const AssembledSource result = assembleHex(dir, source);
    EXPECT_EQ(result.diagnostics, "") << calculator.calculator;
  }
}

}  // namespace
