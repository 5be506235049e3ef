#include "core/InstructionEncoder.h"

#include <algorithm>

#include "base/CharClass.h"
#include "base/TextScan.h"
#include "core/IndirectionCheck.h"
#include "core/OperandMatcher.h"
#include "core/OperandText.h"
#include "core/OperandWalker.h"
#include "job/AssemblyJob.h"

namespace {

constexpr std::int32_t BYTE_MIN = -128;
constexpr std::int32_t BYTE_MAX = 127;
constexpr std::int32_t UNSIGNED_BYTE_MAX = 255;
constexpr std::int32_t HIGHEST_BIT = 7;
// The table gives an entry 1 to 6 bytes, opcode and argument together.
constexpr std::size_t MAX_INSTRUCTION_BYTES = 6;

// A size from the table as a byte count of at most MAX_INSTRUCTION_BYTES.
std::size_t bytesWithin(std::int16_t size) {
  return std::min(static_cast<std::size_t>(std::max<int>(size, 0)), MAX_INSTRUCTION_BYTES);
}

// The state of one instruction while its arguments are merged into its bytes.
class InstructionEncoder {
public:
  InstructionEncoder(AssemblyJob& job, const TableEntry& entry, int lineIndex, bool checkIndirection)
      : job_(job), entry_(entry), lineIndex_(lineIndex), checkIndirection_(checkIndirection) {}

  void readArguments(std::string_view text);
  void emit(OutputImage& image);

private:
  // `wildcard` is where the argument's '*' stands in the pattern.
  void takeArgument(std::string_view argument, std::size_t wildcard);
  std::string_view argumentText(std::string_view copied, std::size_t q) const;
  bool argumentOwnsOnlyTheLowByte() const;
  std::uint16_t evaluateArgument(std::string_view argument);
  std::uint16_t evaluateDisplacement(std::string_view argument);
  void mergeArgument(std::uint16_t value);
  void mergeRelativeTarget(std::uint16_t target);
  void mergeSecondByte(std::uint16_t value);
  std::uint32_t opcodeWithBitNumber();

  AssemblyJob& job_;
  const TableEntry& entry_;
  int lineIndex_;
  bool checkIndirection_;
  int argCount_ = 0;
  bool firstArgumentIsDisplacement_ = false;  // its range is checked on its own
  std::int32_t bitNumber_ = 0;
  std::uint16_t argValue_ = 0;
};

// Where the next wildcard at or after q stands in the pattern, or npos. Patterns
// are a few characters long: a plain loop beats a call to search them.
std::size_t nextWildcard(std::string_view pattern, std::size_t q) {
  for (; q < pattern.size(); ++q) {
    if (pattern[q] == '*') {
      return q;
    }
  }
  return std::string_view::npos;
}

// Whether the wildcard at `wildcard` stands for an index register's displacement:
// it lies inside a parenthesis that opens with the register's name, as in (IX*) or
// (IY+*). Patterns are upper case.
bool isIndexDisplacement(std::string_view pattern, std::size_t wildcard) {
  const std::size_t open = pattern.rfind('(', wildcard);
  if (open == std::string_view::npos) {
    return false;
  }
  const std::string_view inside = pattern.substr(open + 1, wildcard - open - 1);
  if (!inside.starts_with("IX") && !inside.starts_with("IY")) {
    return false;
  }
  return inside.size() == 2 || (inside.size() == 3 && (inside[2] == '+' || inside[2] == '-'));
}

// Steps over the text that `count` plain pattern characters matched, each the next
// character that is not white space; npos when the text ends first.
std::size_t skipMatchedCharacters(std::string_view text, std::size_t p, std::size_t count) {
  for (; count > 0; --count) {
    p = skipSpacesFrom(text, p);
    if (p >= text.size()) {
      return std::string_view::npos;
    }
    ++p;
  }
  return p;
}

// The pattern has already been matched in pass 1, so every plain pattern character
// stands for the next character of the text that is not white space, and each
// wildcard for the argument up to the pattern character after it. The walk stops
// at whichever of the two ends first, and after the last wildcard: the plain
// characters behind it hold no argument.
void InstructionEncoder::readArguments(std::string_view text) {
  const std::string_view pattern = entry_.argPattern;
  std::size_t p = 0;
  std::size_t q = 0;
  for (std::size_t wildcard = nextWildcard(pattern, q); wildcard != std::string_view::npos;
       wildcard = nextWildcard(pattern, q)) {
    p = skipMatchedCharacters(text, p, wildcard - q);
    if (p == std::string_view::npos) {
      return;
    }
    p = skipSpacesFrom(text, p);
    const std::size_t start = p;
    q = wildcard + 1;
    p = argumentEnd(text, p, argumentStop(pattern, q));
    if (p == text.size() && q < pattern.size()) {
      return;
    }
    takeArgument(argumentText(slice(text, start, p), q), wildcard);
    // Steps over the text character that matched the pattern character after the argument.
    if (q == pattern.size() || p >= text.size()) {
      return;
    }
    ++p;
    ++q;
  }
}

void InstructionEncoder::takeArgument(std::string_view argument, std::size_t wildcard) {
  ++argCount_;
  if (checkIndirection_ && looksLikeIndirection(argument)) {
    job_.report(WARN_APPARENT_INDIRECTION, lineIndex_, argument);
  }
  if (!isIndexDisplacement(entry_.argPattern, wildcard)) {
    mergeArgument(evaluateArgument(argument));
    return;
  }
  if (argCount_ == 1) {
    firstArgumentIsDisplacement_ = true;
  }
  mergeArgument(evaluateDisplacement(argument));
}

// The whole argument has been passed over already, so cutting it never leaves the
// walk in the middle of it.
std::string_view InstructionEncoder::argumentText(std::string_view copied, std::size_t q) const {
  const std::string_view pattern = entry_.argPattern;
  // An empty argument right after a register name is a displacement of 0: (IX) is (IX+0).
  if (copied.empty() && q >= 2 && isLetter(pattern[q - 2])) {
    return "0";
  }
  if (copied.size() > ARGUMENT_MAX) {
    job_.report(ERR_EXPRESSION_TOO_LONG, lineIndex_);
    return trimSpaces(copied.substr(0, ARGUMENT_MAX));
  }
  return trimSpaces(copied);
}

// Indexed bit, rotate and shift instructions (DD CB d op) keep their last opcode
// byte in the high byte of the OR mask: the argument is only the displacement
// byte in front of it.
bool InstructionEncoder::argumentOwnsOnlyTheLowByte() const {
  return entry_.argSize == 2 && (entry_.orMask & 0xFF00) != 0;
}

std::uint16_t InstructionEncoder::evaluateArgument(std::string_view argument) {
  const bool byteContext = (entry_.argSize == 1 || argumentOwnsOnlyTheLowByte()) && entry_.modifier != MOD_R1;
  return job_.evaluateAt(argument, job_.source->fileNameOf(lineIndex_), job_.source->lineNumberOf(lineIndex_),
                         byteContext);
}

// A displacement is one signed byte. Outside its range the processor would reach
// another address than the one written, so that is an error, not a warning; the
// low byte is still written, as for a relative jump.
std::uint16_t InstructionEncoder::evaluateDisplacement(std::string_view argument) {
  const std::int32_t value = job_.evaluateUncheckedAt(argument, job_.source->fileNameOf(lineIndex_),
                                                      job_.source->lineNumberOf(lineIndex_));
  if (value < BYTE_MIN || value > BYTE_MAX) {
    job_.report(ERR_INDEX_OFFSET_OUT_OF_RANGE, lineIndex_);
  }
  return static_cast<std::uint16_t>(value);
}

void InstructionEncoder::mergeArgument(std::uint16_t value) {
  switch (entry_.modifier) {
    case MOD_R1:
      mergeRelativeTarget(value);
      return;
    case MOD_ZBIT:
      if (argCount_ == 1) {
        bitNumber_ = value;
        return;
      }
      break;
    case MOD_COMBINE:
    case MOD_CSWAP:
      if (argCount_ == 2) {
        mergeSecondByte(value);
        return;
      }
      break;
    case MOD_NONE:
      break;
  }
  argValue_ = value;
}

// The displacement counts from the address after the two-byte instruction.
void InstructionEncoder::mergeRelativeTarget(std::uint16_t target) {
  const std::int32_t distance = std::int32_t{target} - std::int32_t{job_.pc} - 2;
  argValue_ = static_cast<std::uint16_t>(distance & 0xFF);
  if (distance > BYTE_MAX || distance < BYTE_MIN) {
    job_.report(ERR_RELATIVE_JUMP_TOO_LONG, lineIndex_);
  }
}

// COMBINE puts the first argument in the low byte and the second in the high byte;
// CSWAP the other way round, and it takes only signed bytes.
void InstructionEncoder::mergeSecondByte(std::uint16_t value) {
  const bool swapped = entry_.modifier == MOD_CSWAP;
  const std::int32_t highest = swapped ? BYTE_MAX : UNSIGNED_BYTE_MAX;
  const auto outOfRange = [highest](std::uint16_t byte) {
    const std::int32_t asSigned = static_cast<std::int16_t>(byte);
    return asSigned < BYTE_MIN || asSigned > highest;
  };
  if ((!firstArgumentIsDisplacement_ && outOfRange(argValue_)) || outOfRange(value)) {
    job_.report(WARN_UNUSED_HIGH_BYTE, lineIndex_);
  }
  if (swapped) {
    argValue_ = static_cast<std::uint16_t>((argValue_ << 8) + (value & 0xFF));
  } else {
    argValue_ = static_cast<std::uint16_t>((argValue_ & 0xFF) + (value << 8));
  }
}

// The bit number lands in the byte that holds the register field of the
// instruction, which depends on how long the instruction is.
std::uint32_t InstructionEncoder::opcodeWithBitNumber() {
  std::uint32_t opcode = entry_.opcode;
  if (bitNumber_ == 0) {
    return opcode;
  }
  if (bitNumber_ > HIGHEST_BIT) {
    job_.report(ERR_ILLEGAL_BIT_VALUE, lineIndex_, DiagnosticArg::number(bitNumber_));
  }
  const auto bits = static_cast<std::uint32_t>(bitNumber_) * 8;
  switch (entry_.size) {
    case 1:
    case 2:
      opcode += bits << 8;
      break;
    case 3:
      argValue_ = static_cast<std::uint16_t>(argValue_ + bits);
      break;
    case 4:
      argValue_ = static_cast<std::uint16_t>(argValue_ + (bits << 8));
      break;
    default:
      break;
  }
  return opcode;
}

void InstructionEncoder::emit(OutputImage& image) {
  if (argumentOwnsOnlyTheLowByte()) {
    // A negative displacement must not spill into the opcode byte.
    argValue_ &= 0x00FF;
  }
  argValue_ |= entry_.orMask;
  // The opcode's bytes come first, low byte first, then the argument's; bytes past
  // the opcode's four or the argument's two are zeros. So the instruction is the
  // low bytes of one number, written in one piece. Only the entry's opcode bytes
  // are written: an opcode wider than that (from .ADDINSTR, or a bit number added
  // above a one-byte opcode) must not reach the argument's bytes. The table never
  // sizes an entry past MAX_INSTRUCTION_BYTES; the limits keep the shifts defined
  // if one did.
  const std::size_t opcodeBytes = bytesWithin(entry_.opcodeSize);
  const std::uint64_t opcode = opcodeWithBitNumber() & ((std::uint64_t{1} << (8 * opcodeBytes)) - 1);
  const std::size_t count = std::min(opcodeBytes + bytesWithin(entry_.argSize), MAX_INSTRUCTION_BYTES);
  image.writeLowBytes(opcode | (std::uint64_t{argValue_} << (8 * opcodeBytes)), count);
  job_.pc = static_cast<std::uint16_t>(job_.pc + entry_.size);
}

}  // namespace

void encodeInstruction(AssemblyJob& job, const TableEntry& entry, std::optional<std::string_view> operands,
                       int lineIndex, OutputImage& image, bool checkIndirection) {
  InstructionEncoder encoder(job, entry, lineIndex, checkIndirection);
  if (operands) {
    encoder.readArguments(*operands);
  }
  encoder.emit(image);
}
