#include "core/OperandShape.h"

#include <algorithm>

#include "core/ByteWords.h"
#include "frontend/CharClass.h"
#include "frontend/TextScan.h"

using namespace bytewords;

namespace {

constexpr std::uint64_t BLANKS = ONES * ' ';

std::uint64_t byteAt(char c, std::size_t place) {
  return std::uint64_t{static_cast<unsigned char>(c)} << (8 * (place % WORD));
}

// Most operand texts hold no white space once it is trimmed off their ends: their
// shape is their own characters, upper-cased, read a word at a time. False (and
// the shape untouched) when the text holds a blank or another control character.
bool packWithoutSpace(std::string_view text, OperandShape& shape) {
  const char* p = text.data();
  const std::size_t n = text.size();
  const std::size_t secondWord = n > WORD ? n - WORD : 0;
  const std::uint64_t head0 = loadUpTo8(p, std::min(n, WORD));
  const std::uint64_t head1 = loadUpTo8(p + std::min(n, WORD), std::min(secondWord, WORD));
  std::uint64_t flags =
      (spaceOrControlBytes(head0) & filledBytes(n)) | (spaceOrControlBytes(head1) & filledBytes(secondWord));
  for (std::size_t i = OperandShape::HEAD; i < n; i += WORD) {
    flags |= spaceOrControlBytes(load8(p + std::min(i, n - WORD)));
  }
  if (flags != 0) {
    return false;
  }
  const std::uint64_t tail = n >= WORD ? load8(p + n - WORD) : head0 << (8 * (WORD - n));
  shape.head = {upperCased(head0), upperCased(head1)};
  shape.tail = upperCased(tail);
  shape.length = n;
  return true;
}

// The words are built in registers as the characters go by, rather than stored
// byte by byte and read back as words, which would stall on every text.
void packSkippingSpace(std::string_view text, OperandShape& shape) {
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
  shape.head = {head0, head1};
  shape.tail = tail;
  shape.length = count;
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

// A comment leaves the blanks before it at the end of the operands, often many of
// them, so those are passed over eight at a time.
std::string_view significantOperands(std::string_view text) {
  std::size_t end = text.size();
  while (end >= WORD && load8(text.data() + end - WORD) == BLANKS) {
    end -= WORD;
  }
  while (end > 0 && isSpace(text[end - 1])) {
    --end;
  }
  std::size_t start = 0;
  while (start < end && isSpace(text[start])) {
    ++start;
  }
  return slice(text, start, end);
}

OperandShape shapeOf(std::string_view significant) {
  OperandShape shape;
  if (!significant.empty() && !packWithoutSpace(significant, shape)) {
    packSkippingSpace(significant, shape);
  }
  return shape;
}
