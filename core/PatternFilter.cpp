#include "core/PatternFilter.h"

#include <algorithm>
#include <string>

PatternFilter::PatternFilter(std::string_view pattern) {
  const std::size_t firstWildcard = pattern.find('*');
  const std::string_view opening = pattern.substr(0, firstWildcard);
  headLength_ = std::min(opening.size(), OperandShape::HEAD);
  head_ = packHead(opening.substr(0, headLength_));
  headMask_ = packHead(std::string(headLength_, '\xFF'));
  const bool fitsHead = opening.size() <= OperandShape::HEAD;
  if (firstWildcard == std::string_view::npos) {
    exactLength_ = fitsHead;
    decisive_ = fitsHead;
    return;
  }
  const std::string_view closing = pattern.substr(pattern.rfind('*') + 1);
  const std::size_t tailLength = std::min(closing.size(), OperandShape::TAIL);
  tail_ = packTail(closing);
  tailMask_ = packTail(std::string(tailLength, '\xFF'));
  decisive_ = fitsHead && firstWildcard + 1 == pattern.size();
}
