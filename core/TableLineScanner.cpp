#include "core/TableLineScanner.h"

#include <array>
#include <limits>

#include "frontend/CharClass.h"
#include "frontend/TextScan.h"

namespace {

// The value of every character as a digit, looked up once per character: 0-15
// for the hexadecimal digits, more than any base for the rest.
constexpr std::array<std::uint8_t, 256> makeDigitValues() {
  std::array<std::uint8_t, 256> values{};
  for (std::size_t c = 0; c < values.size(); ++c) {
    values[c] = isHexDigit(static_cast<char>(c)) ? static_cast<std::uint8_t>(hexDigitValue(static_cast<char>(c))) : 0xFF;
  }
  return values;
}

constexpr std::array<std::uint8_t, 256> DIGIT_VALUES = makeDigitValues();

std::optional<unsigned> digitValue(char c, unsigned base) {
  const unsigned value = DIGIT_VALUES[static_cast<unsigned char>(c)];
  if (value >= base) {
    return std::nullopt;
  }
  return value;
}

// The largest magnitude that can take one more digit of the base without
// overflowing; the bases are known, so no division is made per number.
constexpr std::uint64_t largestToShift(unsigned base) {
  constexpr std::uint64_t LARGEST = std::numeric_limits<std::uint64_t>::max();
  switch (base) {
    case 8:
      return LARGEST / 8;
    case 10:
      return LARGEST / 10;
    default:
      return LARGEST / 16;
  }
}

}  // namespace

bool TableLineScanner::atHexPrefix() const {
  return position_ + 2 < text_.size() && text_[position_] == '0' &&
         (text_[position_ + 1] == 'x' || text_[position_ + 1] == 'X') && isHexDigit(text_[position_ + 2]);
}

std::optional<TableLineScanner::Number> TableLineScanner::number(unsigned base) {
  position_ = skipSpacesFrom(text_, position_);
  Number number;
  if (position_ < text_.size() && (text_[position_] == '+' || text_[position_] == '-')) {
    number.negative = text_[position_++] == '-';
  }
  if ((base == 0 || base == 16) && atHexPrefix()) {
    position_ += 2;
    base = 16;
  } else if (base == 0) {
    base = position_ < text_.size() && text_[position_] == '0' ? 8 : 10;
  }
  const std::size_t start = position_;
  constexpr std::uint64_t LARGEST = std::numeric_limits<std::uint64_t>::max();
  const std::uint64_t shiftable = largestToShift(base);
  while (position_ < text_.size()) {
    const auto digit = digitValue(text_[position_], base);
    if (!digit) {
      break;
    }
    const std::uint64_t shifted = number.magnitude * base;
    number.overflowed = number.overflowed || number.magnitude > shiftable || shifted > LARGEST - *digit;
    number.magnitude = shifted + *digit;
    ++position_;
  }
  if (position_ == start) {
    return std::nullopt;
  }
  return number;
}

std::optional<std::string_view> TableLineScanner::word(std::size_t maxLength) {
  position_ = skipSpacesFrom(text_, position_);
  const std::size_t start = position_;
  while (position_ < text_.size() && !isSpace(text_[position_]) && position_ - start < maxLength) {
    ++position_;
  }
  if (position_ == start) {
    return std::nullopt;
  }
  return text_.substr(start, position_ - start);
}

std::optional<std::uint32_t> TableLineScanner::hexadecimal() {
  const auto read = number(16);
  if (!read) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(read->wrapped());
}

std::optional<std::int64_t> TableLineScanner::integer() {
  const auto read = number(0);
  if (!read) {
    return std::nullopt;
  }
  constexpr auto LARGEST = std::numeric_limits<std::int64_t>::max();
  if (read->overflowed || read->magnitude > static_cast<std::uint64_t>(LARGEST)) {
    return read->negative ? -LARGEST : LARGEST;
  }
  const auto magnitude = static_cast<std::int64_t>(read->magnitude);
  return read->negative ? -magnitude : magnitude;
}

std::optional<std::uint16_t> TableLineScanner::unsignedDecimal() {
  const auto read = number(10);
  if (!read) {
    return std::nullopt;
  }
  return static_cast<std::uint16_t>(read->wrapped());
}
