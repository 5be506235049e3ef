#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/OperandShape.h"

// What a pattern's fixed characters demand of an operand text, precomputed so
// that most patterns are turned down with a few masked word comparisons: the
// characters before the first wildcard must open the text, those after the last
// one must close it. Where nothing else can decide, the answer is final: for a
// pattern without a wildcard, and for one whose only wildcard ends it (that
// wildcard takes whatever is left, even nothing), when the fixed part fits the head.
class PatternFilter {
public:
  explicit PatternFilter(std::string_view pattern);

  // False means the text cannot match; true is final only when decisive().
  bool admits(const OperandShape& shape) const {
    return ((shape.head[0] & headMask_[0]) == head_[0]) && ((shape.head[1] & headMask_[1]) == head_[1]) &&
           ((shape.tail & tailMask_) == tail_) &&
           (exactLength_ ? shape.length == headLength_ : shape.length >= headLength_);
  }
  bool decisive() const { return decisive_; }

private:
  std::array<std::uint64_t, 2> head_{};
  std::array<std::uint64_t, 2> headMask_{};
  std::uint64_t tail_ = 0;
  std::uint64_t tailMask_ = 0;
  std::uint8_t headLength_ = 0;  // fixed characters the head compares, at most HEAD
  bool exactLength_ = false;     // the text must hold exactly those characters
  bool decisive_ = false;
};
