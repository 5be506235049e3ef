#pragma once

#include <cstdint>

struct TableEntry;

// Where pass 1 found a line's statement word and the text after it, counted in
// characters from the start of the line, so that pass 2 need not split the line
// again. A length of 0 stands for an absent word or text. A line too long to be
// described in bytes stays undescribed.
struct StatementSpan {
  static constexpr std::uint8_t UNDESCRIBED = 0xFF;  // no word of a line can start there

  std::uint8_t wordStart = UNDESCRIBED;
  std::uint8_t wordLength = 0;
  std::uint8_t restStart = 0;
  std::uint8_t restLength = 0;

  bool described() const { return wordStart != UNDESCRIBED; }
};

// Where one line of the preprocessed source came from, and what pass 1 found for it.
struct LineRecord {
  std::uint32_t fileIndex = 0;  // index into SourceBuffer::files; wide enough for any number of files
  int lineNumber = 0;           // 1-based; 0 only for the filler line of an empty source
  int emits = 0;                // set by pass 1 for lines that pass 2 must process
  StatementSpan statement;      // set by pass 1
  const TableEntry* entry = nullptr;  // the instruction form pass 1 matched
};
