#include "frontend/StatementSplitter.h"

#include <cstddef>
#include <cstring>

namespace {

std::size_t quotedTextEnd(std::span<const char> line, std::size_t open) {
  const char quote = line[open];
  std::size_t position = open + 1;
  while (position < line.size()) {
    if (line[position] == '\\' && position + 1 < line.size() && line[position + 1] == quote) {
      position += 2;
    } else if (line[position] == quote) {
      return position + 1;
    } else {
      ++position;
    }
  }
  return line.size();
}

}  // namespace

void splitStatements(std::span<char> line) {
  // Quotes only matter where they protect a backslash; most lines hold none.
  if (line.empty() || std::memchr(line.data(), '\\', line.size()) == nullptr) {
    return;
  }
  std::size_t position = 0;
  while (position < line.size()) {
    const char c = line[position];
    if (c == '"' || c == '\'') {
      position = quotedTextEnd(line, position);
      continue;
    }
    if (c == '\\') {
      line[position] = '\n';
    }
    ++position;
  }
}
