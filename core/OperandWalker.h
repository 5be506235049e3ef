#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "base/CharClass.h"

// Reads operand text the way every argument is taken from it: a single quote opens
// a character constant that the next quote closes, inside one a backslash carries
// the next character with it, and outside one "(" and ")" nest. Matching, copying
// and the indirection check all walk with this, so they always agree on where an
// argument ends. A character constant is stepped over whole, so the walk never
// stands inside one.
class OperandWalker {
public:
  explicit OperandWalker(std::string_view text, std::size_t position = 0) : text_(text), position_(position) {}

  bool atEnd() const { return position_ >= text_.size(); }
  char current() const { return text_[position_]; }
  std::size_t position() const { return position_; }
  int depth() const { return depth_; }

  // Steps over the current character, or over the whole character constant it opens.
  void step() {
    const char c = text_[position_];
    if (c == '\'') {
      position_ = charConstantEnd();
      return;
    }
    ++position_;
    if (c == '(') {
      ++depth_;
    } else if (c == ')') {
      --depth_;
    }
  }

private:
  // Just past the closing quote of the constant that opens at the current
  // position; a constant left open runs to the end of the text, and a backslash as
  // the last character of the text escapes nothing.
  std::size_t charConstantEnd() const {
    std::size_t pos = position_ + 1;
    while (pos < text_.size()) {
      const char c = text_[pos];
      if (c == '\'') {
        return pos + 1;
      }
      pos += c == '\\' && pos + 1 < text_.size() ? 2 : 1;
    }
    return pos;
  }

  std::string_view text_;
  std::size_t position_;
  int depth_ = 0;
};

// Where the argument that starts at `start` ends: at the end of the text, or before
// the first character outside parentheses and character constants that equals
// `stop` when upper-cased. Without a stop character (the wildcard ends the pattern)
// the argument takes the rest of the text, which needs no walk.
inline std::size_t argumentEnd(std::string_view text, std::size_t start, std::optional<char> stop) {
  if (!stop) {
    return text.size();
  }
  OperandWalker walker(text, start);
  while (!walker.atEnd() && !(walker.depth() <= 0 && toUpper(walker.current()) == *stop)) {
    walker.step();
  }
  return walker.position();
}
