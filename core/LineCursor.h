#pragma once

#include <optional>
#include <string_view>

#include "frontend/SourceBuffer.h"

// Walks the preprocessed source from its first line, numbering the lines as their
// records are numbered. A line is always handed out whole, so a line and its record
// never drift apart; text without a record of its own ends the walk.
class LineCursor {
public:
  explicit LineCursor(SourceBuffer& source) : source_(source) { source_.rewind(); }

  std::optional<std::string_view> next();
  // Index of the line last handed out; -1 before the first.
  int index() const { return index_; }

private:
  SourceBuffer& source_;
  int index_ = -1;
};
