#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

// Up to eight characters of a text handled at once in a 64-bit word: the first
// character in the lowest byte on any machine, bytes past the text zero. The word
// tests below flag a byte by setting its high bit, byte by byte and exactly (no
// carry crosses from one byte into the next), so a flag may be located as well
// as detected.
namespace bytewords {

inline constexpr std::size_t WORD = sizeof(std::uint64_t);
inline constexpr std::uint64_t ONES = 0x0101010101010101u;
inline constexpr std::uint64_t HIGH_BITS = 0x8080808080808080u;

// A word of characters at p, the first one in its lowest byte.
template <class Word>
Word loadWord(const char* p) {
  Word word = 0;
  std::memcpy(&word, p, sizeof word);
  if constexpr (std::endian::native == std::endian::big) {
    Word reversed = 0;
    for (std::size_t i = 0; i < sizeof word; ++i) {
      reversed = static_cast<Word>((reversed << 8) | ((word >> (8 * i)) & 0xFF));
    }
    word = reversed;
  }
  return word;
}

inline std::uint64_t load8(const char* p) { return loadWord<std::uint64_t>(p); }

// The first n characters at p (n at most 8), read without touching any byte past
// them: two reads of a power of two that overlap in the middle.
inline std::uint64_t loadUpTo8(const char* p, std::size_t n) {
  if (n >= 4) {
    return n == WORD ? load8(p)
                     : loadWord<std::uint32_t>(p) | (std::uint64_t{loadWord<std::uint32_t>(p + n - 4)} << (8 * (n - 4)));
  }
  if (n >= 2) {
    return loadWord<std::uint16_t>(p) | (std::uint64_t{loadWord<std::uint16_t>(p + n - 2)} << (8 * (n - 2)));
  }
  return n == 1 ? static_cast<unsigned char>(*p) : 0;
}

// The bytes a text of n characters (at most 8) fills, all bits set.
constexpr std::uint64_t filledBytes(std::size_t n) { return n >= WORD ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * n)) - 1; }

// Flags the bytes from 0 to 0x20: the white space characters and the other
// control characters. Bytes from 0x80 up are never flagged.
constexpr std::uint64_t spaceOrControlBytes(std::uint64_t word) {
  const std::uint64_t aboveSpace = (word & ~HIGH_BITS) + ONES * (0x80 - 0x21);
  return ~(aboveSpace | word) & HIGH_BITS;
}

// Every byte from 'a' to 'z' made upper case, as toUpper does one character.
constexpr std::uint64_t upperCased(std::uint64_t word) {
  const std::uint64_t low7 = word & ~HIGH_BITS;
  const std::uint64_t fromA = low7 + ONES * (0x80 - 'a');
  const std::uint64_t pastZ = low7 + ONES * (0x80 - 'z' - 1);
  const std::uint64_t lowerCase = fromA & ~pastZ & ~word & HIGH_BITS;
  return word ^ (lowerCase >> 2);
}

// The index of the first flagged byte; the word has one.
constexpr std::size_t firstFlagged(std::uint64_t flags) { return static_cast<std::size_t>(std::countr_zero(flags)) / 8; }

}  // namespace bytewords
