#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <string>

#include "tests/frontend/SourceTree.h"

namespace {

TEST(Statements, ABackslashOutsideQuotesSeparatesThem) {
  const SourceCase cases[] = {
      {"nop \\ halt\nret\n", "nop \n halt\nret\n", "1 1 2"},
      {"nop\\\n", "nop\n\n", "1 1"},
      {".db \"a\\b\"\n", ".db \"a\\b\"\n", "1"},
      {".db \"\\\"\" \\ nop\n", ".db \"\\\"\" \n nop\n", "1 1"},
      {"ld a,'\\'' \\ nop\n", "ld a,'\\'' \n nop\n", "1 1"},
      // An unclosed quote, as in a register written with a prime, protects the rest.
      {"ex af,af'\\ nop\n", "ex af,af'\\ nop\n", "1"},
  };
  expectOutcomes(cases);
}

std::string localTime(const char* format) {
  const std::time_t now = std::time(nullptr);
  std::array<char, 128> text{};
  const std::size_t length = std::strftime(text.data(), text.size(), format, std::localtime(&now));
  return "\"" + std::string(text.data(), length) + "\"";
}

std::string expandedDateAndTime() {
  return localTime("%x") + "|" + localTime("%A, %B %d, %Y") + "|" + localTime("%X") + "\n";
}

TEST(BuiltinNames, HoldTheVersionFileDateAndTime) {
  const SourceCase cases[] = {
      {"ld hl,__TELLIC_VER\n.db __FILE__\n", "ld hl,400h\n.db \"main.asm\"\n", "1 2"},
      {"#undef __FILE__\n#define __TELLIC_VER 1\n__FILE__ __TELLIC_VER\n", "__FILE__ 1\n", "3"},
  };
  expectOutcomes(cases);

  // The clock may pass a second or a day while the source is read.
  const std::string before = expandedDateAndTime();
  const std::string text = preprocessSource("__DATE__|__DATELONG__|__TIME__\n").text;
  const std::string after = expandedDateAndTime();
  EXPECT_TRUE(text == before || text == after) << text;
}

// The buffer needs one record per line end, wherever the line end came from.
TEST(BuiltinNames, AFileNameWithALineEndStillGivesOneRecordPerLine) {
  SourceTree tree;
  tree.write("odd\nname.asm", ".db __FILE__\n");
  const Outcome outcome = tree.preprocess("odd\nname.asm");
  EXPECT_EQ(outcome.text, ".db \"odd\nname.asm\"\n");
  EXPECT_EQ(outcome.lines, "1 1");
}

TEST(BuiltinNames, PredefinedNamesAreDefinedEmpty) {
  SourceTree tree;
  tree.job.predefinedNames = "ONE,two 3x\t_four";
  tree.write("main.asm",
             "#ifdef ONE\nyes 1\n#endif\n#ifdef two\nyes 2\n#endif\n#ifdef x\nyes 3\n#endif\n"
             "#ifdef 3x\nbad\n#endif\n[ONE_four]\n[_four]\n");
  EXPECT_EQ(tree.preprocess().text, "yes 1\nyes 2\nyes 3\n[ONE_four]\n[]\n");
}

// A console whose user has asked to stop.
class CancellingConsole : public ConsoleSink {
public:
  bool cancelRequested() override { return true; }
};

TEST(PreprocessJob, ACancelStopsAtTheFirstStatement) {
  SourceTree tree;
  tree.job.console = std::make_unique<CancellingConsole>();
  tree.write("main.asm", "#define X 1\n\nnop\nhalt\n");
  tree.job.preprocess(tree.pathOf("main.asm"), nullptr);
  EXPECT_EQ(tree.job.source->text(), "\n");
  EXPECT_EQ(tree.job.status, STATUS_CANCELED);
}

TEST(PreprocessJob, StartsEveryFileWithoutModuleAndWithTheDefaultLocalLabelCharacter) {
  SourceTree tree;
  tree.job.moduleName = "old";
  tree.job.localLabelChar = '.';
  tree.write("main.asm", "nop\n");
  tree.preprocess();
  EXPECT_EQ(tree.job.moduleName, "");
  EXPECT_EQ(tree.job.localLabelChar, '@');
  EXPECT_EQ(tree.job.fileCount, 1);
}

TEST(PreprocessJob, ASecondTopLevelCallReadsNothing) {
  SourceTree tree;
  tree.write("main.asm", "nop\n");
  tree.write("other.asm", "halt\n");
  tree.preprocess();
  EXPECT_EQ(tree.preprocess("other.asm").text, "nop\n");
  EXPECT_EQ(tree.job.fileCount, 1);
}

}  // namespace
