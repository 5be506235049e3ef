#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// An operand text as the fixed characters of a pattern see it: the matcher skips
// white space before every pattern character and compares letters upper-cased, so
// outside the arguments only the text's other characters, upper-cased, count. The
// first HEAD of them and the last TAIL are packed into words, so that the fixed
// characters before a pattern's first wildcard and after its last one are
// compared with a mask and a word comparison each.
struct OperandShape {
  static constexpr std::size_t HEAD = 8;
  static constexpr std::size_t TAIL = 8;
  // Marks a text without any such character (blank), and an empty pattern.
  static constexpr int BLANK = 256;

  std::uint64_t head = 0;  // zero-padded after the text
  std::uint64_t tail = 0;  // zero-padded before the text
  std::size_t length = 0;  // how many such characters the text holds

  // The first and the last of them as unsigned bytes; BLANK for a blank text.
  int firstKey() const { return length == 0 ? BLANK : static_cast<int>(head & 0xFF); }
  int lastKey() const { return length == 0 ? BLANK : static_cast<int>(tail >> 56); }
};

// The text without the white space at its ends, which no pattern character
// matches: matching it gives what matching the whole text gives.
std::string_view significantOperands(std::string_view text);
// The shape of an operand text; quickest for a text trimmed by significantOperands.
OperandShape shapeOf(std::string_view text);

// The first HEAD bytes of text, zero-padded, packed the way OperandShape::head is.
std::uint64_t packHead(std::string_view text);
// The last TAIL bytes of text, zero-padded in front, packed the way OperandShape::tail is.
std::uint64_t packTail(std::string_view text);
