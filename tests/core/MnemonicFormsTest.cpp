// The forms of a mnemonic, sorted by the first operand character, must pick the
// very entry that a scan of the whole table in file order picks.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/MnemonicIndex.h"
#include "core/OperandMatcher.h"
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
                             "0123456789abcdef0", "a,(bc)xxxxxxxxxxxxxxxx"}) {
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

// Entries appended to the table later must take their place behind the earlier
// ones in every list, and a new first character must still see the earlier
// entries that start with a wildcard.
TEST(MnemonicForms, TakeInAppendedEntriesBehindTheEarlierOnes) {
  TestJob job;
  MnemonicIndex index(job.instructionTable);
  const auto append = [&job](const char* line) {
    std::string text(line);
    ASSERT_EQ(job.parseTableEntry(text), 1);
  };
  append("LD A,B 78 1 NONE 1");
  append("LD *,C 79 2 NONE 1");
  EXPECT_EQ(index.formsFor("ld")->firstMatch("a,b"), &job.instructionTable[0]);
  EXPECT_EQ(index.formsFor("ld")->firstMatch("x,c"), &job.instructionTable[1]);
  append("LD X,C 7A 1 NONE 1");
  append("LD * 7B 2 NONE 1");
  append("LD \"\" 7C 1 NONE 1");
  append("LD \"\" 7D 1 NONE 1");
  const MnemonicForms* forms = index.formsFor("LD");
  EXPECT_EQ(forms->firstMatch("x,c"), &job.instructionTable[1]);
  EXPECT_EQ(forms->firstMatch("x,d"), &job.instructionTable[3]);
  EXPECT_EQ(forms->firstMatch("a,b"), &job.instructionTable[0]);
  EXPECT_EQ(forms->firstMatch("q"), &job.instructionTable[3]);
  EXPECT_EQ(forms->firstMatch(" "), &job.instructionTable[3]);
  EXPECT_EQ(forms->firstMatch(std::nullopt), &job.instructionTable[4]);
}

}  // namespace
