#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

// Where a character next occurs in a text, for questions asked about its stretches
// in order (the lines of a file): the text is searched again only once a stretch
// lies past the occurrence found last, so a character that few lines hold costs
// one search per occurrence rather than one per line.
class NextOccurrence {
public:
  // Questions will be about stretches from `from` on.
  NextOccurrence(std::string_view text, char wanted, std::size_t from = 0)
      : text_(text), wanted_(wanted), next_(find(from)) {}

  // Whether the character occurs in [from, to). `from` must not decrease from one
  // question to the next.
  bool within(std::size_t from, std::size_t to) { return firstWithin(from, to) < to; }

  // Where the character first occurs in [from, to), or `to` when it does not.
  // `from` must not decrease from one question to the next.
  std::size_t firstWithin(std::size_t from, std::size_t to) {
    if (next_ < from) {
      next_ = find(from);
    }
    return std::min(next_, to);
  }

private:
  // The place of the next occurrence at or after `from`; npos after the last one.
  std::size_t find(std::size_t from) const {
    if (from >= text_.size()) {
      return std::string_view::npos;
    }
    const void* found = std::memchr(text_.data() + from, wanted_, text_.size() - from);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text_.data()) : std::string_view::npos;
  }

  std::string_view text_;
  char wanted_;
  std::size_t next_;
};
