#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "frontend/CharClass.h"

// Reads operand text the way every argument is taken from it: a single quote opens
// or closes a character constant, inside one a backslash carries the next character
// with it, and outside one "(" and ")" nest. Matching, copying and the indirection
// check all walk with this, so they always agree on where an argument ends.
class OperandWalker {
public:
  explicit OperandWalker(std::string_view text, std::size_t position = 0) : text_(text), position_(position) {}

  bool atEnd() const { return position_ >= text_.size(); }
  char current() const { return text_[position_]; }
  std::size_t position() const { return position_; }
  bool inCharConstant() const { return inCharConstant_; }
  int depth() const { return depth_; }

  // Steps over the current character. A backslash as the last character of the
  // text escapes nothing: the walk never goes past the end.
  void step() {
    const char c = text_[position_++];
    if (c == '\'') {
      inCharConstant_ = !inCharConstant_;
    } else if (inCharConstant_) {
      if (c == '\\' && position_ < text_.size()) {
        ++position_;
      }
    } else if (c == '(') {
      ++depth_;
    } else if (c == ')') {
      --depth_;
    }
  }

private:
  std::string_view text_;
  std::size_t position_;
  bool inCharConstant_ = false;
  int depth_ = 0;
};

// Where the argument that starts at `start` ends: at the end of the text, or before
// the first character outside parentheses and character constants that equals
// `stop` when upper-cased. Without a stop character (the wildcard ends the pattern)
// the argument takes the rest of the text.
inline std::size_t argumentEnd(std::string_view text, std::size_t start, std::optional<char> stop) {
  OperandWalker walker(text, start);
  while (!walker.atEnd()) {
    if (stop && walker.depth() <= 0 && !walker.inCharConstant() && toUpper(walker.current()) == *stop) {
      break;
    }
    walker.step();
  }
  return walker.position();
}
