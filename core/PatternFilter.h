#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/OperandShape.h"

// What a pattern's fixed characters before its first wildcard demand of an
// operand text, precomputed so that most patterns are turned down with two masked
// word comparisons. For a pattern without a wildcard that fits the packed head
// the answer is final: the text matches exactly when its shape equals the pattern.
class PatternFilter {
public:
  explicit PatternFilter(std::string_view pattern);

  // False means the text cannot match; true is final only when decisive().
  bool admits(const OperandShape& shape) const {
    return ((shape.head[0] & mask_[0]) == fixed_[0]) && ((shape.head[1] & mask_[1]) == fixed_[1]) &&
           (decisive_ ? shape.length == fixedLength_ : shape.length >= fixedLength_);
  }
  bool decisive() const { return decisive_; }

private:
  std::array<std::uint64_t, 2> fixed_{};
  std::array<std::uint64_t, 2> mask_{};
  std::size_t fixedLength_ = 0;  // fixed characters the head compares
  bool decisive_ = false;
};
