#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// An operand text as the fixed characters of a pattern see it: the matcher skips
// white space before every pattern character and compares letters upper-cased, so
// up to a pattern's first wildcard only the text's other characters, upper-cased,
// count. The first HEAD of them are packed into two words, so that a pattern's
// fixed part is compared with a mask and two word comparisons.
struct OperandShape {
  static constexpr std::size_t HEAD = 16;
  // Marks a text without any such character (blank), and an empty pattern.
  static constexpr int BLANK = 256;

  std::array<std::uint64_t, 2> head{};  // zero-padded
  std::size_t length = 0;               // how many such characters the whole text holds
  int firstKey = BLANK;                 // the first of them as an unsigned byte
};

OperandShape shapeOf(std::string_view text);

// The first HEAD bytes of text, zero-padded, packed into two words the way
// OperandShape::head is.
std::array<std::uint64_t, 2> packHead(std::string_view text);
