#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "base/CharClass.h"

// Reads the fields of one instruction table line in the manner of the C scanning
// functions: every field skips the white space before it, a word field ends at white
// space or after its maximum length (the rest of a longer word is the next field),
// and a number field that finds no digit fails. Once a field has failed the caller
// stops, so the later fields count as missing.
//
// Every line of the table passes through here at every start, so the scanner is
// defined in this header: the loader's fields inline into one function that keeps
// the position in a register, and every number is read in a base known at compile
// time.
class TableLineScanner {
public:
  static constexpr std::size_t UNLIMITED = static_cast<std::size_t>(-1);

  explicit TableLineScanner(std::string_view text) : next_(text.data()), end_(text.data() + text.size()) {}

  std::optional<std::string_view> word(std::size_t maxLength) {
    skipSpaces();
    const char* const start = next_;
    const char* const limit = left() > maxLength ? next_ + maxLength : end_;
    while (next_ != limit && !isSpace(*next_)) {
      ++next_;
    }
    if (next_ == start) {
      return std::nullopt;
    }
    return std::string_view(start, static_cast<std::size_t>(next_ - start));
  }

  // Hexadecimal with an optional sign and "0x" prefix; the low 32 bits.
  std::optional<std::uint32_t> hexadecimal() {
    const bool negative = signAfterSpaces();
    skipHexPrefix();
    const std::optional<Digits> read = digits<16>();
    if (!read) {
      return std::nullopt;
    }
    return static_cast<std::uint32_t>(wrapped(negative, read->magnitude));
  }

  // Decimal, or hexadecimal after "0x", or octal after a leading 0, as %i reads. A
  // value too large for 64 bits is clamped rather than wrapped, so a range check
  // rejects it.
  std::optional<std::int64_t> integer() {
    const bool negative = signAfterSpaces();
    const std::optional<Digits> read = skipHexPrefix() ? digits<16>() : atChar('0') ? digits<8>() : digits<10>();
    if (!read) {
      return std::nullopt;
    }
    constexpr auto LARGEST = std::numeric_limits<std::int64_t>::max();
    if (read->overflowed || read->magnitude > static_cast<std::uint64_t>(LARGEST)) {
      return negative ? -LARGEST : LARGEST;
    }
    const auto magnitude = static_cast<std::int64_t>(read->magnitude);
    return negative ? -magnitude : magnitude;
  }

  // Decimal with an optional sign; the low 16 bits.
  std::optional<std::uint16_t> unsignedDecimal() {
    const bool negative = signAfterSpaces();
    const std::optional<Digits> read = digits<10>();
    if (!read) {
      return std::nullopt;
    }
    return static_cast<std::uint16_t>(wrapped(negative, read->magnitude));
  }

private:
  // A run of digits; the magnitude wraps modulo 2^64, which keeps every low-bit
  // result exact, and notes whether it did.
  struct Digits {
    std::uint64_t magnitude = 0;
    bool overflowed = false;
  };

  static std::uint64_t wrapped(bool negative, std::uint64_t magnitude) { return negative ? 0 - magnitude : magnitude; }

  std::size_t left() const { return static_cast<std::size_t>(end_ - next_); }
  bool atChar(char c) const { return next_ != end_ && *next_ == c; }
  // The value of the next character as a digit; more than any base at the end.
  unsigned digitHere() const {
    return next_ != end_ ? digitValue(*next_) : NOT_A_DIGIT;
  }

  void skipSpaces() {
    while (next_ != end_ && isSpace(*next_)) {
      ++next_;
    }
  }

  // Skips the white space and the sign before a number; true for a minus.
  bool signAfterSpaces() {
    skipSpaces();
    if (atChar('+') || atChar('-')) {
      return *next_++ == '-';
    }
    return false;
  }

  // "0x" counts as a prefix only before a hexadecimal digit; otherwise the 0 is
  // the number.
  bool skipHexPrefix() {
    const bool prefixed =
        left() > 2 && next_[0] == '0' && (next_[1] == 'x' || next_[1] == 'X') && isHexDigit(next_[2]);
    if (prefixed) {
      next_ += 2;
    }
    return prefixed;
  }

  template <unsigned Base>
  std::optional<Digits> digits() {
    constexpr std::uint64_t LARGEST = std::numeric_limits<std::uint64_t>::max();
    constexpr std::uint64_t SHIFTABLE = LARGEST / Base;  // the most that takes one more digit
    const char* const start = next_;
    Digits read;
    for (unsigned digit = digitHere(); digit < Base; digit = digitHere()) {
      const std::uint64_t shifted = read.magnitude * Base;
      read.overflowed = read.overflowed || read.magnitude > SHIFTABLE || shifted > LARGEST - digit;
      read.magnitude = shifted + digit;
      ++next_;
    }
    if (next_ == start) {
      return std::nullopt;
    }
    return read;
  }

  const char* next_;
  const char* end_;
};
