#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "job/ProgramExit.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestJob.h"

namespace {

struct EntryCase {
  std::string line;
  std::string mnemonic;
  std::string pattern;
  std::uint32_t opcode;
  int opcodeSize, argSize, size;
  EncodingModifier modifier;
  std::uint16_t shift, orMask;
};

std::ostream& operator<<(std::ostream& out, const EntryCase& c) { return out << c.line; }

class TableEntryFields : public testing::TestWithParam<EntryCase> {};

TEST_P(TableEntryFields, AreReadFromTheLine) {
  const EntryCase& c = GetParam();
  TestJob job;
  std::string text = c.line;
  ASSERT_EQ(job.parseTableEntry(text), 1) << job.consoleText();
  ASSERT_EQ(job.instructionTable.size(), 1u);
  const TableEntry& entry = job.instructionTable.front();
  EXPECT_EQ(entry.mnemonic, c.mnemonic);
  EXPECT_EQ(entry.argPattern, c.pattern);
  EXPECT_EQ(entry.opcode, c.opcode);
  EXPECT_EQ(entry.opcodeSize, c.opcodeSize);
  EXPECT_EQ(entry.argSize, c.argSize);
  EXPECT_EQ(entry.size, c.size);
  EXPECT_EQ(entry.modifier, c.modifier);
  EXPECT_EQ(entry.instrClass, 1);
  EXPECT_EQ(entry.shift, c.shift);
  EXPECT_EQ(entry.orMask, c.orMask);
  EXPECT_EQ(job.consoleText(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, TableEntryFields,
    testing::Values(EntryCase{"LD A,(HL) 7E 1 NOP 1", "LD", "A,(HL)", 0x7E, 1, 0, 1, MOD_NONE, 0, 0},
                    EntryCase{"JP * C3 3 NOP 1", "JP", "*", 0xC3, 1, 2, 3, MOD_NONE, 0, 0},
                    EntryCase{"LD IX,* 21DD 4 NOP 1", "LD", "IX,*", 0x21DD, 2, 2, 4, MOD_NONE, 0, 0},
                    EntryCase{"LD (IX*),* 36 4 COMBINE 1", "LD", "(IX*),*", 0x36, 2, 2, 4, MOD_COMBINE, 0, 0},
                    EntryCase{"LD A,(IX*) 7EDD 3 NOP 1", "LD", "A,(IX*)", 0x7EDD, 2, 1, 3, MOD_NONE, 0, 0},
                    EntryCase{"X * 123456 5 NOP 1", "X", "*", 0x123456, 3, 2, 5, MOD_NONE, 0, 0},
                    EntryCase{"X * 12 6 NOP 1", "X", "*", 0x12, 4, 2, 6, MOD_NONE, 0, 0},
                    EntryCase{"X * 0x12 0x2 NOP 1", "X", "*", 0x12, 1, 1, 2, MOD_NONE, 0, 0},
                    EntryCase{"X * 12 06 NOP 1", "X", "*", 0x12, 4, 2, 6, MOD_NONE, 0, 0},
                    // Only the low 32 bits of an overlong opcode are kept.
                    EntryCase{"X * 1234567890ABCDEF7E 6 NOP 1", "X", "*", 0xABCDEF7E, 4, 2, 6, MOD_NONE, 0, 0}));

INSTANTIATE_TEST_SUITE_P(
    Fields, TableEntryFields,
    testing::Values(EntryCase{"nop \"\" 00 1 none 1", "NOP", "", 0, 1, 0, 1, MOD_NONE, 0, 0},
                    EntryCase{"JR * 18 2 R1 1", "JR", "*", 0x18, 1, 1, 2, MOD_R1, 0, 0},
                    EntryCase{"BIT *,A 47CB 2 ZBIT 1", "BIT", "*,A", 0x47CB, 2, 0, 2, MOD_ZBIT, 0, 0},
                    EntryCase{"LD (IX*),* 36DD 4 ZIX 1", "LD", "(IX*),*", 0x36DD, 2, 2, 4, MOD_COMBINE, 0, 0},
                    EntryCase{"X *,* ED 3 cswap 1", "X", "*,*", 0xED, 1, 2, 3, MOD_CSWAP, 0, 0},
                    EntryCase{"BIT *,(IX*) CBDD 4 ZBIT 1 5 4600", "BIT", "*,(IX*)", 0xCBDD, 2, 2, 4, MOD_ZBIT, 5,
                              0x4600},
                    EntryCase{"X * 12 2 NOP 1 7", "X", "*", 0x12, 1, 1, 2, MOD_NONE, 7, 0},
                    EntryCase{"\tX\t*\t12\t2\tNOP\t1\t0\t80\n", "X", "*", 0x12, 1, 1, 2, MOD_NONE, 0, 0x80},
                    // Only the low 8 bits of the class count.
                    EntryCase{"X * 12 2 NOP 257", "X", "*", 0x12, 1, 1, 2, MOD_NONE, 0, 0},
                    // A modifier is its exact word; a longer word is no modifier and
                    // leaves the fields after it alone.
                    EntryCase{"X * 12 2 ZBITS 1", "X", "*", 0x12, 1, 1, 2, MOD_NONE, 0, 0},
                    EntryCase{"X * 12 2 COMBINED 1 3 4", "X", "*", 0x12, 1, 1, 2, MOD_NONE, 3, 4},
                    EntryCase{"X * 12 2 ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJ 1 3 4", "X", "*", 0x12, 1, 1, 2,
                              MOD_NONE, 3, 4}));

// Words are cut at their field width and the rest is read as the next field.
INSTANTIATE_TEST_SUITE_P(
    OverlongWords, TableEntryFields,
    testing::Values(EntryCase{"ABCDEFGHI 12 2 NOP 1", "ABCDEFG", "HI", 0x12, 1, 1, 2, MOD_NONE, 0, 0},
                    EntryCase{"X 123456789ABCDEF12 3 NOP 1", "X", "123456789ABCDEF", 0x12, 1, 2, 3, MOD_NONE, 0,
                              0}));

// The scanner passes over runs of blanks eight at a time and finishes every run,
// and any other white space, a character at a time; a field may start on either
// side of an eight-character step, and the text may end inside one.
INSTANTIATE_TEST_SUITE_P(
    WhiteSpace, TableEntryFields,
    testing::Values(EntryCase{"X        *       12 2 NOP 1", "X", "*", 0x12, 1, 1, 2, MOD_NONE, 0, 0},
                    EntryCase{"X         *      \t 12\t        2 NOP 1", "X", "*", 0x12, 1, 1, 2, MOD_NONE, 0, 0},
                    EntryCase{"X       \t\v\f\r*                12 2 NOP 1\n", "X", "*", 0x12, 1, 1, 2, MOD_NONE, 0, 0},
                    EntryCase{"X * 12 2 NOP 1        3                4       ", "X", "*", 0x12, 1, 1, 2, MOD_NONE, 3,
                              4},
                    EntryCase{"X * 12 2 NOP 1 1F", "X", "*", 0x12, 1, 1, 2, MOD_NONE, 0x1F, 0}));

// Signs and prefixes of the number fields, and words that fill their width exactly.
INSTANTIATE_TEST_SUITE_P(
    Numbers, TableEntryFields,
    testing::Values(EntryCase{"X * -1 2 NOP 1", "X", "*", 0xFFFFFFFF, 2, 0, 2, MOD_NONE, 0, 0},
                    EntryCase{"X * +0X1f +2 NOP +1 -1 -80", "X", "*", 0x1F, 1, 1, 2, MOD_NONE, 0xFFFF, 0xFF80},
                    EntryCase{"X * 12 0x3 NOP 65537 0x10 0X20", "X", "*", 0x12, 1, 2, 3, MOD_NONE, 0x10, 0x20},
                    EntryCase{"X * 12 04 NOP 1", "X", "*", 0x12, 2, 2, 4, MOD_NONE, 0, 0},
                    EntryCase{"X * 0 1 NOP 1 0", "X", "*", 0, 1, 0, 1, MOD_NONE, 0, 0},
                    EntryCase{"ABCDEFG 123456789ABCDEF 12 2 NOP 1", "ABCDEFG", "123456789ABCDEF", 0x12, 1, 1, 2,
                              MOD_NONE, 0, 0}));

struct RejectedCase {
  std::string line;
  std::string message;
};

std::ostream& operator<<(std::ostream& out, const RejectedCase& c) { return out << c.line; }

class RejectedEntries : public testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedEntries, PrintTheirLineAndAddNothing) {
  TestJob job;
  std::string text = GetParam().line;
  EXPECT_EQ(job.parseTableEntry(text), 0);
  EXPECT_EQ(job.consoleText(), GetParam().message + "\n");
  EXPECT_TRUE(job.instructionTable.empty());
  EXPECT_EQ(job.errorCount, 0);
}

const std::string INCOMPLETE = "Incomplete entry in table file";
const std::string BAD_NBYTES = "Invalid value in nbytes field of table entry";

INSTANTIATE_TEST_SUITE_P(
    Lines, RejectedEntries,
    testing::Values(RejectedCase{"LD A,B 78 1 NOP", INCOMPLETE}, RejectedCase{"", INCOMPLETE},
                    RejectedCase{"LD", INCOMPLETE}, RejectedCase{"LD A,B XY 1 NOP 1", INCOMPLETE},
                    RejectedCase{"LD A,B 78 one NOP 1", INCOMPLETE}, RejectedCase{"LD A,B 78 1 NOP x", INCOMPLETE},
                    RejectedCase{"ABCDEFGHI * 12 2 NOP 1", INCOMPLETE}, RejectedCase{"LD A,B 78 0 NOP 1", BAD_NBYTES},
                    RejectedCase{"LD A,B 78 7 NOP 1", BAD_NBYTES}, RejectedCase{"LD A,B 78 -1 NOP 1", BAD_NBYTES},
                    RejectedCase{"LD A,B 78 010 NOP 1", BAD_NBYTES},
                    RejectedCase{"LD A,B 78 65537 NOP 1", BAD_NBYTES},
                    RejectedCase{"LD A,B 78 18446744073709551617 NOP 1", BAD_NBYTES},
                    // An opcode of two bytes cannot fit an instruction of one.
                    RejectedCase{"LD A,B 1234 1 NOP 1", BAD_NBYTES},
                    // "0x" without a digit after it is the number 0, and the x ends it.
                    RejectedCase{"LD A,B 0x 1 NOP 1", INCOMPLETE},
                    // A leading 0 makes the size octal: 08 is 0, and 8 the modifier.
                    RejectedCase{"LD A,B 78 08 NOP 1", INCOMPLETE},
                    RejectedCase{"LD A,B 78 - NOP 1", INCOMPLETE},
                    // The largest 64-bit magnitude does not overflow, but is too large
                    // for a size all the same.
                    RejectedCase{"LD A,B 78 18446744073709551615 NOP 1", BAD_NBYTES},
                    RejectedCase{"LD A,B 78 -9223372036854775808 NOP 1", BAD_NBYTES},
                    RejectedCase{"LD A,B 78 0x10000000000000001 NOP 1", BAD_NBYTES},
                    RejectedCase{"LD A,B 78 02000000000000000000001 NOP 1", BAD_NBYTES}));

TEST(TableEntry, OfAnotherClassIsAcceptedButNotAdded) {
  TestJob job;
  std::string text = "LD A,B 78 1 NOP 2";
  EXPECT_EQ(job.parseTableEntry(text), 1);
  EXPECT_TRUE(job.instructionTable.empty());
  EXPECT_EQ(job.consoleText(), "");
}

TEST(TableEntry, TextIsUpperCasedInPlace) {
  TestJob job;
  std::string text = "ld a,b 78 1 nop 1";
  job.parseTableEntry(text);
  EXPECT_EQ(text, "LD A,B 78 1 NOP 1");
}

// What loading a table file printed, and whether it ended the program.
struct LoadOutcome {
  std::optional<int> result;  // nothing when the program was ended
  std::string console;
  std::size_t entries = 0;
};

LoadOutcome loadTable(const std::string& path) {
  TestJob job;
  LoadOutcome outcome;
  try {
    outcome.result = job.loadInstructionTable(path);
  } catch (const ProgramExit& exit) {
    EXPECT_EQ(exit.exitStatus, 1);
  }
  outcome.console = job.consoleText();
  outcome.entries = job.instructionTable.size();
  return outcome;
}

LoadOutcome loadTableText(const TempDir& dir, std::string_view contents) {
  return loadTable(dir.write("test.tab", contents).string());
}

TEST(TableFile, MissingEndsTheProgram) {
  TempDir dir;
  const std::string path = (dir.path() / "absent.tab").string();
  const LoadOutcome outcome = loadTable(path);
  EXPECT_FALSE(outcome.result);
  EXPECT_EQ(outcome.console, "Cannot open table file: " + path + "\n");
}

TEST(TableFile, DirectoryCannotBeOpened) {
  TempDir dir;
  const LoadOutcome outcome = loadTable(dir.path().string());
  EXPECT_FALSE(outcome.result);
  EXPECT_EQ(outcome.console, "Cannot open table file: " + dir.path().string() + "\n");
}

TEST(TableFile, WithoutTitleIsNotATable) {
  TempDir dir;
  for (const std::string_view contents : {"LD A,B 78 1 NOP 1\n\"Title\"\n", "", "; only a comment\n\n   \n"}) {
    const std::string path = (dir.path() / "test.tab").string();
    const LoadOutcome outcome = loadTableText(dir, contents);
    EXPECT_FALSE(outcome.result) << contents;
    EXPECT_EQ(outcome.console, path + " is not a valid TAB file.\n") << contents;
  }
}

TEST(TableFile, SkipsEverythingThatDoesNotStartWithALetter) {
  TempDir dir;
  const LoadOutcome outcome = loadTableText(dir,
                                            "; comment before the title\n"
                                            "\n"
                                            "\"A test table\"\n"
                                            "NOP \"\" 00 1 NOP 1\r\n"
                                            "; LD A,B 78 1 NOP 1\n"
                                            " LD A,B 78 1 NOP 1\n"
                                            "\tLD A,B 78 1 NOP 1\n"
                                            ".LD A,B 78 1 NOP 1\n"
                                            "1LD A,B 78 1 NOP 1\n"
                                            "\"LD A,B 78 1 NOP 1\n"
                                            "RET \"\" C9 1 NOP 1");
  EXPECT_EQ(outcome.result, 1);
  EXPECT_EQ(outcome.console, "");
  EXPECT_EQ(outcome.entries, 2u);
}

TEST(TableFile, StopsAtTheFirstBadEntry) {
  TempDir dir;
  const LoadOutcome outcome = loadTableText(dir,
                                            "\"T\"\n"
                                            "NOP \"\" 00 1 NOP 1\n"
                                            "LD A,B 78 1 NOP\n"
                                            "RET \"\" C9 1 NOP 1\n"
                                            "LD A,B 78 9 NOP 1\n");
  EXPECT_EQ(outcome.result, 0);
  EXPECT_EQ(outcome.console, "Incomplete entry in table file\n");
  EXPECT_EQ(outcome.entries, 1u);
}

// The file is upper-cased as a whole before its lines are read: entries written in
// lower case load as if written in upper case, and a lower-case first word is
// still a letter that makes a line an entry.
TEST(TableFile, ReadsEntriesInAnyCase) {
  TempDir dir;
  TestJob job;
  const std::string path = dir.write("test.tab", "\"a title\"\nld a,(hl) 7e 1 zbit 1 a 1f\nRet \"\" c9 1 nop 1\n").string();
  ASSERT_EQ(job.loadInstructionTable(path), 1) << job.consoleText();
  ASSERT_EQ(job.instructionTable.size(), 2u);
  const TableEntry& load = job.instructionTable[0];
  EXPECT_EQ(load.mnemonic, "LD");
  EXPECT_EQ(load.argPattern, "A,(HL)");
  EXPECT_EQ(load.opcode, 0x7Eu);
  EXPECT_EQ(load.modifier, MOD_ZBIT);
  EXPECT_EQ(load.shift, 0xA);
  EXPECT_EQ(load.orMask, 0x1F);
  EXPECT_EQ(job.instructionTable[1].mnemonic, "RET");
  EXPECT_EQ(job.instructionTable[1].argPattern, "");
}

// Lines are read 126 characters at a time: the rest of a longer line is a line of
// its own, here one that starts with a letter.
TEST(TableFile, ReadsLongLinesInPieces) {
  TempDir dir;
  const std::string longComment = ";" + std::string(125, ' ') + "RET \"\" C9 1 NOP 1\n";
  const LoadOutcome outcome = loadTableText(dir, "\"T\"\n" + longComment);
  EXPECT_EQ(outcome.result, 1);
  EXPECT_EQ(outcome.entries, 1u);
}

}  // namespace
