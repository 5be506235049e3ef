#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Reads the fields of one instruction table line in the manner of the C scanning
// functions: every field skips the white space before it, a word field ends at white
// space or after its maximum length (the rest of a longer word is the next field),
// and a number field that finds no digit fails. Once a field has failed the caller
// stops, so the later fields count as missing.
class TableLineScanner {
public:
  static constexpr std::size_t UNLIMITED = static_cast<std::size_t>(-1);

  explicit TableLineScanner(std::string_view text) : text_(text) {}

  std::optional<std::string_view> word(std::size_t maxLength);
  // Hexadecimal with an optional sign and "0x" prefix; the low 32 bits.
  std::optional<std::uint32_t> hexadecimal();
  // Decimal, or hexadecimal after "0x", or octal after a leading 0. A value too
  // large for 64 bits is clamped rather than wrapped, so a range check rejects it.
  std::optional<std::int64_t> integer();
  // Decimal with an optional sign; the low 16 bits.
  std::optional<std::uint16_t> unsignedDecimal();

private:
  // A signed run of digits; the magnitude wraps modulo 2^64, which keeps every
  // low-bit result exact.
  struct Number {
    bool negative = false;
    std::uint64_t magnitude = 0;
    bool overflowed = false;
    std::uint64_t wrapped() const { return negative ? 0 - magnitude : magnitude; }
  };

  // base 0 detects the base from the prefix, as %i does.
  std::optional<Number> number(unsigned base);
  bool atHexPrefix() const;

  std::string_view text_;
  std::size_t position_ = 0;
};
