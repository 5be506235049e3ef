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

// Where one line of the preprocessed source came from, and what pass 1 found for it.
struct LineRecord {
  std::uint32_t fileIndex = 0;  // index into SourceBuffer::files; wide enough for any number of files
  int lineNumber = 0;           // 1-based; 0 only for the filler line of an empty source
  int emits = 0;                // set by pass 1 for lines that pass 2 must process
  StatementSpan statement;      // set by pass 1
  const TableEntry* entry = nullptr;  // the instruction form pass 1 matched
};
