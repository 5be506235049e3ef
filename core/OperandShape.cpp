#include "core/OperandShape.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <string>

#include "frontend/CharClass.h"

namespace {

// Operand texts of a line fit this; longer ones (only made by hand) get a buffer
// of their own.
constexpr std::size_t USUAL_TEXT = 256;

}  // namespace

std::array<std::uint64_t, 2> packHead(std::string_view text) {
  std::array<char, OperandShape::HEAD> bytes{};
  std::copy_n(text.begin(), std::min(text.size(), bytes.size()), bytes.begin());
  std::array<std::uint64_t, 2> words{};
  std::memcpy(words.data(), bytes.data(), bytes.size());
  return words;
}

std::uint64_t packTail(std::string_view text) {
  std::array<char, OperandShape::TAIL> bytes{};
  const std::size_t count = std::min(text.size(), bytes.size());
  std::copy_n(text.end() - static_cast<std::ptrdiff_t>(count), count, bytes.end() - static_cast<std::ptrdiff_t>(count));
  std::uint64_t word = 0;
  std::memcpy(&word, bytes.data(), bytes.size());
  return word;
}

// The text's characters other than white space, upper-cased, are gathered without
// a branch per character, between TAIL zero bytes in front (the tail of a short
// text) and HEAD zero bytes behind (the head of a short text).
OperandShape shapeOf(std::string_view text) {
  std::array<char, OperandShape::TAIL + USUAL_TEXT + OperandShape::HEAD> usual;
  std::string unusual;
  std::span<char> buffer = usual;
  if (text.size() > USUAL_TEXT) {
    unusual.resize(OperandShape::TAIL + text.size() + OperandShape::HEAD);
    buffer = unusual;
  }
  std::fill_n(buffer.begin(), OperandShape::TAIL, '\0');
  char* const kept = buffer.data() + OperandShape::TAIL;
  std::size_t count = 0;
  for (const char c : text) {
    kept[count] = toUpper(c);
    count += isSpace(c) ? 0 : 1;
  }
  std::fill_n(kept + count, OperandShape::HEAD, '\0');

  OperandShape shape;
  shape.length = count;
  if (count > 0) {
    shape.firstKey = static_cast<unsigned char>(kept[0]);
  }
  std::memcpy(shape.head.data(), kept, OperandShape::HEAD);
  std::memcpy(&shape.tail, kept + count - OperandShape::TAIL, OperandShape::TAIL);
  return shape;
}
