#include "core/OperandShape.h"

#include <algorithm>

#include "base/CharClass.h"
#include "base/TextScan.h"
#include "core/ByteWords.h"

using namespace bytewords;

namespace {

constexpr std::uint64_t BLANKS = ONES * ' ';

std::uint64_t byteAt(char c, std::size_t place) {
  return std::uint64_t{static_cast<unsigned char>(c)} << (8 * place);
}

// Most operand texts hold no white space once it is trimmed off their ends: their
// shape is their own characters, upper-cased, read a word at a time. False (and
// the shape untouched) when the text holds a blank or another control character.
bool packWithoutSpace(std::string_view text, OperandShape& shape) {
  const char* p = text.data();
  const std::size_t n = text.size();
  const std::uint64_t head = loadUpTo8(p, std::min(n, WORD));
  std::uint64_t flags = spaceOrControlBytes(head) & filledBytes(n);
  for (std::size_t i = WORD; i < n; i += WORD) {
    flags |= spaceOrControlBytes(load8(p + std::min(i, n - WORD)));
  }
  if (flags != 0) {
    return false;
  }
  shape.head = upperCased(head);
  shape.tail = n >= WORD ? upperCased(load8(p + n - WORD)) : shape.head << (8 * (WORD - n));
  shape.length = n;
  return true;
}

// The words are built in registers as the characters go by, rather than stored
// byte by byte and read back as words, which would stall on every text.
void packSkippingSpace(std::string_view text, OperandShape& shape) {
  std::uint64_t head = 0;
  std::uint64_t tail = 0;
  std::size_t count = 0;
  for (const char c : text) {
    if (isSpace(c)) {
      continue;
    }
    const char upper = toUpper(c);
    if (count < OperandShape::HEAD) {
      head |= byteAt(upper, count);
    }
    tail = (tail >> 8) | byteAt(upper, WORD - 1);
    ++count;
  }
  shape.head = head;
  shape.tail = tail;
  shape.length = count;
}

}  // namespace

// Characters are packed by value, the first one in the lowest byte, so that
// patterns and texts are packed alike on any machine.
std::uint64_t packHead(std::string_view text) { return loadUpTo8(text.data(), std::min(text.size(), OperandShape::HEAD)); }

// The last character goes to the highest byte, as a shift register would put it.
std::uint64_t packTail(std::string_view text) {
  const std::size_t count = std::min(text.size(), OperandShape::TAIL);
  return count == 0 ? 0 : loadUpTo8(text.data() + text.size() - count, count) << (8 * (WORD - count));
}

// A comment leaves the blanks before it at the end of the operands, often many of
// them, so those are passed over eight at a time. Most operands end without any.
std::string_view significantOperands(std::string_view text) {
  std::size_t end = text.size();
  if (end > 0 && isSpace(text[end - 1])) {
    while (end >= WORD && load8(text.data() + end - WORD) == BLANKS) {
      end -= WORD;
    }
    while (end > 0 && isSpace(text[end - 1])) {
      --end;
    }
  }
  std::size_t start = 0;
  while (start < end && isSpace(text[start])) {
    ++start;
  }
  return slice(text, start, end);
}

OperandShape shapeOf(std::string_view text) {
  OperandShape shape;
  if (!text.empty() && !packWithoutSpace(text, shape)) {
    packSkippingSpace(text, shape);
  }
  return shape;
}
