#pragma once

#include <cstdint>

struct TableEntry;

// Where one line of the preprocessed source came from, and what pass 1 found for it.
struct LineRecord {
  std::uint32_t fileIndex = 0;  // index into SourceBuffer::files; wide enough for any number of files
  int lineNumber = 0;           // 1-based; 0 only for the filler line of an empty source
  int emits = 0;                // set by pass 1 for lines that pass 2 must process
  const TableEntry* entry = nullptr;  // the instruction form pass 1 matched
};
