#include "core/TableLineScanner.h"

#include "frontend/CharClass.h"

namespace {

// Far above any meaningful field value, far below overflow.
constexpr std::uint64_t VALUE_CLAMP = 0xFFFFFFFFFFull;

std::optional<unsigned> digitValue(char c, unsigned base) {
  if (!isHexDigit(c)) {
    return std::nullopt;
  }
  const auto value = static_cast<unsigned>(hexDigitValue(c));
  if (value >= base) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

void TableLineScanner::skipSpace() {
  while (position_ < text_.size() && isSpace(text_[position_])) {
    ++position_;
  }
}

bool TableLineScanner::takeSign() {
  if (position_ < text_.size() && (text_[position_] == '+' || text_[position_] == '-')) {
    return text_[position_++] == '-';
  }
  return false;
}

bool TableLineScanner::startsHexPrefix() const {
  return position_ + 2 < text_.size() && text_[position_] == '0' &&
         (text_[position_ + 1] == 'x' || text_[position_ + 1] == 'X') && isHexDigit(text_[position_ + 2]);
}

std::optional<std::uint64_t> TableLineScanner::digits(unsigned base) {
  std::uint64_t value = 0;
  const std::size_t start = position_;
  while (position_ < text_.size()) {
    const auto digit = digitValue(text_[position_], base);
    if (!digit) {
      break;
    }
    value = value * base + *digit;
    if (value > VALUE_CLAMP) {
      value = VALUE_CLAMP;
    }
    ++position_;
  }
  if (position_ == start) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::string_view> TableLineScanner::word(std::size_t maxLength) {
  skipSpace();
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
  skipSpace();
  const bool negative = takeSign();
  if (startsHexPrefix()) {
    position_ += 2;
  }
  // Accumulated digit by digit so that only the low 32 bits count, however long.
  std::uint32_t value = 0;
  const std::size_t start = position_;
  while (position_ < text_.size() && isHexDigit(text_[position_])) {
    value = value * 16 + static_cast<std::uint32_t>(hexDigitValue(text_[position_]));
    ++position_;
  }
  if (position_ == start) {
    return std::nullopt;
  }
  return negative ? 0u - value : value;
}

std::optional<std::int64_t> TableLineScanner::integer() {
  skipSpace();
  const bool negative = takeSign();
  unsigned base = 10;
  if (startsHexPrefix()) {
    position_ += 2;
    base = 16;
  } else if (position_ < text_.size() && text_[position_] == '0') {
    base = 8;
  }
  const auto value = digits(base);
  if (!value) {
    return std::nullopt;
  }
  const auto magnitude = static_cast<std::int64_t>(*value);
  return negative ? -magnitude : magnitude;
}

std::optional<std::uint16_t> TableLineScanner::unsignedDecimal() {
  skipSpace();
  const bool negative = takeSign();
  std::uint16_t value = 0;
  const std::size_t start = position_;
  while (position_ < text_.size() && isDigit(text_[position_])) {
    value = static_cast<std::uint16_t>(value * 10 + (text_[position_] - '0'));
    ++position_;
  }
  if (position_ == start) {
    return std::nullopt;
  }
  return negative ? static_cast<std::uint16_t>(0u - value) : value;
}
