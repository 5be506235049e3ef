// The Ferra II encoder as plainly as it can be written: every position of the
// window compared at every step. The yardstick for the fast encoder, in the tests
// and in the benchmark.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ferratest {

inline std::vector<std::uint8_t> encodeFerraStreamExhaustively(std::span<const std::uint8_t> input) {
  std::vector<std::uint8_t> stream;
  std::vector<std::uint8_t> items;
  std::uint8_t flags = 0;
  std::uint8_t mask = 0x80;
  const auto emitGroup = [&] {
    stream.push_back(flags);
    stream.insert(stream.end(), items.begin(), items.end());
    flags = 0;
    mask = 0x80;
    items.clear();
  };

  const std::size_t m = input.size();
  std::size_t p = 0;
  while (p < m) {
    std::size_t bestLength = 0;
    std::size_t bestStart = 0;
    for (std::size_t j = p > 2048 ? p - 2048 : 0; j < p; ++j) {
      const std::size_t end = std::min(p + 34, m);
      std::size_t length = 0;
      while (p + length < end && input[p + length] == input[j + length]) {
        ++length;
      }
      if (length == 34 && p - j >= 1792) {
        length = 33;
      }
      if (length >= bestLength) {
        bestLength = length;
        bestStart = j;
      }
    }
    if (bestLength >= 3) {
      flags |= mask;
      mask >>= 1;
      const auto difference = static_cast<std::uint16_t>(bestStart - p);  // two's complement
      items.push_back(static_cast<std::uint8_t>(((difference % 2048) / 256) * 32 + bestLength - 3));
      items.push_back(static_cast<std::uint8_t>(difference % 256));
      p += bestLength;
    } else {
      mask >>= 1;
      items.push_back(input[p]);
      ++p;
    }
    if (mask == 0) {
      emitGroup();
    }
  }
  flags |= mask;
  items.push_back(0x1F);
  emitGroup();
  return stream;
}

}  // namespace ferratest
