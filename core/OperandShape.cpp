#include "core/OperandShape.h"

#include <algorithm>

#include "frontend/CharClass.h"

namespace {

constexpr std::size_t WORD = 8;

std::uint64_t byteAt(char c, std::size_t place) {
  return std::uint64_t{static_cast<unsigned char>(c)} << (8 * (place % WORD));
}

}  // namespace

// Characters are packed by value, the first one in the lowest byte of the first
// word, so that patterns and texts are packed alike on any machine.
std::array<std::uint64_t, 2> packHead(std::string_view text) {
  std::array<std::uint64_t, 2> words{};
  for (std::size_t i = 0; i < std::min(text.size(), OperandShape::HEAD); ++i) {
    words[i / WORD] |= byteAt(text[i], i);
  }
  return words;
}

// The last character goes to the highest byte, as a shift register would put it.
std::uint64_t packTail(std::string_view text) {
  std::uint64_t word = 0;
  for (const char c : text.substr(text.size() - std::min(text.size(), OperandShape::TAIL))) {
    word = (word >> 8) | byteAt(c, WORD - 1);
  }
  return word;
}

// The words are built in registers as the characters go by, rather than stored
// byte by byte and read back as words, which would stall on every text.
OperandShape shapeOf(std::string_view text) {
  std::uint64_t head0 = 0;
  std::uint64_t head1 = 0;
  std::uint64_t tail = 0;
  std::size_t count = 0;
  for (const char c : text) {
    if (isSpace(c)) {
      continue;
    }
    const char upper = toUpper(c);
    if (count < WORD) {
      head0 |= byteAt(upper, count);
    } else if (count < OperandShape::HEAD) {
      head1 |= byteAt(upper, count);
    }
    tail = (tail >> 8) | byteAt(upper, WORD - 1);
    ++count;
  }
  OperandShape shape;
  shape.head = {head0, head1};
  shape.tail = tail;
  shape.length = count;
  if (count > 0) {
    shape.firstKey = static_cast<int>(head0 & 0xFF);
  }
  return shape;
}
