#include <gtest/gtest.h>

#include "tests/support/TestJob.h"

namespace {

struct DiagnosticCase {
  int code;
  DiagnosticArg arg;
  std::string line;
};

class DiagnosticLine : public testing::TestWithParam<DiagnosticCase> {};

TEST_P(DiagnosticLine, IsFormattedFromTheCodeTable) {
  TestJob job;
  job.reportAt(static_cast<DiagnosticCode>(GetParam().code), "/src/prog.asm", 12, GetParam().arg);
  EXPECT_EQ(job.consoleText(), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DiagnosticLine,
    testing::Values(
        DiagnosticCase{201, DiagnosticArg("X"), "Error #201 in prog.asm, line 12: Label not defined: \"X\"\n"},
        DiagnosticCase{4, {}, "Error #4 in prog.asm, line 12: Output file is empty!\n"},
        DiagnosticCase{102, DiagnosticArg("\"a.inc\""),
                       "Warning #102 in prog.asm, line 12: File \"a.inc\" included more than once\n"},
        DiagnosticCase{315, {}, "Error #315 in prog.asm, line 12: Local label char must be surrounded by \"\"\n"},
        DiagnosticCase{2, DiagnosticArg("stop here"), "Error #2 in prog.asm, line 12: stop here\n"},
        DiagnosticCase{2, {}, "Error #2 in prog.asm, line 12: \n"},
        DiagnosticCase{3, DiagnosticArg("careful"), "Warning #3 in prog.asm, line 12: careful\n"},
        DiagnosticCase{3, {}, "Warning #3 in prog.asm, line 12: \n"},
        DiagnosticCase{404, DiagnosticArg::number(8), "Error #404 in prog.asm, line 12: Illegal bit value '8'\n"},
        // Only the low 16 bits of the number are shown.
        DiagnosticCase{404, DiagnosticArg::number(0x10009), "Error #404 in prog.asm, line 12: Illegal bit value '9'\n"},
        DiagnosticCase{404, DiagnosticArg::number(-1), "Error #404 in prog.asm, line 12: Illegal bit value '65535'\n"},
        DiagnosticCase{1, {}, "Error #1 in prog.asm, line 12: [Unknown error code]\n"},
        DiagnosticCase{209, {}, "Error #209 in prog.asm, line 12: [Unknown error code]\n"},
        DiagnosticCase{999, {}, "Error #999 in prog.asm, line 12: [Unknown error code]\n"},
        DiagnosticCase{406, {}, "Warning #406 in prog.asm, line 12: Unused data in MS byte of argument\n"},
        DiagnosticCase{407, DiagnosticArg("(1234)"),
                       "Warning #407 in prog.asm, line 12: Apparent illegal indirection: \"(1234)\"\n"}));

TEST(Diagnostics, FileNameWithoutDirectoryIsShownWhole) {
  TestJob job;
  job.reportAt(ERR_DIVIDE_BY_ZERO, "prog.asm", 1);
  job.reportAt(ERR_DIVIDE_BY_ZERO, "C:\\src\\win.asm", 2);
  EXPECT_EQ(job.consoleText(),
            "Error #206 in prog.asm, line 1: Divide by zero\n"
            "Error #206 in win.asm, line 2: Divide by zero\n");
}

TEST(Diagnostics, StatusRisesButNeverFalls) {
  TestJob job;
  job.reportAt(WARN_DUPLICATE_LABEL, "a", 1, "x");
  EXPECT_EQ(job.status, STATUS_WARNINGS);
  job.reportAt(ERR_LABEL_NOT_DEFINED, "a", 2, "x");
  EXPECT_EQ(job.status, STATUS_ERRORS);
  job.reportAt(WARN_NO_SPACE_BEFORE_INSTRUCTION, "a", 3, "x");
  EXPECT_EQ(job.status, STATUS_ERRORS);
  EXPECT_EQ(job.errorCount, 1);
  EXPECT_EQ(job.warningCount, 2);
}

TEST(Diagnostics, AbortedStatusIsNotChangedByReports) {
  TestJob job;
  job.status = STATUS_FILE_ERROR;
  job.reportAt(ERR_LABEL_NOT_DEFINED, "a", 1, "x");
  job.reportAt(WARN_DUPLICATE_LABEL, "a", 1, "x");
  EXPECT_EQ(job.status, STATUS_FILE_ERROR);
  EXPECT_EQ(job.errorCount, 1);
}

struct SummaryCase {
  JobStatus status;
  std::string text;
};

class Summary : public testing::TestWithParam<SummaryCase> {};

TEST_P(Summary, MatchesTheStatus) {
  TestJob job;
  job.errorCount = 3;
  job.warningCount = 2;
  job.status = GetParam().status;
  job.printSummary();
  EXPECT_EQ(job.consoleText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, Summary,
                         testing::Values(SummaryCase{STATUS_OK, "Assembly complete - 3 error(s), 2 warning(s)\n"},
                                         SummaryCase{STATUS_WARNINGS, "Assembly complete - 3 error(s), 2 warning(s)\n"},
                                         SummaryCase{STATUS_ERRORS, "Assembly complete - 3 error(s), 2 warning(s)\n"},
                                         SummaryCase{STATUS_CANCELED, "Assembly canceled by user\n"},
                                         SummaryCase{STATUS_FILE_ERROR, "File I/O error, aborting...\n"},
                                         SummaryCase{STATUS_NO_MEMORY, "Out of memory, aborting...\n"}));

}  // namespace
