#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "job/RunJob.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  JobStatus status = STATUS_OK;
  std::string out;  // what went to standard output
  std::string err;  // what went to standard error
};

// A console that leaves its text in an outcome that outlives the job.
class OutcomeConsole : public ConsoleSink {
public:
  explicit OutcomeConsole(Outcome& outcome) : outcome_(outcome) {}
  void print(std::string_view text) override { outcome_.out += text; }
  void printError(std::string_view text) override { outcome_.err += text; }

private:
  Outcome& outcome_;
};

RunSettings shippedSettings() {
  RunSettings settings;
  settings.tableFile = QUARN_BIN_DIR "/vozo80.tab";
  settings.includeDirectories = {QUARN_BIN_DIR "/Include"};
  return settings;
}

// Runs the job on the source as the program does, started from `workingDir`.
template <class Job = HexListingJob>
Outcome runFrom(const fs::path& workingDir, const std::string& sourcePath, RunSettings settings) {
  fs::current_path(workingDir);
  Outcome outcome;
  auto job = std::make_unique<Job>(3, nullptr);
  job->console = std::make_unique<OutcomeConsole>(outcome);
  outcome.status = runJob(JobRequest{std::move(job), sourcePath, std::move(settings)});
  return outcome;
}

RunSettings listingSettings() {
  RunSettings settings = shippedSettings();
  settings.listingWanted = true;
  return settings;
}

TEST(Listing, ShowsEveryLineWithItsAddressBytesAndIncludes) {
  TempDir dir;
  dir.write("src/main.asm",
            "; demo\n"
            ".org $9000\n"
            "start:  ld a,1\n"
            "#include \"defs.inc\"\n"
            "        .db 1,2,3,4,5,6,7,8,9,10\n"
            "        ret\n");
  dir.write("src/defs.inc",
            "VALUE .equ 5\n"
            "        ld b,VALUE\n");
  const Outcome outcome = runFrom(dir.path(), "src/main.asm", listingSettings());
  ASSERT_EQ(outcome.status, STATUS_OK) << outcome.out;
  EXPECT_EQ(readText(dir.path() / "src/main.lst"),
            "src/main.asm:1                                 ; demo\n"
            "src/main.asm:2  9000                           .org $9000\n"
            "src/main.asm:3  9000  3E 01                    start:  ld a,1\n"
            "src/main.asm:4                                 #include \"defs.inc\"\n"
            "==== begin src/defs.inc\n"
            "src/defs.inc:1  9002                           VALUE .equ 5\n"
            "src/defs.inc:2  9002  06 05                            ld b,VALUE\n"
            "==== end src/defs.inc\n"
            "src/main.asm:5  9004  01 02 03 04 05 06 07 08          .db 1,2,3,4,5,6,7,8,9,10\n"
            "                900C  09 0A\n"
            "src/main.asm:6  900E  C9                               ret\n"
            "\n"
            "Symbols:\n"
            "start  9000\n"
            "VALUE  0005\n");
}

// Statements of one line share its row; text the preprocessor skipped or that
// follows .END is listed without an address.
TEST(Listing, GroupsALinesStatementsAndListsSkippedText) {
  TempDir dir;
  dir.write("prog.asm",
            "#define TWO 2\n"
            "#ifdef NOPE\n"
            " ld a,9\n"
            "#endif\n"
            " ld a,1 \\ ld b,TWO\n"
            " .end\n"
            "after the end\n");
  ASSERT_EQ(runFrom(dir.path(), "prog.asm", listingSettings()).status, STATUS_OK);
  EXPECT_EQ(readText(dir.path() / "prog.lst"),
            "prog.asm:1                                 #define TWO 2\n"
            "prog.asm:2                                 #ifdef NOPE\n"
            "prog.asm:3                                  ld a,9\n"
            "prog.asm:4                                 #endif\n"
            "prog.asm:5  0000  3E 01 06 02               ld a,1 \\ ld b,TWO\n"
            "prog.asm:6                                  .end\n"
            "prog.asm:7                                 after the end\n"
            "\n"
            "Symbols:\n");
}

// .NOLIST hides its own line and what follows, up to the .LIST that shows itself;
// an include read meanwhile is hidden with its marks.
TEST(Listing, ObeysNolistAndList) {
  TempDir dir;
  dir.write("prog.asm",
            " nop\n"
            " .nolist\n"
            "#include \"hidden.inc\"\n"
            "; quiet\n"
            " .list\n"
            " ret\n");
  dir.write("hidden.inc", " ld a,1\n");
  ASSERT_EQ(runFrom(dir.path(), "prog.asm", listingSettings()).status, STATUS_OK);
  EXPECT_EQ(readText(dir.path() / "prog.lst"),
            "prog.asm:1    0000  00                        nop\n"
            "prog.asm:5    0003                            .list\n"
            "prog.asm:6    0003  C9                        ret\n"
            "\n"
            "Symbols:\n");
}

// The symbol-file run has no pass 2: its listing has the lines and the symbols.
TEST(Listing, OfASymbolFileRunHasNoBytes) {
  TempDir dir;
  dir.write("lib.asm", "entry: ret\n");
  ASSERT_EQ(runFrom<SymbolFileJob>(dir.path(), "lib.asm", listingSettings()).status, STATUS_OK);
  EXPECT_EQ(readText(dir.path() / "lib.lst"),
            "lib.asm:1                                 entry: ret\n"
            "\n"
            "Symbols:\n"
            "entry  0000\n");
}

TEST(Listing, NeverReplacesASourceFile) {
  TempDir dir;
  dir.write("prog.lst", " ret\n");
  const Outcome outcome = runFrom(dir.path(), "prog.lst", listingSettings());
  EXPECT_EQ(outcome.status, STATUS_ERRORS);
  EXPECT_NE(outcome.out.find("prog.lst: it is an input of this run\n"), std::string::npos);
  EXPECT_EQ(readText(dir.path() / "prog.lst"), " ret\n");
}

TEST(Listing, IsNotWrittenWhenTheAssemblyFails) {
  TempDir dir;
  dir.write("bad.asm", " jp nowhere\n");
  EXPECT_EQ(runFrom(dir.path(), "bad.asm", listingSettings()).status, STATUS_ERRORS);
  EXPECT_FALSE(fs::exists(dir.path() / "bad.lst"));
}

// Every file read, named from where the run began, with names make would misread
// escaped.
TEST(DependencyRule, NamesTheOutputAndEveryFileRead) {
  TempDir dir;
  dir.write("src/main.asm",
            "#include \"my defs.inc\"\n"
            " .incbin \"data.bin\"\n"
            " .incbin \"data.bin\"\n");
  dir.write("src/my defs.inc", " nop\n");
  dir.writeBytes("src/data.bin", {1, 2});
  RunSettings settings = shippedSettings();
  settings.dependencyFileWanted = true;
  ASSERT_EQ(runFrom(dir.path(), "src/main.asm", settings).status, STATUS_OK);
  EXPECT_EQ(readText(dir.path() / "src/main.d"),
            "src/main.txt: \\\n"
            "  src/main.asm \\\n"
            "  src/my\\ defs.inc \\\n"
            "  src/data.bin\n"
            "\n"
            "src/my\\ defs.inc:\n"
            "\n"
            "src/data.bin:\n");
}

// The GNU form goes to standard error alone, naming the file with its folders.
TEST(GnuDiagnostics, NameTheFileAsTheUserOpensIt) {
  TempDir dir;
  dir.write("src/main.asm", "#include \"defs.inc\"\n ld a,1\n");
  dir.write("src/defs.inc", " nop\n jp nowhere\ntwice: nop\ntwice: nop\n");
  RunSettings settings = shippedSettings();
  settings.gnuDiagnostics = true;
  const Outcome outcome = runFrom(dir.path(), "src/main.asm", settings);
  EXPECT_EQ(outcome.err,
            "src/defs.inc:4: warning: Duplicate label \"twice\" [#302]\n"
            "src/defs.inc:2: error: Label not defined: \"nowhere\" [#201]\n");
  EXPECT_EQ(outcome.out.find("#201"), std::string::npos);
  EXPECT_NE(outcome.out.find("Assembly complete - 1 error(s), 1 warning(s)"), std::string::npos);
}

// A file outside the folder the run began in is named by its full path, which
// opens it from there as well.
TEST(GnuDiagnostics, NameAFileOutsideTheWorkingFolderByItsFullPath) {
  TempDir dir;
  dir.write("src/main.asm", " jp nowhere\n");
  fs::create_directories(dir.path() / "build");
  RunSettings settings = shippedSettings();
  settings.gnuDiagnostics = true;
  const Outcome outcome = runFrom(dir.path() / "build", "../src/main.asm", settings);
  EXPECT_EQ(outcome.err, (fs::canonical(dir.path()) / "src/main.asm").string() +
                             ":1: error: Label not defined: \"nowhere\" [#201]\n");
}

}  // namespace
