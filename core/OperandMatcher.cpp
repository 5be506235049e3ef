#include "core/OperandMatcher.h"

#include "base/CharClass.h"
#include "base/TextScan.h"
#include "core/OperandText.h"
#include "core/OperandWalker.h"

bool matchOperands(std::optional<std::string_view> operands, std::string_view pattern,
                   std::string_view* firstArgument) {
  if (!operands) {
    return pattern.empty();
  }
  const std::string_view text = *operands;
  bool anyTaken = false;
  std::size_t p = 0;
  std::size_t q = 0;
  while (true) {
    p = skipSpacesFrom(text, p);
    if (q < pattern.size() && pattern[q] == '*') {
      ++q;
      const std::size_t start = p;
      p = argumentEnd(text, p, argumentStop(pattern, q));
      if (p == text.size() && q < pattern.size()) {
        return false;
      }
      if (firstArgument != nullptr && !anyTaken) {
        *firstArgument = slice(text, start, p);
        anyTaken = true;
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
