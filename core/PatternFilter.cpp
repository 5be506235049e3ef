#include "core/PatternFilter.h"

#include <algorithm>

#include "core/ByteWords.h"

using bytewords::filledBytes;
using bytewords::WORD;

PatternFilter::PatternFilter(std::string_view pattern) {
  const std::size_t firstWildcard = pattern.find('*');
  const std::string_view opening = pattern.substr(0, firstWildcard);
  const std::size_t headLength = std::min(opening.size(), OperandShape::HEAD);
  headLength_ = static_cast<std::uint8_t>(headLength);
  head_ = packHead(opening.substr(0, headLength));
  headMask_ = {filledBytes(std::min(headLength, WORD)), filledBytes(headLength - std::min(headLength, WORD))};
  const bool fitsHead = opening.size() <= OperandShape::HEAD;
  if (firstWildcard == std::string_view::npos) {
    exactLength_ = fitsHead;
    decisive_ = fitsHead;
    return;
  }
  const std::string_view closing = pattern.substr(pattern.rfind('*') + 1);
  const std::size_t tailLength = std::min(closing.size(), OperandShape::TAIL);
  tail_ = packTail(closing);
  tailMask_ = ~filledBytes(WORD - tailLength);
  decisive_ = fitsHead && firstWildcard + 1 == pattern.size();
}
