#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "frontend/SourceLineReader.h"
#include "job/ProgramExit.h"
#include "tests/frontend/SourceTree.h"

namespace {

using namespace std::string_literals;

const std::string TOO_LONG = "Error #103 in main.asm, line 1: Line is too long (>255 chars)\n";

std::string letters(std::size_t count) { return std::string(count, 'a'); }

TEST(SourceLines, LineEndsAndLength) {
  const SourceCase cases[] = {
      {"nop\r\nhalt\r\n", "nop\nhalt\n", "1 2"},
      {"nop\nhalt\n", "nop\nhalt\n", "1 2"},
      // A carriage return that ends no line is an ordinary character.
      {"ld a,\rb\n", "ld a,\rb\n", "1"},
      {"nop\nhalt", "nop\nhalt\n", "1 2"},
      {letters(253) + "\nnop\n", letters(253) + "\nnop\n", "1 2"},
      {letters(254) + "\nnop\n", letters(253) + "\nnop\n", "1 3", TOO_LONG},
      {letters(300) + "\nnop\n", letters(253) + "\n" + letters(46) + "\nnop\n", "1 2 3", TOO_LONG},
      {letters(254), letters(253) + "\n", "1", TOO_LONG},
      {"ld a,\0\n"s, "ld a,\0\n"s, "1"},
  };
  expectOutcomes(cases);
}

// A CR LF pair counts as the one line feed it is read as, also where the length
// limit falls between its two characters or just before it; a carriage return
// anywhere else is kept.
TEST(SourceLines, CarriageReturnsAtTheLengthLimit) {
  const SourceCase cases[] = {
      {letters(252) + "\r\nnop\r\n", letters(252) + "\nnop\n", "1 2"},
      {letters(253) + "\r\nnop\n", letters(253) + "\nnop\n", "1 2"},
      {letters(254) + "\r\nnop\n", letters(253) + "\nnop\n", "1 3", TOO_LONG},
      {letters(300) + "\r\nnop\r\n", letters(253) + "\n" + letters(46) + "\nnop\n", "1 2 3", TOO_LONG},
      {letters(253) + "\rx\n", letters(253) + "\nx\n", "1 2", TOO_LONG},
      {"\r\n\r\nnop\r\n", "nop\n", "3"},
      {"nop\r\r\n", "nop\r\n", "1"},
      {"nop\r", "nop\r\n", "1"},
      {"nop ;x\r\nhalt\r\n", "nop \nhalt\n", "1 2"},
      {"ld a,\0\r\n"s, "ld a,\0\n"s, "1"},
  };
  expectOutcomes(cases);
}

TEST(SourceLines, CommentsEndAtTheFirstFreeSemicolon) {
  const SourceCase cases[] = {
      {"nop ; comment\n", "nop \n", "1"},
      {"; only a comment\n\n   \t\nnop\n", "nop\n", "4"},
      {".db \"a;b\" ;c\n", ".db \"a;b\" \n", "1"},
      {".db \"abc;def\n", ".db \"abc;def\n", "1"},
      {"ld a,';'\n", "ld a,';'\n", "1"},
      // Only a semicolon that is itself the constant is text: one right after a
      // constant, or after a quote that opens none, starts the comment.
      {"ld a,';';x\n", "ld a,';'\n", "1"},
      {"cp 'C';compare\n", "cp 'C'\n", "1"},
      {"ex af,af';swap\n", "ex af,af'\n", "1"},
      {"ld a,'\"' ; \"\n", "ld a,'\"' \n", "1"},
      {"ex af,af' ;swap\n", "ex af,af' \n", "1"},
      {"ld a,';\n", "ld a,'\n", "1"},
      {"nop '", "nop '\n", "1"},
      // A double quote as the very last character of a file with a semicolon in its
      // last line once made the comment scan index past the line.
      {"';'\"", "';'\"\n", "1"},
      {"ld a,';' \"", "ld a,';' \"\n", "1"},
      // Semicolons are searched for through the whole file: each line finds its own.
      {"ld a,';'\nnop ;x\n.db \"a;b\";c\n;\nx;", "ld a,';'\nnop \n.db \"a;b\"\nx\n", "1 2 3 5"},
      // A protected semicolon that gives way to the line end of a cut line starts no
      // comment, in that line or the next.
      {"\"" + letters(252) + ";x;y\nnop;z\n", "\"" + letters(252) + "\nx\nnop\n", "1 2 3", TOO_LONG},
  };
  expectOutcomes(cases);
}

// A comment that starts before a long line is cut hides the whole rest of that
// line: its pieces take their line numbers but none of its text is assembled.
TEST(SourceLines, CommentTailOfALongLineStaysComment) {
  const std::string comment = ";" + letters(190) + " halt";
  const SourceCase cases[] = {
      {letters(100) + comment + "\nnop\n", letters(100) + "\nnop\n", "1 3"},
      {letters(100) + comment + letters(400) + "\nnop\n", letters(100) + "\nnop\n", "1 4"},
      {letters(253) + ";" + letters(40) + "\nnop\n", letters(253) + "\nnop\n", "1 3"},
      {letters(100) + comment, letters(100) + "\n", "1"},
  };
  expectOutcomes(cases);
}

TEST(SourceLines, AnEmptySourceLeavesOneFillerLine) {
  const SourceCase cases[] = {
      {"", "\n", "0"},
      {"; nothing\n#define X\n\n", "\n", "0"},
  };
  expectOutcomes(cases);
}

// The lines are counted in blocks of byte-sized counts that are summed before
// they overflow; the texts put line ends at block edges, leave a partial block
// and hold more line ends in one place than a byte can count.
TEST(SourceLines, LineCountOfTheWholeFile) {
  const std::string manyBlocks = [] {
    std::string text;
    for (std::size_t i = 0; i < 100000; ++i) {
      text += (i % 7 == 0 || i % 128 == 127) ? '\n' : 'x';
    }
    return text;
  }();
  const std::string texts[] = {"",
                               "nop",
                               "nop\n",
                               std::string(127, 'a') + "\n",
                               std::string(128, 'a') + "\n",
                               std::string(128 * 255, '\n'),
                               std::string(128 * 255 + 1, '\n'),
                               std::string(128 * 600 + 5, '\n'),
                               manyBlocks};
  for (const std::string& text : texts) {
    SourceTree tree;
    const std::string path = tree.write("main.asm", text).string();
    const SourceLineReader reader(path, *tree.job.console);
    EXPECT_EQ(reader.lineCount(), static_cast<std::size_t>(std::ranges::count(text, '\n')) + 1) << text.size();
  }
}

TEST(SourceLines, AFileThatCannotBeOpenedEndsTheProgram) {
  for (const char* name : {"missing.asm", "folder"}) {
    SourceTree tree;
    tree.write("folder/inside.asm", "nop\n");
    EXPECT_THROW(tree.preprocess(name), ProgramExit);
    EXPECT_EQ(tree.job.consoleText(), "Error opening file " + tree.pathOf(name) + "\n");
  }
}

}  // namespace
