// Deterministic inputs for the Ferra II encoder, of the kinds a program image is
// made of and of the kinds that stress the search: many equal-length candidates,
// repeats at the far end of the window, long runs.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace ferratest {

using Bytes = std::vector<std::uint8_t>;

inline Bytes randomBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 random(seed);
  Bytes bytes(size);
  for (auto& byte : bytes) {
    byte = static_cast<std::uint8_t>(random());
  }
  return bytes;
}

// Few distinct bytes: every position has many candidates of equal length.
inline Bytes smallAlphabet(std::size_t size, unsigned alphabet, std::uint32_t seed) {
  std::mt19937 random(seed);
  Bytes bytes(size);
  for (auto& byte : bytes) {
    byte = static_cast<std::uint8_t>('a' + random() % alphabet);
  }
  return bytes;
}

inline Bytes textLike(std::size_t size, std::uint32_t seed) {
  static constexpr std::array<std::string_view, 16> WORDS{
      "the ", "score ", "level ", "press ", "ENTER ", "to ", "continue", ". ", "game ", "over",
      "\n", "lives: ", "high ", "you ", "win! ", "lose "};
  std::mt19937 random(seed);
  Bytes bytes;
  while (bytes.size() < size) {
    const std::string_view word = WORDS[random() % WORDS.size()];
    bytes.insert(bytes.end(), word.begin(), word.end());
  }
  bytes.resize(size);
  return bytes;
}

// Z80-like code: a few instruction shapes with operands drawn from small sets,
// as an assembled program looks to the encoder.
inline Bytes codeLike(std::size_t size, std::uint32_t seed) {
  static constexpr std::array<std::array<std::uint8_t, 3>, 8> SHAPES{{
      {0x3E, 0x00, 0x00},  // ld a, n
      {0xCD, 0x00, 0x00},  // call nn
      {0x21, 0x00, 0x00},  // ld hl, nn
      {0x18, 0x00, 0x00},  // jr e
      {0x32, 0x00, 0x00},  // ld (nn), a
      {0xC9, 0x00, 0x00},  // ret
      {0x23, 0x00, 0x00},  // inc hl
      {0x7E, 0x00, 0x00},  // ld a, (hl)
  }};
  static constexpr std::array<std::size_t, 8> LENGTHS{2, 3, 3, 2, 3, 1, 1, 1};
  std::mt19937 random(seed);
  Bytes bytes;
  while (bytes.size() < size) {
    const std::size_t shape = random() % SHAPES.size();
    bytes.push_back(SHAPES[shape][0]);
    for (std::size_t i = 1; i < LENGTHS[shape]; ++i) {
      bytes.push_back(static_cast<std::uint8_t>(i == 1 ? random() % 16 : 0xD7 + random() % 4));
    }
  }
  bytes.resize(size);
  return bytes;
}

// Copies of earlier stretches from anywhere in (and just beyond) the window,
// with a byte changed now and then, between random bytes.
inline Bytes repetitive(std::size_t size, std::uint32_t seed) {
  std::mt19937 random(seed);
  Bytes bytes = randomBytes(std::min<std::size_t>(size, 64), seed);
  while (bytes.size() < size) {
    const std::size_t distance = 1 + random() % std::min<std::size_t>(bytes.size(), 2200);
    const std::size_t length = 1 + random() % 48;
    for (std::size_t i = 0; i < length && bytes.size() < size; ++i) {
      bytes.push_back(bytes[bytes.size() - distance]);
    }
    if (random() % 3 == 0 && bytes.size() < size) {
      bytes.push_back(static_cast<std::uint8_t>(random()));
    }
  }
  return bytes;
}

// A block repeated at a fixed distance: with distances from 1792 to 2048 the
// encoder must shorten 34-byte matches to 33.
inline Bytes periodic(std::size_t size, std::size_t period, std::uint32_t seed) {
  Bytes bytes = randomBytes(std::min(size, period), seed);
  while (bytes.size() < size) {
    bytes.push_back(bytes[bytes.size() - period]);
  }
  return bytes;
}

}  // namespace ferratest
