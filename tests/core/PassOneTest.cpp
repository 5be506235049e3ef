#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/PassHarness.h"

namespace {

struct StatementCase {
  std::vector<std::string> source;
  std::vector<int> codes;  // diagnostics of pass 1
  std::uint16_t pc;        // the location counter after pass 1
};

std::ostream& operator<<(std::ostream& out, const StatementCase& c) {
  for (const std::string& line : c.source) {
    out << '[' << line << ']';
  }
  return out;
}

class PassOneStatements : public testing::TestWithParam<StatementCase> {};

TEST_P(PassOneStatements, SizesAndReports) {
  const StatementCase& c = GetParam();
  PassHarness run(c.source);
  run.job.passOne();
  EXPECT_EQ(run.codes(), c.codes) << run.job.consoleText();
  EXPECT_EQ(run.job.pc, c.pc);
}

INSTANTIATE_TEST_SUITE_P(
    Instructions, PassOneStatements,
    testing::Values(StatementCase{{" nop", " ld hl,0", " LD IX,0"}, {}, 8},
                    StatementCase{{" foo"}, {400, 4}, 0},
                    StatementCase{{" ld b,c", " nop"}, {401}, 1},
                    StatementCase{{" nop 5"}, {401, 4}, 0},
                    StatementCase{{" ret", " .db 1"}, {}, 2},
                    // An unknown mnemonic does not move the addresses.
                    StatementCase{{" foo 1", " jp 0"}, {400}, 3},
                    StatementCase{{" jp"}, {401, 4}, 0}));

INSTANTIATE_TEST_SUITE_P(
    Labels, PassOneStatements,
    testing::Values(StatementCase{{"loop: djnz loop"}, {}, 2},
                    StatementCase{{"loop djnz loop"}, {}, 2},
                    // Indented, loop: is the statement word.
                    StatementCase{{"  loop: djnz loop"}, {400, 4}, 0},
                    StatementCase{{"ld a,b"}, {303, 400, 4}, 0},
                    StatementCase{{"Nop: nop"}, {303}, 1},
                    StatementCase{{"start:", " nop"}, {}, 1},
                    StatementCase{{"_x: nop"}, {}, 1},
                    StatementCase{{"@x: nop"}, {}, 1},
                    StatementCase{{"loop:djnz loop"}, {}, 2},
                    StatementCase{{"done:ret", "x:nop"}, {}, 2}));

// Words that are neither directives nor instructions are errors, never dropped.
INSTANTIATE_TEST_SUITE_P(
    StrayStatementWords, PassOneStatements,
    testing::Values(StatementCase{{"  _loop: djnz _loop", " nop"}, {400}, 1},
                    StatementCase{{" @x: nop", " nop"}, {400}, 1},
                    StatementCase{{" 1abc", " nop"}, {400}, 1},
                    StatementCase{{" 'x'", " nop"}, {400}, 1},
                    StatementCase{{"label 123", " nop"}, {400}, 1},
                    StatementCase{{" .localLabelChar \"?\"", "@l: nop", "?m: nop"}, {400}, 1},
                    // After a label, a word of punctuation only is warned about and skipped.
                    StatementCase{{"here: $", " nop"}, {304}, 1},
                    StatementCase{{"here: *= 5", " nop"}, {304}, 1},
                    StatementCase{{"here: $+1", " nop"}, {400}, 1},
                    StatementCase{{"here: @", " nop"}, {400}, 1},
                    StatementCase{{"here: _", " nop"}, {400}, 1},
                    StatementCase{{" $", " nop"}, {400}, 1}));

INSTANTIATE_TEST_SUITE_P(
    EmptyOutput, PassOneStatements,
    testing::Values(StatementCase{{"x = 1"}, {4}, 0}, StatementCase{{"only:"}, {4}, 0},
                    StatementCase{{"\t"}, {4}, 0}, StatementCase{{" .org 100h"}, {4}, 0x100}));

struct EquateCase {
  std::string line;
  std::string key;
  std::uint16_t value;
  std::vector<int> codes;
};

class Equates : public testing::TestWithParam<EquateCase> {};

// The equate follows a nop, so that "$" has something to say.
TEST_P(Equates, DefineTheirValueAndAreNotMarked) {
  const EquateCase& c = GetParam();
  PassHarness run({" nop", c.line});
  run.job.passOne();
  EXPECT_EQ(run.codes(), c.codes) << run.job.consoleText();
  EXPECT_EQ(run.symbolValue(c.key), c.value);
  EXPECT_EQ(run.job.source->emitsOf(1), 0);
  EXPECT_EQ(run.job.pc, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, Equates,
    testing::Values(EquateCase{"size = 10", "SIZE", 10, {}}, EquateCase{"size =10", "SIZE", 10, {}},
                    EquateCase{"size .equ 10", "SIZE", 10, {}}, EquateCase{"size EQU 10", "SIZE", 10, {}},
                    EquateCase{"size equ 10", "SIZE", 10, {}}, EquateCase{"size: .EQU 10", "SIZE", 10, {}},
                    EquateCase{"size =10 + 2", "SIZE", 12, {}}, EquateCase{"size =10\t*2", "SIZE", 20, {}},
                    EquateCase{"here = $", "HERE", 1, {}}, EquateCase{"size =", "SIZE", 0, {200}},
                    EquateCase{"size equ", "SIZE", 0, {200}},
                    // Without white space the whole word is an address label.
                    EquateCase{"size=10", "SIZE=10", 1, {}}));

TEST(PassOne, LabelTakesTheAddressBeforeItsInstruction) {
  PassHarness run({" nop", "loop: djnz loop", "end:"});
  run.job.passOne();
  EXPECT_EQ(run.symbolValue("LOOP"), 1);
  EXPECT_EQ(run.symbolValue("END"), 3);
  EXPECT_EQ(run.job.codeBytes, 3);
  EXPECT_EQ(run.job.source->emitsOf(1), 1);
  EXPECT_EQ(run.job.source->emitsOf(2), 0);
  EXPECT_EQ(run.job.source->entryOf(1), &run.job.instructionTable[9]);
}

TEST(PassOne, ReportsNameTheWordAsWritten) {
  PassHarness run({"ld a,b", " ld b,c", "  _loop: nop"});
  run.job.passOne();
  EXPECT_EQ(run.job.consoleText(),
            "First pass...\n"
            "Warning #303 in test.asm, line 1: Whitespace needed before instruction \"LD\"\n"
            "Error #400 in test.asm, line 1: Unrecognized instruction: \"a,b\"\n"
            "Error #401 in test.asm, line 2: Unrecognized argument format for ld instruction\n"
            "Error #400 in test.asm, line 3: Unrecognized instruction: \"_loop:\"\n"
            "Error #4 in test.asm, line 3: Output file is empty!\n");
}

TEST(PassOne, WrittenNamesKeepTheirCaseForTheSymbolFile) {
  PassHarness run({"Start: nop", "START: nop"});
  run.job.passOne();
  EXPECT_EQ(run.codes(), std::vector<int>{302});
  EXPECT_EQ(run.job.exportSymbols->find("Start")->value, 0);
  EXPECT_EQ(run.job.exportSymbols->find("START")->value, 1);
  EXPECT_EQ(run.symbolValue("START"), 1);
}

TEST(PassOne, RunsOncePerJob) {
  PassHarness run({" nop"});
  run.job.passOne();
  run.job.passOne();
  EXPECT_EQ(run.job.consoleText(), "First pass...\n");
  EXPECT_EQ(run.job.codeBytes, 1);
}

// The first entry whose pattern fits wins, so the order of the table decides.
TEST(PassOne, FirstFittingEntryWins) {
  PassHarness specificFirst({" ld a,(hl)"}, {"LD A,(HL) 7E 1 NOP 1", "LD A,* 3E 2 NOP 1"});
  specificFirst.assemble();
  EXPECT_EQ(specificFirst.hex(), "7E");
  EXPECT_TRUE(specificFirst.codes().empty());

  PassHarness generalFirst({" ld a,(hl)"}, {"LD A,* 3E 2 NOP 1", "LD A,(HL) 7E 1 NOP 1"});
  generalFirst.assemble();
  EXPECT_EQ(generalFirst.hex(), "3E 00");
  EXPECT_EQ(generalFirst.codes(), (std::vector<int>{407, 201}));
}

TEST(PassOne, AddedInstructionServesOnlyLaterLines) {
  PassHarness run({" zap", " .addinstr ZAP \"\" 77 1 NOP 1", " zap"});
  run.job.passOne();
  EXPECT_EQ(run.codes(), std::vector<int>{400});
  EXPECT_EQ(run.job.source->emitsOf(0), 0);
  EXPECT_EQ(run.job.source->emitsOf(2), 1);
  EXPECT_EQ(run.job.source->entryOf(2), &run.job.instructionTable.back());
}

// A form added to a mnemonic that earlier lines already used, with a first
// character no earlier form of it has, serves the lines after it; the earlier
// forms keep their precedence over it.
TEST(PassOne, AddedFormJoinsAMnemonicAlreadyInUse) {
  PassHarness run({" ld a,b", " ld q,5", " .addinstr LD Q,* 77 2 NOP 1", " ld q,5", " .addinstr LD A,B 01 1 NOP 1",
                   " ld a,b"});
  run.job.passOne();
  EXPECT_EQ(run.codes(), std::vector<int>{401});
  const auto& table = run.job.instructionTable;
  EXPECT_EQ(run.job.source->entryOf(3), &table[table.size() - 2]);
  EXPECT_NE(run.job.source->entryOf(5), &table.back());
  EXPECT_EQ(run.job.source->entryOf(5), run.job.source->entryOf(0));
  EXPECT_EQ(run.job.pc, 6);
}

TEST(PassOne, CaseSensitiveSymbolsKeepLabelsApart) {
  PassHarness run({"Start: nop", "START: nop"});
  run.job.optionFlags = 0;
  run.job.passOne();
  EXPECT_TRUE(run.codes().empty());
  EXPECT_EQ(run.symbolValue("Start"), 0);
  EXPECT_EQ(run.symbolValue("START"), 1);
}

// The bytes an image can hold are counted in 32 bits: a program that would pass
// that limit, by instructions or by data, ends pass 1 with an error of its own
// (it is no lack of memory), and nothing is written.
TEST(PassOne, ProgramLargerThanAnImageCanHoldEndsThePass) {
  for (const std::string& statement : {std::string(" .db 1,2,3"), std::string(" ld a,5")}) {
    PassHarness run({" nop", statement, " nop"});
    run.job.dataBytes = static_cast<std::int32_t>(OutputImage::MAX_LENGTH) - 2;
    run.assemble();
    EXPECT_EQ(run.job.consoleText(), "First pass...\nProgram too large: more than 2147483647 bytes\n") << statement;
    EXPECT_EQ(run.job.status, STATUS_ERRORS);
    EXPECT_EQ(run.job.codeBytes, 1);
    EXPECT_EQ(run.image.length(), 0u);
  }
}

class CancellingConsole : public ConsoleSink {
public:
  void print(std::string_view) override {}
  bool cancelRequested() override { return true; }
};

TEST(PassOne, StopsWhenTheConsoleCancels) {
  PassHarness run({" nop", " nop"});
  run.job.console = std::make_unique<CancellingConsole>();
  run.job.passOne();
  EXPECT_EQ(run.job.status, STATUS_CANCELED);
  EXPECT_EQ(run.job.codeBytes, 0);
}

}  // namespace
