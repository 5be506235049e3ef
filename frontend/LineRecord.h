#pragma once

#include <cstdint>

struct TableEntry;

// How long a line is and where pass 1 found its statement word and the text after
// it, counted in characters from the start of the line, so that pass 2 need neither
// search for the line's end nor split it again. The text after the word runs to the
// line feed that ends the line. A word length of 0 stands for an absent word, a
// text start of 0 for absent text (the word always comes first). A line longer than
// a byte can count, or one without a line feed, stays undescribed.
struct StatementSpan {
  std::uint8_t lineLength = 0;  // line feed included; 0: undescribed
  std::uint8_t wordStart = 0;
  std::uint8_t wordLength = 0;
  std::uint8_t restStart = 0;

  bool described() const { return lineLength != 0; }
};

// What pass 1 learned of an instruction's arguments while matching its form, so
// that pass 2 need not cut the operands again: that the form takes none, or where
// its only argument lies, trimmed and never empty, counted in characters from the
// start of the operand text (the text after the statement word). When nothing is
// known pass 2 cuts the operands itself.
struct ArgumentLayout {
  enum class Kind : std::uint8_t { UNKNOWN, NONE, SOLE };
  Kind kind = Kind::UNKNOWN;
  std::uint8_t start = 0;   // of the sole argument
  std::uint8_t length = 0;  // of the sole argument
};

// Where one line of the preprocessed source came from, and what pass 1 found for it.
// Kept to 24 bytes: the records of a large source are walked by both passes.
struct LineRecord {
  std::uint32_t fileIndex = 0;  // index into SourceBuffer::files; wide enough for any number of files
  int lineNumber = 0;           // 1-based; 0 only for the filler line of an empty source
  StatementSpan statement;      // set by pass 1
  std::uint8_t emits = 0;       // set to 1 by pass 1 for lines that pass 2 must process
  ArgumentLayout arguments;     // set by pass 1 for instructions
  const TableEntry* entry = nullptr;  // the instruction form pass 1 matched
};

static_assert(sizeof(LineRecord) <= 24, "a record holds no more than its line needs");
