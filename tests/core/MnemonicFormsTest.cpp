// The forms of a mnemonic, sorted by the first and last operand characters, must
// pick the very entry that a scan of the whole table in file order picks.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/InstructionEncoder.h"
#include "core/MnemonicIndex.h"
#include "core/OperandMatcher.h"
#include "core/OperandText.h"
#include "tests/support/TestJob.h"

namespace {

const std::string TABLE_PATH = std::string(QUARN_SOURCE_DIR) + "/data/vozo80.tab";

// The first entry in file order with this mnemonic whose pattern the operands fit.
const TableEntry* scanTable(const std::deque<TableEntry>& table, std::string_view mnemonic,
                            std::optional<std::string_view> operands) {
  for (const TableEntry& entry : table) {
    if (entry.mnemonic == mnemonic && matchOperands(operands, entry.argPattern)) {
      return &entry;
    }
  }
  return nullptr;
}

// Operand texts made from a pattern: arguments of several kinds in place of the
// wildcards, letters in either case, blanks between the elements, and now and
// then a character dropped or added.
std::vector<std::string> textsFor(std::string_view pattern, std::mt19937& random) {
  static const std::vector<std::string> ARGUMENTS = {"5",  "label", "(1)+(2)", "','", "')'", "(x)", "",
                                                     "a",  "(hl)",  "ix+3",    "'\\''", "b,c", "0FFh"};
  std::vector<std::string> texts;
  for (int variant = 0; variant < 24; ++variant) {
    std::string text;
    for (const char c : pattern) {
      if (random() % 5 == 0) {
        text += random() % 2 == 0 ? " " : "\t";
      }
      if (c == '*') {
        text += ARGUMENTS[random() % ARGUMENTS.size()];
      } else {
        text += random() % 2 == 0 ? static_cast<char>(std::tolower(static_cast<unsigned char>(c))) : c;
      }
    }
    if (variant % 6 == 5 && !text.empty()) {
      text.erase(random() % text.size(), 1);
    } else if (variant % 6 == 4) {
      text.insert(random() % (text.size() + 1), 1, "(),AIXh *"[random() % 9]);
    }
    texts.push_back(text);
  }
  return texts;
}

class MnemonicFormsOfTheTable : public testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(job.loadInstructionTable(TABLE_PATH), 1) << TABLE_PATH; }

  void expectSameAsScan(std::string_view mnemonic, std::optional<std::string_view> operands) {
    const MnemonicForms* forms = index.formsFor(mnemonic);
    ASSERT_NE(forms, nullptr) << mnemonic;
    EXPECT_EQ(forms->firstMatch(operands), scanTable(job.instructionTable, mnemonic, operands))
        << mnemonic << " [" << operands.value_or("(none)") << "]";
  }

  TestJob job;
  MnemonicIndex index{job.instructionTable};
};

TEST_F(MnemonicFormsOfTheTable, PickTheEntryAScanInFileOrderPicks) {
  std::mt19937 random(2024);
  for (const TableEntry& entry : job.instructionTable) {
    for (const std::string& text : textsFor(entry.argPattern, random)) {
      expectSameAsScan(entry.mnemonic, text);
    }
  }
}

TEST_F(MnemonicFormsOfTheTable, TellAbsentBlankAndOddOperandsApart) {
  for (const char* mnemonic : {"NOP", "LD", "JP", "RET", "RST", "IN", "OUT", "BIT"}) {
    expectSameAsScan(mnemonic, std::nullopt);
    for (const char* text : {"", "  ", "\t", "*", ",", "(", ")", "'", "\\", "a,", ",a", "((", "0,(ix+'(')",
                             "a,(ix)", "A , ( IX + 5 ) ", "iXh,IxL", "(hl),'a'", "(c)", "\x80", "a,b,c",
                             "0123456789abcdef0", "a,(bc)xxxxxxxxxxxxxxxx",
                             // The blanks a comment leaves behind.
                             "a,b         ", "(hl) \t \t", "a,(ix+1)                ", "        ", "a \v",
                             "  \f0", "\t(c)\t        "}) {
      expectSameAsScan(mnemonic, text);
    }
  }
}

TEST_F(MnemonicFormsOfTheTable, KnowOnlyTheTablesMnemonicsInAnyCase) {
  EXPECT_NE(index.formsFor("ld"), nullptr);
  EXPECT_NE(index.formsFor("Djnz"), nullptr);
  EXPECT_EQ(index.formsFor("LDX"), nullptr);
  EXPECT_EQ(index.formsFor(""), nullptr);
  EXPECT_EQ(index.formsFor("LONGERTHANSEVEN"), nullptr);
}

// Appends one table line to the job's table, as .ADDINSTR does.
void appendEntry(TestJob& job, const char* line) {
  std::string text(line);
  ASSERT_EQ(job.parseTableEntry(text), 1);
}

// Entries appended to the table later must take their place behind the earlier
// ones in every list, and a new first character must still see the earlier
// entries that start with a wildcard.
TEST(MnemonicForms, TakeInAppendedEntriesBehindTheEarlierOnes) {
  TestJob job;
  MnemonicIndex index(job.instructionTable);
  appendEntry(job, "LD A,B 78 1 NONE 1");
  appendEntry(job, "LD *,C 79 2 NONE 1");
  EXPECT_EQ(index.formsFor("ld")->firstMatch("a,b"), &job.instructionTable[0]);
  EXPECT_EQ(index.formsFor("ld")->firstMatch("x,c"), &job.instructionTable[1]);
  appendEntry(job, "LD X,C 7A 1 NONE 1");
  appendEntry(job, "LD * 7B 2 NONE 1");
  appendEntry(job, "LD \"\" 7C 1 NONE 1");
  appendEntry(job, "LD \"\" 7D 1 NONE 1");
  const MnemonicForms* forms = index.formsFor("LD");
  EXPECT_EQ(forms->firstMatch("x,c"), &job.instructionTable[1]);
  EXPECT_EQ(forms->firstMatch("x,d"), &job.instructionTable[3]);
  EXPECT_EQ(forms->firstMatch("a,b"), &job.instructionTable[0]);
  EXPECT_EQ(forms->firstMatch("q"), &job.instructionTable[3]);
  EXPECT_EQ(forms->firstMatch(" "), &job.instructionTable[3]);
  EXPECT_EQ(forms->firstMatch(std::nullopt), &job.instructionTable[4]);
}

// Forms made by hand, one mnemonic's, in table order, for the orders and ends
// the shipped table does not have.
class HandMadeForms {
public:
  explicit HandMadeForms(const std::vector<std::string>& patterns) {
    for (const std::string& pattern : patterns) {
      table_.push_back(TableEntry{"OP", pattern});
    }
    for (const TableEntry& entry : table_) {
      pointers_.push_back(&entry);
    }
    forms_.emplace(pointers_);
  }

  void expectSameAsScan(std::optional<std::string_view> operands) const {
    const TableEntry* scanned = nullptr;
    for (const TableEntry* entry : pointers_) {
      if (matchOperands(operands, entry->argPattern)) {
        scanned = entry;
        break;
      }
    }
    const TableEntry* found = forms_->firstMatch(operands);
    EXPECT_EQ(found, scanned) << "[" << operands.value_or("(none)") << "] gave "
                              << (found ? found->argPattern.view() : "nothing") << " instead of "
                              << (scanned ? scanned->argPattern.view() : "nothing");
  }

private:
  std::deque<TableEntry> table_;
  std::vector<const TableEntry*> pointers_;
  std::optional<MnemonicForms> forms_;
};

// Wildcards at either end or both, fixed forms behind forms that take their texts,
// long fixed parts, and blank or absent operands.
TEST(MnemonicForms, PickTheFirstFitWhateverEndsThePatternsFix) {
  const HandMadeForms forms({"A,*", "*,B", "A,B", "(*)", "(IX*)", "*)", "(*", "X", "LONGOPENING*",
                             "*,ENDSLONGER", "LONG*OPENING", "", "*", "C", "A,B", "*,*"});
  for (const char* text : {"a,b", "a , b", "x,b", ",b", "b", "a,", "A", "(ix+1)", "(5)", "(5", "5)", "x", "X",
                           "c", "", "  ", "\t", "longopening", "LongOpening5", " long opening 5 ", "longopening,b",
                           "1,endslonger", "1, ends longer  ", "endslonger", "long-opening", "longopening",
                           "long5opening", "longopeninglongopening", "ixh", "\tA,\tb\t", "a,(b)", "'b'",
                           "(ix),b", "((1)),b", "')'", "a,b,c", "0123456789abcdef0", "\x80,b", "a\rb"}) {
    forms.expectSameAsScan(text);
  }
  forms.expectSameAsScan(std::string_view("a,\0b", 4));
  forms.expectSameAsScan(std::nullopt);
}

// More first and last characters than the lists have classes for: the forms past
// the limit share a list and must still be found in table order.
TEST(MnemonicForms, KeepTableOrderPastTheLimitOfCharacterClasses) {
  std::vector<char> ends;
  for (int code = '!'; code <= 0xFE; ++code) {
    if (code != '*' && code != 0x7F && !(code >= 'a' && code <= 'z')) {
      ends.push_back(static_cast<char>(code));
    }
  }
  std::vector<std::string> patterns;
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < ends.size(); ++i) {
    const char first = ends[i];
    const char last = ends[(i + 7) % ends.size()];
    patterns.push_back(std::string{first} + "*" + last);
    patterns.push_back(std::string{first} + last);
    texts.push_back(std::string{first} + "5" + last);
    texts.push_back(std::string{first} + last);
    texts.push_back(std::string{first} + "5" + first);
  }
  patterns.push_back("*");
  const HandMadeForms forms(patterns);
  for (const std::string& text : texts) {
    forms.expectSameAsScan(text);
  }
}

// A mnemonic whose forms were sorted by a lookup takes in the entries appended
// after it, even with ends no earlier pattern had; a new mnemonic becomes known.
TEST(MnemonicForms, SortAgainWhenEntriesArriveAfterALookup) {
  TestJob job;
  MnemonicIndex index(job.instructionTable);
  const auto& table = job.instructionTable;
  appendEntry(job, "LD A,* 3E 2 NONE 1");
  EXPECT_EQ(index.formsFor("ld")->firstMatch("a,5"), &table[0]);
  EXPECT_EQ(index.formsFor("ld")->firstMatch("(5),a"), nullptr);
  EXPECT_EQ(index.formsFor("xor"), nullptr);
  appendEntry(job, "LD (*),A 32 3 NONE 1");
  appendEntry(job, "XOR * EE 2 NONE 1");
  EXPECT_EQ(index.formsFor("ld")->firstMatch("(5),a"), &table[1]);
  EXPECT_EQ(index.formsFor("ld")->firstMatch("q"), nullptr);
  appendEntry(job, "LD * 01 2 NONE 1");
  appendEntry(job, "LD A,5 02 1 NONE 1");
  const MnemonicForms* forms = index.formsFor("Ld");
  EXPECT_EQ(forms->firstMatch("q"), &table[3]);
  EXPECT_EQ(forms->firstMatch("a,5"), &table[0]);
  EXPECT_EQ(forms->firstMatch("(5),a"), &table[1]);
  EXPECT_EQ(forms->firstMatch(""), &table[3]);
  EXPECT_EQ(forms->firstMatch(std::nullopt), nullptr);
  ASSERT_NE(index.formsFor("XOR"), nullptr);
  EXPECT_EQ(index.formsFor("xor")->firstMatch("a"), &table[2]);
}

}  // namespace
