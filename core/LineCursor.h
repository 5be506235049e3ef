#pragma once

#include <cstddef>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "frontend/SourceBuffer.h"

// Walks the preprocessed source from its first line, numbering the lines as their
// records are numbered. A line is always handed out whole, so a line and its record
// never drift apart; text without a record of its own ends the walk. The passes do
// not write the source, so the walk keeps its own place in the text.
class LineCursor {
public:
  explicit LineCursor(const SourceBuffer& source) : pieces_(source.pieces()), lineCount_(source.lines().size()) {}

  // The next line, its line feed included. A caller that knows how long the line is
  // (pass 1 noted it) gives its length, and the line end is not searched for.
  std::optional<std::string_view> next(std::size_t knownLength = 0) {
    if (!more()) {
      return std::nullopt;
    }
    const std::string_view piece = pieces_[piece_];
    const char* start = piece.data() + offset_;
    const std::size_t left = piece.size() - offset_;
    std::size_t length = knownLength;
    if (length == 0 || length > left) {
      const void* lineFeed = std::memchr(start, '\n', left);
      length = lineFeed ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - start) + 1 : left;
    }
    offset_ += length;
    if (offset_ == piece.size()) {
      ++piece_;
      offset_ = 0;
    }
    ++index_;
    return std::string_view(start, length);
  }
  // Index of the line last handed out; -1 before the first.
  int index() const { return index_; }
  // Whether another line is to come. Pieces are never empty, and no line spans two.
  bool more() const { return static_cast<std::size_t>(index_ + 1) < lineCount_ && piece_ < pieces_.size(); }

private:
  const std::vector<std::string_view>& pieces_;
  std::size_t lineCount_;
  std::size_t piece_ = 0;
  std::size_t offset_ = 0;
  int index_ = -1;
};
