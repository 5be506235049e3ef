#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <string>

#include "tests/support/RunQuarn.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

bool installed(const std::string& program) {
  return runProgram("/bin/sh", {"-c", "command -v " + program}, fs::current_path()).exitStatus == 0;
}

// A program in src/ whose include has an error on line 2 and a warning on line 4,
// assembled with -g from the folder above; standard error is kept in errors.txt
// as a build tool or `quarn -g ... 2>errors.txt` would.
class GnuDiagnostics : public testing::Test {
protected:
  void SetUp() override {
    dir_.write("src/game.asm", "#include \"defs.inc\"\n ret\n");
    dir_.write("src/defs.inc", " nop\n jp nowhere\ntwice: nop\ntwice: nop\n");
    const QuarnRun run = runQuarn({"-g", "src/game.asm"}, dir_.path());
    ASSERT_EQ(run.exitStatus, 2);
    errors_ = run.err;
    dir_.write("errors.txt", errors_);
  }

  TempDir dir_;
  std::string errors_;
};

TEST_F(GnuDiagnostics, AreTheLinesVsCodesGccMatcherReads) {
  // The pattern of VS Code's $gcc problem matcher.
  const std::regex gcc(R"(^(.*?):(\d+):(\d*):?\s+(?:fatal\s+)?(warning|error):\s+(.*)$)");
  std::smatch match;
  const std::string first = errors_.substr(0, errors_.find('\n'));
  ASSERT_TRUE(std::regex_match(first, match, gcc)) << errors_;
  EXPECT_EQ(match[1], "src/defs.inc");
  EXPECT_EQ(match[2], "4");
  EXPECT_EQ(match[4], "warning");
}

// vim's own errorformat, as :cfile and :make use it.
TEST_F(GnuDiagnostics, TakeVimToTheFileAndLine) {
  if (!installed("vim") ||
      runProgram("vim", {"-Nes", "-u", "NONE", "-c", "if has('quickfix') | qa! | else | cq | endif"}, dir_.path())
              .exitStatus != 0) {
    GTEST_SKIP() << "no vim with a quickfix list (install the package vim)";
  }
  const QuarnRun vim = runProgram(
      "vim",
      {"-Nes", "-u", "NONE", "-i", "NONE", "-c", "cgetfile errors.txt", "-c",
       "call writefile(map(filter(getqflist(), 'v:val.valid'), "
       "{_, e -> bufname(e.bufnr) . ':' . e.lnum . ':' . filereadable(bufname(e.bufnr)) . ':' . e.text}), "
       "'quickfix.txt')",
       "-c", "qa!"},
      dir_.path());
  ASSERT_EQ(vim.exitStatus, 0) << vim.err;
  const std::string list = readText(dir_.path() / "quickfix.txt");
  EXPECT_NE(list.find("src/defs.inc:4:1:"), std::string::npos) << list;
  EXPECT_NE(list.find("src/defs.inc:2:1:"), std::string::npos) << list;
  EXPECT_NE(list.find("Label not defined: \"nowhere\""), std::string::npos) << list;
}

// Emacs' compilation mode with its own regular expressions, error and warning told apart.
TEST_F(GnuDiagnostics, TakeEmacsToTheFileAndLine) {
  if (!installed("emacs")) {
    GTEST_SKIP() << "no emacs (install the package emacs-nox)";
  }
  dir_.write("messages.el",
             "(require 'compile)\n"
             "(with-current-buffer (get-buffer-create \"*errors*\")\n"
             "  (insert-file-contents \"errors.txt\")\n"
             "  (compilation-mode)\n"
             "  (compilation--ensure-parse (point-max))\n"
             "  (goto-char (point-min))\n"
             "  (while (not (eobp))\n"
             "    (let ((message (get-text-property (point) 'compilation-message)))\n"
             "      (when message\n"
             "        (let ((loc (compilation--message->loc message)))\n"
             "          (princ (format \"%s:%d:%s\\n\" (caar (compilation--loc->file-struct loc))\n"
             "                         (compilation--loc->line loc)\n"
             "                         (if (= (compilation--message->type message) 2) \"error\" \"warning\"))))))\n"
             "    (forward-line 1)))\n");
  const QuarnRun emacs = runProgram("emacs", {"--batch", "-Q", "-l", "messages.el"}, dir_.path());
  ASSERT_EQ(emacs.exitStatus, 0) << emacs.err;
  EXPECT_EQ(emacs.out, "src/defs.inc:4:warning\nsrc/defs.inc:2:error\n");
}

// A makefile that includes the rule quarn -M wrote rebuilds the program when an
// include changes, and only then.
TEST(DependencyFile, MakesMakeRebuildWhenAnIncludeChanges) {
  if (!installed("make")) {
    GTEST_SKIP() << "no make (install the package make)";
  }
  TempDir dir;
  dir.write("src/game.asm", "#include \"defs.inc\"\n ld a,VALUE\n");
  const fs::path include = dir.write("src/defs.inc", "VALUE .equ 1\n");
  dir.write("Makefile",
            "src/game.86p: src/game.asm\n"
            "\t$(QUARN) -M -q src/game.asm\n"
            "-include src/game.d\n");
  const std::string quarn = "QUARN=" + quarnBinary();
  ASSERT_EQ(runProgram("make", {quarn}, dir.path()).exitStatus, 0);
  ASSERT_TRUE(fs::exists(dir.path() / "src/game.d"));
  EXPECT_EQ(runProgram("make", {"-q", quarn}, dir.path()).exitStatus, 0);

  // The include changes after the program was made: the program is made older
  // rather than the include newer, so that a rebuild now is newer than both.
  dir.write("src/defs.inc", "VALUE .equ 2\n");
  const fs::path program = dir.path() / "src/game.86p";
  fs::last_write_time(program, fs::last_write_time(include) - std::chrono::seconds(2));
  EXPECT_EQ(runProgram("make", {"-q", quarn}, dir.path()).exitStatus, 1);
  ASSERT_EQ(runProgram("make", {quarn}, dir.path()).exitStatus, 0);
  EXPECT_EQ(runProgram("make", {"-q", quarn}, dir.path()).exitStatus, 0);
}

// The listing and the rule go beside the file -o names, under its name; the
// summary's last line still names the program.
TEST(CompanionFiles, GoBesideTheFileOutputNames) {
  TempDir dir;
  dir.write("src/game.asm", " ret\n");
  fs::create_directories(dir.path() / "out");
  const QuarnRun run = runQuarn({"-l", "-M", "-o", "out/demo.8xp", "src/game.asm"}, dir.path());
  ASSERT_EQ(run.exitStatus, 0) << run.out;
  EXPECT_NE(run.out.find("Wrote out/demo.8xp ("), std::string::npos) << run.out;
  EXPECT_EQ(readText(dir.path() / "out/demo.lst").substr(0, 16), "src/game.asm:1  ");
  EXPECT_EQ(readText(dir.path() / "out/demo.d").substr(0, 14), "out/demo.8xp: ");
  EXPECT_FALSE(fs::exists(dir.path() / "src/game.lst"));
}

}  // namespace
