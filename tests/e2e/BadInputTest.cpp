// Hostile and oversized inputs run through the built program: each must end with a
// message and the documented exit status (0 clean, 1 cannot start, 2 errors),
// without a sanitizer report and without leaving a partial output file behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "tests/support/RunQuarn.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

constexpr int EXIT_CLEAN = 0;
constexpr int EXIT_CANNOT_START = 1;
constexpr int EXIT_ERRORS = 2;

std::set<std::string> entriesOf(const fs::path& directory) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(directory)) {
    names.insert(fs::relative(entry.path(), directory).string());
  }
  return names;
}

void expectNoSanitizerReport(const QuarnRun& run) {
  EXPECT_EQ(run.err.find("Sanitizer"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("runtime error"), std::string::npos) << run.err;
}

// Deterministic bytes of every value, NUL and the high half included.
std::string binaryNoise(std::size_t length) {
  std::string bytes(length, '\0');
  std::uint32_t state = 12345;
  for (char& byte : bytes) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<char>(state >> 24);
  }
  return bytes;
}

std::string numberedLines(int count, const std::function<std::string(int)>& line) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += line(i);
  }
  return text;
}

struct BadInput {
  std::string name;
  std::function<void(const TempDir&)> prepare;  // writes prog.asm and what it needs
  std::vector<std::string> arguments;
  int exitStatus;
  std::string message;               // a piece of standard output
  std::vector<std::string> outputs;  // the files the run may add; none for a failure
  std::string outputPiece = {};      // a piece of the first of them
};

void PrintTo(const BadInput& input, std::ostream* out) { *out << input.name; }

void writeSource(const TempDir& dir, std::string_view text) { dir.write("prog.asm", text); }

// prog.asm includes link0.inc, which includes link1.inc, and so on; the last one holds a nop.
void writeIncludeChain(const TempDir& dir, int length) {
  writeSource(dir, "#include link0.inc\n");
  for (int i = 0; i < length; ++i) {
    dir.write("link" + std::to_string(i) + ".inc",
              i + 1 < length ? "#include link" + std::to_string(i + 1) + ".inc\n" : std::string(" nop\n"));
  }
}

const BadInput BAD_INPUTS[] = {
    {"NulByteInsideALine",
     [](const TempDir& dir) { writeSource(dir, std::string(" nop\n .db 1,\0 2\n", 16)); },
     {"-h", "prog.asm"}, EXIT_ERRORS, "in prog.asm, line 2: ", {}},
    {"BinaryFile", [](const TempDir& dir) { writeSource(dir, binaryNoise(4096)); }, {"-h", "prog.asm"}, EXIT_ERRORS,
     "Error #", {}},
    {"OneMegabyteLine", [](const TempDir& dir) { writeSource(dir, " .db 1\n" + std::string(1 << 20, 'x') + "\n"); },
     {"-h", "prog.asm"}, EXIT_ERRORS, "Error #103 in prog.asm, line 2: Line is too long (>255 chars)\n", {}},
    {"OnlyComments", [](const TempDir& dir) { writeSource(dir, "; nothing\n\n   ; to assemble\n"); },
     {"-h", "prog.asm"}, EXIT_ERRORS, "Error #4 in prog.asm, line 0: Output file is empty!\n", {}},
    {"ThreeHundredIncludeFiles",
     [](const TempDir& dir) {
       writeSource(dir, numberedLines(300, [](int i) { return "#include part" + std::to_string(i) + ".inc\n"; }));
       for (int i = 0; i < 300; ++i) {
         dir.write("part" + std::to_string(i) + ".inc", " .db " + std::to_string(i % 256) + "\n");
       }
     },
     {"-h", "prog.asm"}, EXIT_CLEAN, "Assembly complete - 0 error(s), 0 warning(s)\n", {"prog.txt"},
     "\n300 bytes total\n"},
    {"IncludeChainAThousandDeep", [](const TempDir& dir) { writeIncludeChain(dir, 1000); }, {"-h", "prog.asm"},
     EXIT_CLEAN, "Assembly complete - 0 error(s), 0 warning(s)\n", {"prog.txt"}, "\n1 bytes total\n\n00 "},
    // Deeper chains once overflowed the stack; now the nesting has a limit.
    {"IncludeChainBeyondTheNestingLimit", [](const TempDir& dir) { writeIncludeChain(dir, 5000); },
     {"-h", "prog.asm"}, EXIT_ERRORS, "File I/O error, aborting...\n", {}},
    {"MacroExpansionBeyondTheLineBuffer",
     [](const TempDir& dir) { writeSource(dir, "#define BIG " + std::string(200, '1') + "\n .db BIG,BIG\n"); },
     {"-h", "prog.asm"}, EXIT_ERRORS, "Error #103 in prog.asm, line 2: Line is too long (>255 chars)\n", {}},
    {"HundredThousandLabels",
     [](const TempDir& dir) {
       writeSource(dir, numberedLines(100000, [](int i) { return "L" + std::to_string(i) + ": nop\n"; }));
     },
     {"-s", "prog.asm"}, EXIT_CLEAN, "Assembly complete - 0 error(s), 0 warning(s)\n", {"prog.inc"},
     "L99999 = $869f\n"},
    // A megabyte is far beyond what a calculator file's 16-bit lengths can hold.
    {"IncbinOfAMegabyte",
     [](const TempDir& dir) {
       writeSource(dir, " .incbin big.bin\n");
       dir.write("big.bin", binaryNoise(1000000));
     },
     {"prog.asm"}, EXIT_ERRORS, "Cannot create file ", {}},
};

class BadInputRun : public testing::TestWithParam<BadInput> {};

TEST_P(BadInputRun, EndsWithAMessageAndItsStatusAndNoPartialFile) {
  const BadInput& input = GetParam();
  TempDir dir;
  input.prepare(dir);
  std::set<std::string> expectedEntries = entriesOf(dir.path());
  const QuarnRun run = runQuarn(input.arguments, dir.path());
  EXPECT_EQ(run.exitStatus, input.exitStatus) << run.out.substr(0, 2000);
  EXPECT_NE(run.out.find(input.message), std::string::npos) << run.out.substr(0, 2000);
  expectNoSanitizerReport(run);
  expectedEntries.insert(input.outputs.begin(), input.outputs.end());
  EXPECT_EQ(entriesOf(dir.path()), expectedEntries);
  if (!input.outputPiece.empty()) {
    EXPECT_NE(readText(dir.path() / input.outputs.front()).find(input.outputPiece), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, BadInputRun, testing::ValuesIn(BAD_INPUTS),
                         [](const testing::TestParamInfo<BadInput>& info) { return info.param.name; });

// Devices are no source files: reading one would never end (hence the time limit,
// so that a regression fails instead of hanging the suite).
QuarnRun runQuarnLimited(const std::vector<std::string>& arguments, const fs::path& workingDirectory) {
  std::vector<std::string> limited{"20", quarnBinary()};
  limited.insert(limited.end(), arguments.begin(), arguments.end());
  return runProgram("timeout", limited, workingDirectory);
}

TEST(BadInput, DevicesAreNotReadAsSources) {
  struct DeviceCase {
    std::string source;  // empty: the device itself is the source
    std::vector<std::string> arguments;
    int exitStatus;
    std::string message;
  };
  const DeviceCase cases[] = {
      {"#include /dev/zero\n nop\n", {"-h", "prog.asm"}, EXIT_ERRORS,
       "Error #101 in prog.asm, line 1: Cannot find file /dev/zero\n"},
      {" .incbin /dev/zero\n nop\n", {"-h", "prog.asm"}, EXIT_ERRORS,
       "Error #101 in prog.asm, line 1: Cannot find file /dev/zero\n"},
      {"", {"-h", "/dev/zero"}, EXIT_CANNOT_START, "Error opening file /dev/zero\n"},
  };
  for (const DeviceCase& c : cases) {
    TempDir dir;
    if (!c.source.empty()) {
      writeSource(dir, c.source);
    }
    const std::set<std::string> before = entriesOf(dir.path());
    const QuarnRun run = runQuarnLimited(c.arguments, dir.path());
    EXPECT_EQ(run.exitStatus, c.exitStatus) << c.source << run.out;
    EXPECT_NE(run.out.find(c.message), std::string::npos) << run.out;
    expectNoSanitizerReport(run);
    EXPECT_EQ(entriesOf(dir.path()), before);
  }
}

// Permissions do not stop the superuser (CI runs as root); a case whose chmod
// denies nothing cannot be tested and is skipped.
bool readable(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  char byte = 0;
  return static_cast<bool>(in.read(&byte, 1));
}

bool writable(const fs::path& directory) {
  const fs::path probe = directory / "probe";
  const bool created = static_cast<bool>(std::ofstream(probe));
  fs::remove(probe);
  return created;
}

TEST(BadInput, UnreadableIncludeEndsWithTheOpenFailure) {
  TempDir dir;
  writeSource(dir, "#include locked.inc\n nop\n");
  const fs::path locked = dir.write("locked.inc", " nop\n");
  fs::permissions(locked, fs::perms::none);
  if (readable(locked)) {
    GTEST_SKIP() << "file permissions do not deny reading here (running as root)";
  }
  const QuarnRun run = runQuarn({"-h", "prog.asm"}, dir.path());
  EXPECT_EQ(run.exitStatus, EXIT_CANNOT_START);
  EXPECT_NE(run.out.find("Error opening file locked.inc\n"), std::string::npos) << run.out;
  expectNoSanitizerReport(run);
  EXPECT_FALSE(fs::exists(dir.path() / "prog.txt"));
}

TEST(BadInput, OutputDirectoryWithoutWritePermission) {
  TempDir dir;
  writeSource(dir, " nop\n");
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  if (writable(dir.path())) {
    GTEST_SKIP() << "directory permissions do not deny writing here (running as root)";
  }
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"-h", "prog.asm"}, {"-s", "prog.asm"}, {"prog.asm"}}) {
    const QuarnRun run = runQuarn(arguments, dir.path());
    EXPECT_EQ(run.exitStatus, EXIT_ERRORS) << arguments.front();
    EXPECT_NE(run.out.find("Cannot create file "), std::string::npos) << run.out;
    expectNoSanitizerReport(run);
    EXPECT_EQ(entriesOf(dir.path()), std::set<std::string>{"prog.asm"});
  }
}

// A full disk, simulated by a file-size limit: writes past it fail (with the
// signal that would end the program ignored), as they do when the file system
// has no room left. Both kinds of writer must fail cleanly.
TEST(BadInput, FullDiskLeavesNoPartialFile) {
  TempDir dir;
  writeSource(dir, " .incbin payload.bin\n");
  dir.write("payload.bin", binaryNoise(8000));
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"-h", "prog.asm"}, {"prog.asm"}, {"-p", "ferra", "prog.asm"}}) {
    std::string command = "trap '' XFSZ; ulimit -f 4 && exec '" + quarnBinary() + "'";
    for (const std::string& argument : arguments) {
      command += " " + argument;
    }
    const QuarnRun run = runProgram("/bin/sh", {"-c", command}, dir.path());
    EXPECT_EQ(run.exitStatus, EXIT_ERRORS) << arguments.front() << "\n" << run.out << run.err;
    EXPECT_NE(run.out.find("Cannot create file "), std::string::npos) << run.out;
    expectNoSanitizerReport(run);
    EXPECT_EQ(entriesOf(dir.path()), (std::set<std::string>{"payload.bin", "prog.asm"}));
  }
}

}  // namespace
