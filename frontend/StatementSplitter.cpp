#include "frontend/StatementSplitter.h"

#include <cstddef>
#include <cstring>

#include "base/TextScan.h"

void splitStatements(std::span<char> line) {
  // Quotes only matter where they protect a backslash; most lines hold none.
  if (line.empty() || std::memchr(line.data(), '\\', line.size()) == nullptr) {
    return;
  }
  std::size_t position = 0;
  while (position < line.size()) {
    const char c = line[position];
    if (c == '"' || c == '\'') {
      position = quotedTextEnd({line.data(), line.size()}, position, QuoteEscape::BACKSLASH);
      continue;
    }
    if (c == '\\') {
      line[position] = '\n';
    }
    ++position;
  }
}
