// The instruction table reader on arbitrary text. An even first byte hands each
// line of the rest to parseTableEntry, as .ADDINSTR does; an odd one loads the
// rest as a whole table file. Every entry kept must be one the passes can use.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "job/ProgramExit.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/TestJob.h"

namespace {

void checkEntry(const TableEntry& entry) {
  fuzz::check(!entry.mnemonic.empty() && entry.mnemonic.size() <= MNEMONIC_MAX, "mnemonic length out of range");
  fuzz::check(entry.argPattern.size() <= PATTERN_MAX, "pattern longer than its field");
  fuzz::check(entry.size >= 1 && entry.size <= 6, "kept an entry whose size is not 1 to 6");
  fuzz::check(entry.argSize <= 2 && entry.opcodeSize >= 1 && entry.opcodeSize <= 4, "byte split out of range");
  fuzz::check(entry.opcodeSize + entry.argSize == entry.size, "opcode and argument bytes do not add up");
  fuzz::check(entry.instrClass == 1, "kept an entry of another class");
  fuzz::check(entry.modifier >= MOD_NONE && entry.modifier <= MOD_CSWAP, "unknown modifier value");
}

void parseLines(TestJob& job, std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string line(text.substr(0, end));
    const std::size_t entriesBefore = job.instructionTable.size();
    const int accepted = job.parseTableEntry(line);
    fuzz::check(accepted == 1 || job.instructionTable.size() == entriesBefore, "a rejected line added an entry");
    fuzz::check(job.instructionTable.size() <= entriesBefore + 1, "one line added several entries");
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
}

void loadFile(TestJob& job, std::span<const std::uint8_t> bytes) {
  static const fuzz::Workspace workspace("table");
  const std::string path = workspace.write("fuzz.tab", bytes).string();
  try {
    job.loadInstructionTable(path);
  } catch (const ProgramExit&) {
    // Not a table file: the message is printed and the program would end here.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  TestJob job;
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  if ((data[0] & 1) == 0) {
    parseLines(job, fuzz::asText(rest));
  } else {
    loadFile(job, rest);
  }
  for (const TableEntry& entry : job.instructionTable) {
    checkEntry(entry);
  }
  return 0;
}
