#include <gtest/gtest.h>

#include <string>

#include "frontend/SourceBuffer.h"

namespace {

// Room made ahead changes nothing that was written.
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
}

TEST(SourceBuffer, ListsIncludedFilesByTheirExactPath) {
  SourceBuffer source;
  source.addFile("/src/Main.asm");
  EXPECT_TRUE(source.isIncluded("/src/Main.asm"));
  EXPECT_FALSE(source.isIncluded("/src/main.asm"));
}

}  // namespace
