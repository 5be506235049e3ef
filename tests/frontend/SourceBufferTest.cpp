#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/SourceBuffer.h"
#include "frontend/TextFile.h"
#include "tests/support/TempDir.h"

namespace {

std::vector<std::string> allLines(SourceBuffer& source) {
  std::vector<std::string> lines;
  source.rewind();
  while (const auto line = source.readLine()) {
    lines.emplace_back(*line);
  }
  return lines;
}

// A source buffer that has kept the text of a file holding `content`.
struct KeptSource {
  explicit KeptSource(const std::string& content) : kept(keep(content)) {}
  std::size_t keep(const std::string& content) {
    return source.keepText(*readTextFile(dir.write("file" + std::to_string(files++) + ".asm", content).string()));
  }
  // The line of the kept text that starts at `offset` and runs `length` characters.
  std::string_view lineAt(std::size_t offset, std::size_t length) {
    return std::string_view(source.keptText(kept).data() + offset, length);
  }

  TempDir dir;
  SourceBuffer source;
  int files = 0;
  std::size_t kept;
};

TEST(SourceBuffer, HandsOutLinesWithTheirLineEndsAndStartsOverAfterARewind) {
  SourceBuffer source;
  source.writeLine(" nop\n ld a,b\n");
  source.writeLine("last");
  EXPECT_EQ(source.readLine(), " nop\n");
  EXPECT_EQ(source.readLine(3), " ld");
  EXPECT_EQ(source.readLine(), " a,b\n");
  EXPECT_EQ(source.readLine(), "last");
  EXPECT_EQ(source.readLine(), std::nullopt);
  source.rewind();
  EXPECT_EQ(source.readLine(), " nop\n");
}

// Room made ahead changes nothing that was written, also after a rewind.
TEST(SourceBuffer, KeepsItsTextAndRecordsWhenRoomIsMadeAhead) {
  SourceBuffer source;
  const int file = source.addFile("/src/a.asm");
  source.writeLine(" nop\n");
  source.addLine(static_cast<std::uint32_t>(file), 3);
  for (int i = 0; i < 5; ++i) {
    source.expect(50);
  }
  source.writeLine(" ret\n");
  source.addLine(static_cast<std::uint32_t>(file), 4);
  EXPECT_EQ(source.text(), " nop\n ret\n");
  ASSERT_EQ(source.lines().size(), 2u);
  EXPECT_EQ(source.lineNumberOf(1), 4);
  EXPECT_EQ(source.fileNameOf(1), "/src/a.asm");
  source.rewind();
  EXPECT_EQ(source.readLine(), " nop\n");
}

TEST(SourceBuffer, ListsIncludedFilesByTheirExactPath) {
  SourceBuffer source;
  source.addFile("/src/Main.asm");
  EXPECT_TRUE(source.isIncluded("/src/Main.asm"));
  EXPECT_FALSE(source.isIncluded("/src/main.asm"));
}

// Lines of a kept text close up over the lines left out between them, and mix
// with copied lines and with the lines of another kept text in writing order.
TEST(SourceBuffer, WritesKeptLinesInPlaceInTheirOrderAmongOtherLines) {
  KeptSource main(" ld a,1\n; comment\n\n inc a\n ret\n");
  SourceBuffer& source = main.source;
  source.writeKeptLine(main.kept, main.lineAt(0, 8));
  source.writeLine(" expanded\n");
  source.writeKeptLine(main.kept, main.lineAt(19, 7));

  const std::size_t included = main.keep("; head\n halt\n");
  source.writeKeptLine(included, std::string_view(source.keptText(included).data() + 7, 6));

  source.writeKeptLine(main.kept, main.lineAt(26, 5));
  EXPECT_EQ(allLines(source), (std::vector<std::string>{" ld a,1\n", " expanded\n", " inc a\n", " halt\n", " ret\n"}));
  EXPECT_EQ(source.length(), source.text().size());
  EXPECT_EQ(source.text(), " ld a,1\n expanded\n inc a\n halt\n ret\n");
}

// A line that is not where the kept text's next lines can be (among the lines
// written already, outside the text, or without its line end) is copied instead.
TEST(SourceBuffer, CopiesLinesThatCannotBeWrittenInPlace) {
  KeptSource main(" a\n b\n c");
  SourceBuffer& source = main.source;
  source.writeKeptLine(main.kept, main.lineAt(0, 3));
  source.writeKeptLine(main.kept, main.lineAt(3, 3));
  source.writeKeptLine(main.kept, main.lineAt(3, 3));
  source.writeKeptLine(main.kept, " elsewhere\n");
  source.writeKeptLine(main.kept, main.lineAt(6, 2));
  source.writeLine("\n");
  EXPECT_EQ(source.text(), " a\n b\n b\n elsewhere\n c\n");
}

// A kept line after an unfinished copied line is copied behind it rather than
// splitting it, and an unfinished line moves along whole when the copies need a
// new block.
TEST(SourceBuffer, NeverSplitsALineBetweenPieces) {
  KeptSource main(" kept\n");
  SourceBuffer& source = main.source;
  source.writeLine("start");
  source.writeKeptLine(main.kept, main.lineAt(0, 6));
  // Whole lines up to just short of the first block's end, then one that will
  // not fit behind them.
  const std::string filler = std::string(99, 'f') + "\n";
  for (int i = 0; i < 655; ++i) {
    source.writeLine(filler);
  }
  source.writeLine("unfinished ");
  source.writeLine(std::string(100, 'y'));
  source.writeLine("\n");
  const std::vector<std::string> lines = allLines(source);
  ASSERT_EQ(lines.size(), 657u);
  EXPECT_EQ(lines.front(), "start kept\n");
  EXPECT_EQ(lines.back(), "unfinished " + std::string(100, 'y') + "\n");
  EXPECT_GT(source.pieces().size(), 1u);
  for (const std::string_view piece : source.pieces()) {
    EXPECT_EQ(piece.back(), '\n');
  }
}

}  // namespace
