#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/OperandShape.h"

// What a pattern's fixed characters demand of an operand text, precomputed so
// that most patterns are turned down with a few masked word comparisons: the
// characters before the first wildcard must open the text, those after the last
// one must close it, and the text must hold at least as many characters as the
// pattern fixes, each matching one. Where nothing else can decide, the answer is
// final: for a pattern without a wildcard, and for one whose only wildcard ends it
// (that wildcard takes whatever is left, even nothing), when the fixed part fits
// the head.
class PatternFilter {
public:
  explicit PatternFilter(std::string_view pattern);

  // False means the text cannot match; true is final only when decisive().
  bool admits(const OperandShape& shape) const {
    return ((shape.head & headMask_) == head_) && ((shape.tail & tailMask_) == tail_) &&
           (exactLength_ ? shape.length == fixedCount_ : shape.length >= fixedCount_);
  }
  bool decisive() const { return decisive_; }

private:
  std::uint64_t head_ = 0;
  std::uint64_t headMask_ = 0;
  std::uint64_t tail_ = 0;
  std::uint64_t tailMask_ = 0;
  std::uint8_t fixedCount_ = 0;  // the pattern's characters other than wildcards
  bool exactLength_ = false;     // the text must hold exactly those characters
  bool decisive_ = false;
};
