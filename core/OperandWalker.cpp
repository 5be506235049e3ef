#include "core/OperandWalker.h"

#include "frontend/CharClass.h"

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
