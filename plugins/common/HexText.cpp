#include "plugins/common/HexText.h"

#include <string_view>

namespace calcfile {

namespace {

constexpr std::string_view HEX_DIGITS = "0123456789ABCDEF";

std::size_t hexTextSize(std::size_t imageLength, std::size_t bytesPerLine) {
  const std::size_t separators = imageLength == 0 ? 0 : (imageLength - 1) / bytesPerLine;
  return 2 * imageLength + separators;
}

}  // namespace

std::vector<std::uint8_t> hexText(std::span<const std::uint8_t> image, HexLayout layout) {
  std::vector<std::uint8_t> text;
  text.reserve(hexTextSize(image.size(), layout.bytesPerLine));
  for (std::size_t i = 0; i < image.size(); ++i) {
    if (i != 0 && i % layout.bytesPerLine == 0) {
      text.push_back(layout.lineSeparator);
    }
    text.push_back(static_cast<std::uint8_t>(HEX_DIGITS[image[i] >> 4]));
    text.push_back(static_cast<std::uint8_t>(HEX_DIGITS[image[i] & 0x0F]));
  }
  return text;
}

}  // namespace calcfile
