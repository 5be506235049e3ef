#include "core/OperandShape.h"

#include <algorithm>
#include <cstring>

#include "frontend/CharClass.h"

std::array<std::uint64_t, 2> packHead(std::string_view text) {
  std::array<char, OperandShape::HEAD> bytes{};
  std::copy_n(text.begin(), std::min(text.size(), bytes.size()), bytes.begin());
  std::array<std::uint64_t, 2> words{};
  std::memcpy(words.data(), bytes.data(), bytes.size());
  return words;
}

OperandShape shapeOf(std::string_view text) {
  std::array<char, OperandShape::HEAD> bytes{};
  OperandShape shape;
  for (const char c : text) {
    if (isSpace(c)) {
      continue;
    }
    if (shape.length < bytes.size()) {
      bytes[shape.length] = toUpper(c);
    }
    ++shape.length;
  }
  if (shape.length > 0) {
    shape.firstKey = static_cast<unsigned char>(bytes[0]);
  }
  std::memcpy(shape.head.data(), bytes.data(), bytes.size());
  return shape;
}
