#pragma once

#include <cstdint>

struct TableEntry;

// Where one line of the preprocessed source came from, and what pass 1 found for it.
// Kept small: the records of a large source are walked by both passes.
struct LineRecord {
  std::uint32_t fileIndex = 0;  // index into SourceBuffer::files; wide enough for any number of files
  int lineNumber = 0;           // 1-based; 0 only for the filler line of an empty source
  std::uint8_t emits = 0;       // set to 1 by pass 1 for lines that pass 2 must process
  const TableEntry* entry = nullptr;  // the instruction form pass 1 matched
};

static_assert(sizeof(LineRecord) <= 24, "a record holds no more than its line needs");
