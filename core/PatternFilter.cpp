#include "core/PatternFilter.h"

#include <algorithm>

#include "base/CharClass.h"
#include "core/ByteWords.h"

using bytewords::filledBytes;

PatternFilter::PatternFilter(std::string_view pattern) {
  const std::size_t firstWildcard = pattern.find('*');
  const std::string_view opening = pattern.substr(0, firstWildcard);
  head_ = packHead(opening);
  headMask_ = filledBytes(std::min(opening.size(), OperandShape::HEAD));
  // Each fixed character matches a character of its own. Cut to a byte, the count
  // is still a lower bound.
  const auto fixedCount = pattern.size() - static_cast<std::size_t>(std::ranges::count(pattern, '*'));
  fixedCount_ = static_cast<std::uint8_t>(std::min<std::size_t>(fixedCount, UINT8_MAX));
  const bool fitsHead = opening.size() <= OperandShape::HEAD;
  if (firstWildcard == std::string_view::npos) {
    exactLength_ = fitsHead;
    decisive_ = fitsHead;
    return;
  }
  const std::string_view closing = pattern.substr(pattern.rfind('*') + 1);
  tail_ = packTail(closing);
  tailMask_ = ~filledBytes(OperandShape::TAIL - std::min(closing.size(), OperandShape::TAIL));
  decisive_ = fitsHead && firstWildcard + 1 == pattern.size();
  middleDecides_ = fitsHead && !closing.empty() && closing.size() <= OperandShape::TAIL &&
                   firstWildcard + 1 + closing.size() == pattern.size();
  openingLength_ = static_cast<std::uint8_t>(std::min(opening.size(), OperandShape::HEAD));
  closingLength_ = static_cast<std::uint8_t>(std::min(closing.size(), OperandShape::TAIL));
  argumentStop_ = closing.empty() ? '\0' : closing.front();
}

bool PatternFilter::fitsPlainMiddle(std::string_view text) const {
  if (!middleDecides_) {
    return false;
  }
  const std::string_view taken = text.substr(openingLength_, text.size() - openingLength_ - closingLength_);
  return std::ranges::none_of(
      taken, [this](char c) { return c == '(' || c == ')' || c == '\'' || toUpper(c) == argumentStop_; });
}
