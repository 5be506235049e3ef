#include "core/OperandWalker.h"

#include "frontend/CharClass.h"

void OperandWalker::step() {
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

std::size_t argumentEnd(std::string_view text, std::size_t start, std::optional<char> stop) {
  OperandWalker walker(text, start);
  while (!walker.atEnd()) {
    if (stop && walker.depth() <= 0 && !walker.inCharConstant() && toUpper(walker.current()) == *stop) {
      break;
    }
    walker.step();
  }
  return walker.position();
}
