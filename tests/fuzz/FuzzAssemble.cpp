// The whole assembly of one source held in the fuzzer's input, run the way quarn
// runs it: the table load, the preprocessor, pass 1, the image, pass 2 and the
// output step, against a small table with an entry for every encoding modifier.
// Whatever follows a line ";part" in the input becomes part.inc beside the
// source, for the source to include or to pull in with .INCBIN.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "job/ProgramExit.h"
#include "job/RunJob.h"
#include "platform/FileSystem.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/TestJob.h"

namespace {

constexpr std::string_view PART_SEPARATOR = "\n;part\n";

// A dozen forms: every modifier word (ZIX included), indexed displacements, OR
// masks, a six-byte entry and an entry of another class.
constexpr std::string_view TABLE =
    "\"fuzzing table\"\n"
    "; mnemonic pattern opcode nbytes modifier class [shift] [or mask]\n"
    "NOP \"\" 00 1 NOP 1\n"
    "LD A,(HL) 7E 1 NOP 1\n"
    "LD A,(IX*) 7EDD 3 NOP 1\n"
    "LD (IX*),* 36DD 4 COMBINE 1\n"
    "LD (IY*),* 36FD 4 ZIX 1\n"
    "LD A,* 3E 2 NOP 1\n"
    "LD HL,* 21 3 NOP 1\n"
    "JR * 18 2 R1 1\n"
    "BIT *,A 47CB 2 ZBIT 1\n"
    "BIT *,(IX*) CBDD 4 ZBIT 1 0 4600\n"
    "SWAP *,* ED 3 CSWAP 1\n"
    "OUT *,A D3 2 NOP 1 0 80\n"
    "FAR * 12345678 6 NOP 1\n"
    "EXX \"\" D9 1 NOP 2\n";

constexpr std::string_view INCLUDED =
    "; a file of the include directory\n"
    "SCREEN .equ $FC00\n"
    "#define CLEAR(x) ld a,x \\ ld hl,SCREEN\n"
    "#ifndef SMALL_INC\n"
    "#define SMALL_INC\n"
    "#endif\n";

// A job whose output step keeps the image and checks it against what pass 1 counted.
class CheckedJob : public TestJob {
public:
  void writeOutput(const std::string& sourcePath, OutputImage& image) override {
    TestJob::writeOutput(sourcePath, image);
    fuzz::check(written.size() == static_cast<std::size_t>(codeBytes) + static_cast<std::size_t>(dataBytes),
                "pass 2 wrote another number of bytes than pass 1 counted");
  }
};

struct Setup {
  fuzz::Workspace workspace{"assemble"};
  std::string sourcePath = (workspace.path() / "main.asm").string();
  std::string startDirectory = platform::currentDirectory();
  RunSettings settings;

  Setup() {
    settings.tableFile = workspace.write("fuzz.tab", TABLE).string();
    workspace.write("Include/small.inc", INCLUDED);
    settings.includeDirectories = {(workspace.path() / "Include").string()};
  }
};

Setup& setup() {
  static Setup instance;
  return instance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Setup& s = setup();
  const std::string_view input = fuzz::asText(std::span(data, size));
  const std::size_t separator = input.find(PART_SEPARATOR);
  s.workspace.write("main.asm", input.substr(0, separator));
  if (separator == std::string_view::npos) {
    s.workspace.remove("part.inc");
  } else {
    s.workspace.write("part.inc", input.substr(separator + PART_SEPARATOR.size()));
  }
  try {
    runJob(JobRequest{std::make_unique<CheckedJob>(), s.sourcePath, s.settings});
  } catch (const ProgramExit&) {
    // A file that exists but cannot be opened ends the program; that is a clean end too.
  }
  // The run made the source's folder current; libFuzzer's own paths are relative
  // to where it started.
  platform::changeDirectory(s.startDirectory);
  return 0;
}
