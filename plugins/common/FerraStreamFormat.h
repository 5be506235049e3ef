// The Ferra II stream format, shared by its encoder and decoder.
//
// A stream is a sequence of groups: one flag byte, then up to eight items. The
// flag bits are consumed from bit 7 down; a 0 bit marks a one-byte literal, a 1
// bit a two-byte back-reference X, Y or the one-byte end marker 0x1F.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ferra {

inline constexpr std::size_t WINDOW_SIZE = 2048;
inline constexpr std::size_t MIN_MATCH_LENGTH = 3;
inline constexpr std::size_t MAX_MATCH_LENGTH = 34;
inline constexpr std::uint8_t FIRST_FLAG_BIT = 0x80;
inline constexpr std::uint8_t END_MARKER = 0x1F;

// From this distance on, the high bits of the distance code are 0 or 1; a
// length of 34 there would give X = 0x1F (the end marker) or 0x3F, so the
// longest usable match is one byte shorter.
inline constexpr std::size_t FAR_DISTANCE = 1792;

constexpr std::size_t longestEncodableMatch(std::size_t distance) {
  return distance >= FAR_DISTANCE ? MAX_MATCH_LENGTH - 1 : MAX_MATCH_LENGTH;
}

struct BackReference {
  std::size_t distance;  // 1 to WINDOW_SIZE
  std::size_t length;    // MIN_MATCH_LENGTH to longestEncodableMatch(distance)

  friend bool operator==(const BackReference&, const BackReference&) = default;
};

// The distance is stored as its 11-bit complement V = 2048 - distance: the top
// three bits of V in the top of X, the low eight bits in Y.
constexpr std::array<std::uint8_t, 2> encodeBackReference(BackReference reference) {
  const std::size_t code = (WINDOW_SIZE - reference.distance) % WINDOW_SIZE;
  const std::size_t lengthCode = reference.length - MIN_MATCH_LENGTH;
  return {static_cast<std::uint8_t>((code >> 8) * 32 + lengthCode),
          static_cast<std::uint8_t>(code & 0xFF)};
}

constexpr BackReference decodeBackReference(std::uint8_t x, std::uint8_t y) {
  const std::size_t code = static_cast<std::size_t>(x / 32) * 256 + y;
  return {WINDOW_SIZE - code, static_cast<std::size_t>(x % 32) + MIN_MATCH_LENGTH};
}

}  // namespace ferra
