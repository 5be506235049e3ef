// How a line splits into label, statement word and the text after it. The word
// ends are found eight characters at a time, so the cases put separators, other
// control characters and line ends at every distance from a word's start.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/StatementLine.h"

namespace {

using Part = std::optional<std::string>;

struct SplitCase {
  std::string line;
  Part label;
  Part word;
  Part rest;
  char localLabelChar = '@';
};

std::ostream& operator<<(std::ostream& out, const SplitCase& c) { return out << testing::PrintToString(c.line); }

Part partOf(std::optional<std::string_view> part) { return part ? Part(std::string(*part)) : std::nullopt; }

class StatementSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(StatementSplit, FindsLabelWordAndRest) {
  const SplitCase& c = GetParam();
  const StatementLine statement = splitStatement(c.line, c.localLabelChar);
  EXPECT_EQ(partOf(statement.label), c.label);
  EXPECT_EQ(partOf(statement.word), c.word);
  EXPECT_EQ(partOf(statement.rest), c.rest);
}

const std::nullopt_t NONE = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Lines, StatementSplit,
    testing::Values(SplitCase{"        ld a,b\n", NONE, "ld", "a,b"},
                    SplitCase{"loop:   djnz loop\n", "loop:", "djnz", "loop"},
                    SplitCase{"a_label_of_many_characters: ld\n", "a_label_of_many_characters:", "ld", NONE},
                    SplitCase{"x\tnop\n", "x", "nop", NONE},
                    SplitCase{"x  \n", "x", NONE, NONE},
                    SplitCase{"label", "label", NONE, NONE},
                    SplitCase{"", NONE, NONE, NONE},
                    SplitCase{"\n", NONE, NONE, NONE},
                    SplitCase{"\t\t\t\t\t\t\t\t\tnop\n", NONE, "nop", NONE},
                    SplitCase{std::string(24, ' ') + "nop  a \n", NONE, "nop", " a "},
                    // Only space, tab and line feed separate words.
                    SplitCase{"lbl\rx ld\n", "lbl\rx", "ld", NONE},
                    SplitCase{"\vld a\n", NONE, "\vld", "a"},
                    SplitCase{std::string(" ld\0x y\n", 8), NONE, std::string("ld\0x", 4), "y"},
                    SplitCase{" abcdefg\fhijklmnop\x80q r\n", NONE, "abcdefg\fhijklmnop\x80q", "r"},
                    // A line that is not ended by a line feed keeps its last character.
                    SplitCase{" ld", NONE, "ld", NONE},
                    SplitCase{" ld a", NONE, "ld", "a"},
                    SplitCase{" ld12345", NONE, "ld12345", NONE},
                    SplitCase{"12345678abcdefgh ld\n", NONE, "12345678abcdefgh", "ld"},
                    SplitCase{"@@x ret\n", "@@x", "ret", NONE},
                    SplitCase{"?x ld a,b\n", "?x", "ld", "a,b", '?'},
                    SplitCase{"?x ld a,b\n", NONE, "?x", "ld a,b"},
                    // A statement may follow a label's colon directly; other colons stay in the label.
                    SplitCase{"loop:djnz loop\n", "loop:", "djnz", "loop"},
                    SplitCase{"done:ret\n", "done:", "ret", NONE},
                    SplitCase{"s:.db 1\n", "s:", ".db", "1"},
                    SplitCase{"a:b:c d\n", "a:", "b:c", "d"},
                    SplitCase{"x::\n", "x::", NONE, NONE},
                    SplitCase{"x:1 nop\n", "x:1", "nop", NONE},
                    SplitCase{"x:$\n", "x:$", NONE, NONE}));

}  // namespace
