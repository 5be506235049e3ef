#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/e2e/DirectiveRun.h"

namespace {

bool holdsLine(const std::string& text, const std::string& line) {
  return text.find(line + "\n") != std::string::npos;
}

constexpr const char* TWO_MODULES =
    " .module one\n@x: nop\n jr @x\n"
    " .module two\n@x: nop\n jr @x\n jr one@x\n";

TEST(DirectiveScope, LocalLabelsInTwoModules) {
  TempDir dir;
  const std::string symbols = assembleSymbols(dir, TWO_MODULES);
  EXPECT_TRUE(holdsLine(symbols, "one@x = $0000")) << symbols;
  EXPECT_TRUE(holdsLine(symbols, "two@x = $0003")) << symbols;
  EXPECT_EQ(assembleHex(dir, TWO_MODULES).bytes, "00 18 FD 00 18 FD 18 F8");
}

TEST(DirectiveScope, QuestionMarkAsLocalLabelChar) {
  constexpr const char* SOURCE = " .module m\n .locallabelchar \"?\"\n nop\n?x: nop\n jr ?x\n jr m?x\n";
  TempDir dir;
  const std::string symbols = assembleSymbols(dir, SOURCE);
  EXPECT_TRUE(holdsLine(symbols, "m?x = $0001")) << symbols;
  EXPECT_EQ(assembleHex(dir, SOURCE).bytes, "00 00 18 FD 18 FB");
}

TEST(DirectiveScope, PluginNameBeforeACommentIsLoaded) {
  TempDir dir;
  dir.write("prog.asm", " .PLUGIN plover ; TI-83+\n nop\n");
  const QuarnRun run = runQuarn({"prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, 0) << run.out;
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "prog.8xp")) << run.out;
}

}  // namespace
