#include "core/PatternFilter.h"

#include <algorithm>
#include <string>

PatternFilter::PatternFilter(std::string_view pattern) {
  const std::size_t wildcard = pattern.find('*');
  const std::string_view fixedPart = pattern.substr(0, wildcard);
  fixedLength_ = std::min(fixedPart.size(), OperandShape::HEAD);
  decisive_ = wildcard == std::string_view::npos && pattern.size() <= OperandShape::HEAD;
  fixed_ = packHead(fixedPart.substr(0, fixedLength_));
  mask_ = packHead(std::string(fixedLength_, '\xFF'));
}
