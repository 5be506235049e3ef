// Pass 2 takes a line's statement from where pass 1 found it; that must be the
// very word and text a fresh split of the line gives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/StatementLine.h"

namespace {

void expectSameStatement(const std::string& line, char localLabelChar = '@') {
  const StatementLine split = splitStatement(line, localLabelChar);
  const StatementSpan span = spanOf(split, line);
  ASSERT_TRUE(span.described()) << line;
  const StatementLine kept = statementAt(line, span);
  EXPECT_EQ(kept.word, split.word) << line;
  EXPECT_EQ(kept.rest, split.rest) << line;
  if (kept.word) {
    EXPECT_EQ(kept.word->data(), split.word->data()) << line;
  }
  if (kept.rest) {
    EXPECT_EQ(kept.rest->data(), split.rest->data()) << line;
  }
}

TEST(StatementSpan, GivesBackTheWordAndTextOfTheSplit) {
  const std::vector<std::string> lines = {
      "        ld a,(ix+5)   \n", "loop:   djnz loop\n", "label\n", "label:\n", "\tnop\n", "  \n", "\n",
      " .db 1,2,3\n", "@x ret\n", "x .equ 5\n", " ld\n", " ld \n", " ld  \t a , b\n", "a b c d\n",
      std::string(200, ' ') + "nop " + std::string(40, 'x') + "\n"};
  for (const std::string& line : lines) {
    expectSameStatement(line);
  }
  expectSameStatement("?x ld a,b\n", '?');
}

TEST(StatementSpan, KeepsTheLengthOfTheLine) {
  const std::string line = " ld a,b   \n";
  EXPECT_EQ(spanOf(splitStatement(line, '@'), line).lineLength, line.size());
}

TEST(StatementSpan, LeavesALineTooLongForByteOffsetsUndescribed) {
  const std::string line = " .db " + std::string(300, '1') + "\n";
  EXPECT_FALSE(spanOf(splitStatement(line, '@'), line).described());
  const std::string longest = " nop " + std::string(249, 'x') + "\n";
  ASSERT_EQ(longest.size(), 255u);
  expectSameStatement(longest);
}

// Without a line feed the end of the text after the word is not known from the
// line's length; such a line (only the last one of a buffer can be one) is split
// again by pass 2.
TEST(StatementSpan, LeavesALineWithoutALineFeedUndescribed) {
  for (const std::string line : {" nop", "", "label"}) {
    EXPECT_FALSE(spanOf(splitStatement(line, '@'), line).described()) << line;
  }
}

TEST(StatementSpan, StartsUndescribed) { EXPECT_FALSE(StatementSpan{}.described()); }

}  // namespace
