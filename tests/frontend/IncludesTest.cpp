#include <gtest/gtest.h>

#include <string>

#include "platform/FileSystem.h"
#include "tests/frontend/SourceTree.h"

namespace {

TEST(Includes, AreReadInPlaceOnceEach) {
  SourceTree tree;
  tree.write("main.asm", "start\n#include \"inc.asm\"\n#include inc.asm\n#INCLUDE \"main.asm\"\nend\n");
  tree.write("inc.asm", "\nin1\n#include inc.asm\nin2");
  const Outcome outcome = tree.preprocess();
  EXPECT_EQ(outcome.text, "start\nin1\nin2\nend\n");
  EXPECT_EQ(outcome.records, "main.asm:1 inc.asm:2 inc.asm:4 main.asm:5");
  EXPECT_EQ(outcome.diagnostics,
            "Warning #102 in inc.asm, line 3: File inc.asm included more than once\n"
            "Warning #102 in main.asm, line 3: File inc.asm included more than once\n"
            "Warning #102 in main.asm, line 4: File \"main.asm\" included more than once\n");
  EXPECT_EQ(tree.job.fileCount, 2);
}

// .INCLUDE is #INCLUDE written as a statement; #NOLIST and #LIST are the listing's
// statements, which pass 1 applies.
TEST(Includes, DotIncludeAndTheListingSwitches) {
  SourceTree tree;
  tree.write("main.asm", "#nolist\n  .include \"inc.asm\"\n#LIST\n#if 0\n.include nowhere.asm\n#endif\nend\n");
  tree.write("inc.asm", "in\n");
  const Outcome outcome = tree.preprocess();
  EXPECT_EQ(outcome.text, ".nolist\nin\n.LIST\nend\n");
  EXPECT_EQ(outcome.records, "main.asm:1 inc.asm:1 main.asm:3 main.asm:7");
  EXPECT_EQ(outcome.diagnostics, "");
}

TEST(Includes, NamesThatFindNothing) {
  const SourceCase cases[] = {
      {"#include \"none.inc\"\n#include\n#include  \t\n#include \"\"\n", "\n", "0",
       "Error #101 in main.asm, line 1: Cannot find file \"none.inc\"\n"
       "Error #111 in main.asm, line 2: Filename expected\n"
       "Error #111 in main.asm, line 3: Filename expected\n"
       "Error #101 in main.asm, line 4: Cannot find file \"\"\n"},
      {"#if 0\n#include none.inc\n#endif\n", "\n", "0"},
  };
  expectOutcomes(cases);
}

TEST(Includes, AreLookedUpInTheMainDirectoryThenInTheIncludeDirectory) {
  SourceTree tree;
  RunSettings settings;
  settings.includeDirectories = {tree.pathOf("lib")};
  tree.job.useSettings(settings);
  tree.write("main.asm", "#include both.inc\n#include \"only.inc\"\n#include sub\\nested.inc\n");
  tree.write("both.inc", "main both\n");
  tree.write("lib/both.inc", "lib both\n");
  tree.write("lib/only.inc", "lib only\n");
  // Relative names inside an included file still start from the main directory.
  tree.write("sub/nested.inc", "#include deeper.inc\n");
  tree.write("sub/deeper.inc", "sub deeper\n");
  tree.write("deeper.inc", "main deeper\n");
  const std::string directoryBefore = platform::currentDirectory();

  const Outcome outcome = tree.preprocess();
  EXPECT_EQ(outcome.text, "main both\nlib only\nmain deeper\n");
  EXPECT_EQ(outcome.diagnostics, "");
  EXPECT_EQ(tree.job.source->files().at(2), tree.pathOf("lib/only.inc"));
  EXPECT_EQ(platform::currentDirectory(), directoryBefore);
}

// A name not found as written matches files in any letter case, component by
// component; one match is read, several are an error that names them.
TEST(Includes, NamesInAnotherLetterCase) {
  SourceTree tree;
  RunSettings settings;
  settings.includeDirectories = {tree.pathOf("lib")};
  tree.job.useSettings(settings);
  tree.write("main.asm",
             "#include \"SUB\\Lib.INC\"\n#include sub/lib.inc\n#include a.inc\n#include Shared.Inc\n#include TWICE.H\n");
  tree.write("sub/lib.inc", "sub lib\n");
  tree.write("a.inc", "lower a\n");
  tree.write("A.INC", "upper a\n");
  tree.write("lib/shared.inc", "lib shared\n");
  tree.write("twice.h", "");
  tree.write("Twice.h", "");
  const Outcome outcome = tree.preprocess();
  EXPECT_EQ(outcome.text, "sub lib\nlower a\nlib shared\n");
  EXPECT_EQ(outcome.diagnostics,
            "Warning #102 in main.asm, line 2: File sub/lib.inc included more than once\n"
            "Error #104 in main.asm, line 5: Several files match TWICE.H (Twice.h, twice.h)\n");
  EXPECT_EQ(tree.job.source->files().at(3), tree.pathOf("lib/shared.inc"));
}

TEST(Includes, AMacroMayNameTheFile) {
  SourceTree tree;
  tree.write("main.asm", "#define LIB \"lib.inc\"\n#include LIB\nVALUE\n");
  tree.write("lib.inc", "#define VALUE 42\n");
  EXPECT_EQ(tree.preprocess().text, "42\n");
}

// The included file adds a name with a first character of its own: the lines
// after the #include must be looked at for it, the included file's own lines too.
TEST(Includes, NamesDefinedInAnIncludedFileAreCalledAfterIt) {
  SourceTree tree;
  tree.write("main.asm", "VALUE\n#include lib.inc\nVALUE _V\n");
  tree.write("lib.inc", "#define VALUE 42\nVALUE\n#define _V 1\n");
  const Outcome outcome = tree.preprocess();
  EXPECT_EQ(outcome.text, "VALUE\n42\n42 1\n");
  EXPECT_EQ(outcome.diagnostics, "");
}

TEST(Includes, EachFileHasItsOwnBlocksAndItsOwnEnd) {
  SourceTree tree;
  tree.write("main.asm", "#if 1\n#include a.inc\nmain\n#endif\n#include b.inc\nlast\n");
  tree.write("a.inc", "#endif\n#ifdef NOTHING\nhidden\n");
  tree.write("b.inc", "b1\n.END\nb2\n");
  const Outcome outcome = tree.preprocess();
  EXPECT_EQ(outcome.text, "main\nb1\nlast\n");
  EXPECT_EQ(outcome.records, "main.asm:3 b.inc:1 main.asm:6");
  EXPECT_EQ(outcome.diagnostics,
            "Error #124 in a.inc, line 1: #endif directive without #if\n"
            "Error #120 in a.inc, line 3: End of file before #endif directive\n");
}

TEST(Includes, FileIsTheMainFileEverywhere) {
  SourceTree tree;
  tree.write("main.asm", "#include inc.asm\n.db __FILE__\n");
  tree.write("inc.asm", ".db __FILE__\n");
  EXPECT_EQ(tree.preprocess().text, ".db \"main.asm\"\n.db \"main.asm\"\n");
}

// Records keep the full file index, so lines of the 300th file still name it.
TEST(Includes, ManyFilesKeepTheirNames) {
  SourceTree tree;
  std::string main;
  for (int i = 1; i <= 300; ++i) {
    const std::string name = "f" + std::to_string(i) + ".inc";
    tree.write(name, "x" + std::to_string(i) + "\n");
    main += "#include " + name + "\n";
  }
  tree.write("main.asm", main);
  tree.preprocess();
  ASSERT_EQ(tree.job.source->lines().size(), 300U);
  EXPECT_EQ(tree.job.source->fileNameOf(299), tree.pathOf("f300.inc"));
  EXPECT_EQ(tree.job.source->fileNameOf(255), tree.pathOf("f256.inc"));
  EXPECT_EQ(tree.job.fileCount, 301);
}

}  // namespace
