#include <algorithm>
#include <optional>
#include <span>
#include <string>

#include "base/CharClass.h"
#include "core/TableLineScanner.h"
#include "frontend/TextFile.h"
#include "job/AssemblyJob.h"
#include "job/ProgramExit.h"

namespace {

// A table line is read into a buffer of 127 characters: a longer line comes back in
// pieces, each read as a line of its own.
constexpr std::size_t TABLE_READ_MAX = 126;

// Hands out the table's lines the way a 127-character read buffer would.
class TableLineReader {
public:
  explicit TableLineReader(std::string_view text) : text_(text) {}

  std::optional<std::string_view> next() {
    if (position_ >= text_.size()) {
      return std::nullopt;
    }
    const std::string_view rest = text_.substr(position_);
    const std::size_t lineEnd = rest.find('\n');
    const std::size_t length = std::min(lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1, TABLE_READ_MAX);
    position_ += length;
    return rest.substr(0, length);
  }

private:
  std::string_view text_;
  std::size_t position_ = 0;
};

bool startsWithLetter(std::string_view line) { return !line.empty() && isLetter(line.front()); }

// Skips to the title line. False when the first significant line is not a title in
// double quotes, or when there is none at all.
bool skipTitle(TableLineReader& lines) {
  while (const auto line = lines.next()) {
    if (startsWithLetter(*line)) {
      return false;
    }
    if (!line->empty() && line->front() == '"') {
      return true;
    }
  }
  return false;
}

// Whether the word is the name. Every entry line compares a few words with short
// names: character by character, the comparison is inlined and most often ends at
// the length or the first character, where string_view's would call memcmp.
template <std::size_t N>
bool isWord(std::string_view word, const char (&name)[N]) {
  if (word.size() != N - 1) {
    return false;
  }
  for (std::size_t i = 0; i < N - 1; ++i) {
    if (word[i] != name[i]) {
      return false;
    }
  }
  return true;
}

EncodingModifier modifierNamed(std::string_view word) {
  if (isWord(word, "ZBIT")) {
    return MOD_ZBIT;
  }
  if (isWord(word, "R1")) {
    return MOD_R1;
  }
  if (isWord(word, "COMBINE") || isWord(word, "ZIX")) {
    return MOD_COMBINE;
  }
  if (isWord(word, "CSWAP")) {
    return MOD_CSWAP;
  }
  return MOD_NONE;
}

// Opcodes above FF take two bytes; of the rest at most two bytes are argument, so a
// longer instruction has a longer opcode.
void assignSizes(TableEntry& entry) {
  entry.opcodeSize = static_cast<std::int16_t>(entry.opcode > 0xFF ? 2 : 1);
  entry.argSize = static_cast<std::int16_t>(entry.size - entry.opcodeSize);
  if (entry.argSize > 2) {
    entry.opcodeSize = static_cast<std::int16_t>(entry.size - 2);
    entry.argSize = 2;
  }
}

// The fields of one entry line, in the order they are written.
struct TableFields {
  std::string_view mnemonic;
  std::string_view pattern;
  std::uint32_t opcode = 0;
  std::int64_t nbytes = 0;
  std::string_view modifier;
  std::uint16_t instrClass = 0;
  std::uint32_t shift = 0;
  std::uint32_t orMask = 0;
};

// How many fields were read, in order, before the first one that was not there or
// did not convert. The modifier word may be of any length: a word longer than any
// modifier name is simply no modifier.
int scanTableFields(std::string_view text, TableFields& fields) {
  TableLineScanner scanner(text);
  int count = 0;
  const auto take = [&count](const auto& field, auto& target) {
    if (field) {
      target = *field;
      ++count;
    }
    return field.has_value();
  };
  take(scanner.word(MNEMONIC_MAX), fields.mnemonic) && take(scanner.word(PATTERN_MAX), fields.pattern) &&
      take(scanner.hexadecimal(), fields.opcode) && take(scanner.integer(), fields.nbytes) &&
      take(scanner.word(TableLineScanner::UNLIMITED), fields.modifier) &&
      take(scanner.unsignedDecimal(), fields.instrClass) && take(scanner.hexadecimal(), fields.shift) &&
      take(scanner.hexadecimal(), fields.orMask);
  return count;
}

constexpr int MIN_TABLE_FIELDS = 6;
constexpr std::int64_t MAX_INSTRUCTION_SIZE = 6;
constexpr std::uint8_t ACTIVE_CLASS = 1;

void upperCaseInPlace(std::span<char> text) {
  for (char& c : text) {
    c = charclass::upperCaseOf(c);
  }
}

// Reads one upper-cased entry line and appends its entry when the class is active.
int addTableEntry(AssemblyJob& job, std::string_view text) {
  TableFields fields;
  if (scanTableFields(text, fields) < MIN_TABLE_FIELDS) {
    job.console->print("Incomplete entry in table file\n");
    return 0;
  }
  TableEntry entry;
  entry.opcode = fields.opcode;
  if (fields.nbytes >= 1 && fields.nbytes <= MAX_INSTRUCTION_SIZE) {
    entry.size = static_cast<std::int16_t>(fields.nbytes);
    assignSizes(entry);
  }
  // An opcode wider than the whole instruction would make pass 2 write more bytes
  // than pass 1 counted.
  if (entry.size == 0 || entry.argSize < 0) {
    job.console->print("Invalid value in nbytes field of table entry\n");
    return 0;
  }
  if ((fields.instrClass & 0xFF) != ACTIVE_CLASS) {
    return 1;
  }
  entry.mnemonic = fields.mnemonic;
  if (!isWord(fields.pattern, "\"\"")) {
    entry.argPattern = fields.pattern;
  }
  entry.modifier = modifierNamed(fields.modifier);
  entry.instrClass = ACTIVE_CLASS;
  entry.shift = static_cast<std::uint16_t>(fields.shift);
  entry.orMask = static_cast<std::uint16_t>(fields.orMask);
  job.instructionTable.push_back(entry);
  return 1;
}

}  // namespace

int AssemblyJob::loadInstructionTable(const std::string& path) {
  std::optional<std::string> text = readTextFile(path);
  if (!text) {
    console->print("Cannot open table file: " + path + "\n");
    throw ProgramExit{1};
  }
  inputFiles.record(path);
  // Entries are upper-cased before they are read; doing it for the whole file at
  // once spares a copy of every line. Neither the line breaks nor the title test
  // depend on case.
  upperCaseInPlace(*text);
  TableLineReader lines(*text);
  if (!skipTitle(lines)) {
    console->print(path + " is not a valid TAB file.\n");
    throw ProgramExit{1};
  }
  while (const auto line = lines.next()) {
    if (startsWithLetter(*line) && addTableEntry(*this, *line) == 0) {
      return 0;
    }
  }
  return 1;
}

int AssemblyJob::parseTableEntry(std::string& text) {
  upperCaseInPlace(text);
  return addTableEntry(*this, text);
}
