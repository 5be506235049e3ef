#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

#include "frontend/SourceBuffer.h"

// Walks the preprocessed source from its first line, numbering the lines as their
// records are numbered. A line is always handed out whole, so a line and its record
// never drift apart; text without a record of its own ends the walk. The passes do
// not write the source, so the walk keeps its own place in the text.
class LineCursor {
public:
  explicit LineCursor(const SourceBuffer& source) : text_(source.text()), lineCount_(source.lines().size()) {}

  // The next line, its line feed included; call only when more() is true.
  std::string_view nextLine() {
    const char* start = text_.data() + position_;
    const std::size_t left = text_.size() - position_;
    const void* lineFeed = std::memchr(start, '\n', left);
    const std::size_t length =
        lineFeed ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - start) + 1 : left;
    position_ += length;
    ++index_;
    return std::string_view(start, length);
  }
  // Index of the line last handed out; -1 before the first.
  int index() const { return index_; }
  // Whether another line is to come.
  bool more() const { return static_cast<std::size_t>(index_ + 1) < lineCount_ && position_ < text_.size(); }

private:
  std::string_view text_;
  std::size_t lineCount_;
  std::size_t position_ = 0;
  int index_ = -1;
};
