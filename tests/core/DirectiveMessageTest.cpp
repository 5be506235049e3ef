#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/DirectiveHarness.h"

namespace {

struct MessageCase {
  std::string line;
  std::string console;  // after "<kind> #<code> in test.asm, line 1: "
};

class UserDiagnostic : public testing::TestWithParam<MessageCase> {};

TEST_P(UserDiagnostic, ReportsTheTextAsWritten) {
  DirectiveHarness run({GetParam().line});
  run.passOne();
  EXPECT_EQ(run.job.consoleText(), GetParam().console);
  EXPECT_FALSE(run.marked(0));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UserDiagnostic,
    testing::Values(MessageCase{" .error Bad value", "Error #2 in test.asm, line 1: Bad value\n"},
                    MessageCase{" .ERROR   spaced ", "Error #2 in test.asm, line 1:   spaced \n"},
                    MessageCase{" .error", "Error #2 in test.asm, line 1: \n"},
                    MessageCase{" .warning check %s", "Warning #3 in test.asm, line 1: check %s\n"},
                    MessageCase{" .warning", "Warning #3 in test.asm, line 1: \n"},
                    MessageCase{" .foo 1", "Error #300 in test.asm, line 1: Unrecognized directive: \".foo\"\n"},
                    MessageCase{" .equ 5", "Error #300 in test.asm, line 1: Unrecognized directive: \".equ\"\n"},
                    MessageCase{" .", "Error #300 in test.asm, line 1: Unrecognized directive: \".\"\n"},
                    MessageCase{" .plugin", "Error #313 in test.asm, line 1: Plugin name expected\n"},
                    MessageCase{" .plugin    ", "Error #313 in test.asm, line 1: Plugin name expected\n"},
                    MessageCase{" .addinstr", "Error #311 in test.asm, line 1: Invalid .ADDINSTR directive\n"}));

TEST(TableDirectives, PluginNameIsTrimmed) {
  for (const char* line : {" .plugin plover", " .PLUGIN plover   ", " .plugin\t  plover\t"}) {
    DirectiveHarness run({line});
    run.passOne();
    EXPECT_EQ(run.job.pluginFile, "plover") << line;
    EXPECT_TRUE(run.job.pluginDirective.has_value());
    EXPECT_FALSE(run.marked(0));
    EXPECT_TRUE(run.diagnosticCodes().empty());
  }
}

TEST(TableDirectives, LastPluginWins) {
  DirectiveHarness run({" .plugin tern", " .plugin heron.so"});
  run.passOne();
  EXPECT_EQ(run.job.pluginFile, "heron.so");
}

TEST(TableDirectives, AddedEntryIsAppended) {
  DirectiveHarness run({" .addinstr xyz a,* 3E 2 NOP 1"});
  run.job.instructionTable.emplace_back();
  run.passOne();
  ASSERT_EQ(run.job.instructionTable.size(), 2U);
  EXPECT_EQ(run.job.instructionTable.back().mnemonic, "XYZ");
  EXPECT_EQ(run.job.instructionTable.back().argPattern, "A,*");
  EXPECT_TRUE(run.diagnosticCodes().empty());
  EXPECT_FALSE(run.marked(0));
}

TEST(TableDirectives, RejectedEntryPrintsTheParserLineThenError311) {
  DirectiveHarness run({" .addinstr xyz a,* 3E 2 NOP", " .addinstr xyz a,* 3E 7 NOP 1"});
  run.passOne();
  EXPECT_TRUE(run.job.instructionTable.empty());
  EXPECT_EQ(run.job.consoleText(),
            "Incomplete entry in table file\n"
            "Error #311 in test.asm, line 1: Invalid .ADDINSTR directive\n"
            "Invalid value in nbytes field of table entry\n"
            "Error #311 in test.asm, line 2: Invalid .ADDINSTR directive\n");
}

TEST(MessageDirectives, MessageGoesToStandardOutputOnce) {
  DirectiveHarness run({" .message Hello, world ", " .message", " .db 1"});
  testing::internal::CaptureStdout();
  run.assemble();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Hello, world \n\n");
  EXPECT_FALSE(run.marked(0));
  EXPECT_TRUE(run.job.consoleText().empty());
}

TEST(MessageDirectives, EchoPrintsStringsAndValues) {
  DirectiveHarness run({" .db 0, 0", "two:", " .echo \"size \", two*3, \" \\\"ok\\\"\"", " .echo"});
  testing::internal::CaptureStdout();
  run.assemble();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "size 6 \"ok\"\n\n");
  EXPECT_TRUE(run.job.consoleText().empty());
}

TEST(MessageDirectives, EchoReportsAnUnclosedString) {
  DirectiveHarness run({" .echo 1, \"open"});
  testing::internal::CaptureStdout();
  run.passOne();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "1open\n");
  EXPECT_EQ(run.diagnosticCodes(), std::vector<int>{203});
}

// The switches only note which lines a listing shows; the bytes stay as they were.
TEST(ListingDirectives, NoListHidesLinesUpToTheNextList) {
  DirectiveHarness run({" .db 1", " .NOLIST", " .db 2", " .list", " .db 3", " .nolist"});
  run.assemble();
  EXPECT_EQ(hexBytes(run.bytes()), "01 02 03");
  const std::vector<bool> listed{true, false, false, true, true, false};
  for (int line = 0; line < 6; ++line) {
    EXPECT_EQ(run.job.source->isListed(line), listed[static_cast<std::size_t>(line)]) << line;
  }
  EXPECT_TRUE(run.diagnosticCodes().empty());
}

}  // namespace
