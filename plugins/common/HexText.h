// Machine code as program text: two upper-case hexadecimal digits a byte, the way
// the calculators' program editors hold code that their OS turns back into bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace calcfile {

struct HexLayout {
  std::size_t bytesPerLine;  // at least 1
  std::uint8_t lineSeparator;  // the calculator's new-line token
};

// For text that stays on one line: no separator is ever written.
constexpr HexLayout ONE_LINE{std::numeric_limits<std::size_t>::max(), 0};

std::vector<std::uint8_t> hexText(std::span<const std::uint8_t> image, HexLayout layout);

}  // namespace calcfile
