#include "core/OperandMatcher.h"

#include "core/OperandText.h"
#include "core/OperandWalker.h"
#include "frontend/CharClass.h"

bool matchOperands(std::optional<std::string_view> operands, std::string_view pattern) {
  if (!operands) {
    return pattern.empty();
  }
  const std::string_view text = *operands;
  std::size_t p = 0;
  std::size_t q = 0;
  while (true) {
    p = skipSpace(text, p);
    if (q < pattern.size() && pattern[q] == '*') {
      ++q;
      p = argumentEnd(text, p, argumentStop(pattern, q));
      if (p == text.size() && q < pattern.size()) {
        return false;
      }
    } else if (p == text.size() || q == pattern.size()) {
      return p == text.size() && q == pattern.size();
    } else if (toUpper(text[p]) != pattern[q]) {
      return false;
    }
    if (p == text.size() && q == pattern.size()) {
      return true;
    }
    ++p;
    ++q;
  }
}
