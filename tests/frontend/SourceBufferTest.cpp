#include <gtest/gtest.h>

#include <string>

#include "frontend/SourceBuffer.h"

namespace {

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
    source.expect(1000 * static_cast<std::size_t>(i), 50);
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

// Only a single line written together with its record is known by length; the
// records of lines written in one piece, or of a line longer than a byte counts,
// leave it to the reader to find the line's end.
TEST(SourceBuffer, KnowsTheLengthOfALineWrittenWithItsRecord) {
  SourceBuffer source;
  source.writeRecordedLine(" nop\n", 0, 1);
  source.writeLine(" a\n b\n");
  source.addLine(0, 2);
  source.addLine(0, 2);
  source.writeRecordedLine(std::string(300, 'x') + "\n", 0, 3);
  EXPECT_EQ(source.statementOf(0).lineLength, 5);
  EXPECT_EQ(source.statementOf(1).lineLength, 0);
  EXPECT_EQ(source.statementOf(2).lineLength, 0);
  EXPECT_EQ(source.statementOf(3).lineLength, 0);
  EXPECT_EQ(source.lineNumberOf(3), 3);
  EXPECT_EQ(source.readLine(), " nop\n");
}

TEST(SourceBuffer, ListsIncludedFilesByTheirExactPath) {
  SourceBuffer source;
  source.addFile("/src/Main.asm");
  EXPECT_TRUE(source.isIncluded("/src/Main.asm"));
  EXPECT_FALSE(source.isIncluded("/src/main.asm"));
}

}  // namespace
