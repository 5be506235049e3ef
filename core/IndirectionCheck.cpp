#include "core/IndirectionCheck.h"

#include "core/OperandWalker.h"

bool looksLikeIndirection(std::string_view argument) {
  // Without an opening parenthesis nothing can lie inside one.
  if (argument.find('(') == std::string_view::npos) {
    return false;
  }
  OperandWalker walker(argument);
  int outsideParentheses = 0;
  bool insideParentheses = false;
  while (!walker.atEnd()) {
    // A character constant is stepped over whole; neither it nor its quotes count.
    const bool counted = walker.current() != '\'';
    walker.step();
    if (!counted) {
      continue;
    }
    if (walker.depth() == 0) {
      ++outsideParentheses;
    } else {
      insideParentheses = true;
    }
  }
  return insideParentheses && outsideParentheses == 1;
}
