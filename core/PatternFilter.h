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
  // Whether an admitted text without white space fits for sure, which spares the
  // matcher's walk. It does for a pattern with one wildcard between fixed parts
  // that the head and tail compare, when what the wildcard takes holds no
  // parenthesis, no quote and no character that ends the argument: the argument
  // then ends where the closing part begins. False leaves it to the matcher.
  bool fitsPlainMiddle(std::string_view text) const;

private:
  std::uint64_t head_ = 0;
  std::uint64_t headMask_ = 0;
  std::uint64_t tail_ = 0;
  std::uint64_t tailMask_ = 0;
  std::uint8_t fixedCount_ = 0;  // the pattern's characters other than wildcards
  bool exactLength_ = false;     // the text must hold exactly those characters
  bool decisive_ = false;
  bool middleDecides_ = false;   // fitsPlainMiddle can tell
  std::uint8_t openingLength_ = 0;
  std::uint8_t closingLength_ = 0;
  char argumentStop_ = 0;  // the first character of the closing part
};
