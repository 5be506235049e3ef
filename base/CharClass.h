#pragma once

#include <array>
#include <cstdint>

// Character classes of the source language. Only the 7-bit range is classified:
// bytes 128-255 are neither letters, digits nor white space, so the result never
// depends on the host's locale or on the signedness of char. The classes are
// looked up in one table, which keeps the scanners of every line to one load and
// one test per character.

namespace charclass {

enum Flag : std::uint8_t {
  LETTER = 1,
  DIGIT = 2,
  HEX_LETTER = 4,
  UNDERSCORE = 8,
  SPACE = 16,
  SEPARATOR = 32,  // space, tab and line feed: what the passes split words at
};

constexpr std::array<std::uint8_t, 256> makeTable() {
  std::array<std::uint8_t, 256> table{};
  for (int c = 'A'; c <= 'Z'; ++c) {
    table[static_cast<std::size_t>(c)] = LETTER;
    table[static_cast<std::size_t>(c - 'A' + 'a')] = LETTER;
  }
  for (int c = 'A'; c <= 'F'; ++c) {
    table[static_cast<std::size_t>(c)] |= HEX_LETTER;
    table[static_cast<std::size_t>(c - 'A' + 'a')] |= HEX_LETTER;
  }
  for (int c = '0'; c <= '9'; ++c) {
    table[static_cast<std::size_t>(c)] = DIGIT;
  }
  table['_'] = UNDERSCORE;
  for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'}) {
    table[static_cast<std::size_t>(c)] = SPACE;
  }
  for (const char c : {' ', '\t', '\n'}) {
    table[static_cast<std::size_t>(c)] |= SEPARATOR;
  }
  return table;
}

inline constexpr std::array<std::uint8_t, 256> TABLE = makeTable();

// The upper-case form of a character, computed. Loops over whole texts use this
// form, which the compiler turns into vector code; single characters are looked
// up in a table of it (toUpper below), which is one load.
constexpr char upperCaseOf(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr std::array<char, 256> makeUpperTable() {
  std::array<char, 256> table{};
  for (std::size_t c = 0; c < table.size(); ++c) {
    table[c] = upperCaseOf(static_cast<char>(c));
  }
  return table;
}

inline constexpr std::array<char, 256> UPPER = makeUpperTable();

constexpr bool has(char c, unsigned flags) { return (TABLE[static_cast<unsigned char>(c)] & flags) != 0; }

}  // namespace charclass

constexpr bool isLetter(char c) { return charclass::has(c, charclass::LETTER); }

constexpr bool isDigit(char c) { return charclass::has(c, charclass::DIGIT); }

constexpr bool isHexDigit(char c) { return charclass::has(c, charclass::DIGIT | charclass::HEX_LETTER); }

constexpr bool isBinaryDigit(char c) { return c == '0' || c == '1'; }

// Letters, digits and '_': the characters that continue a name.
constexpr bool isWordChar(char c) {
  return charclass::has(c, charclass::LETTER | charclass::DIGIT | charclass::UNDERSCORE);
}

// Space, tab, line feed, vertical tab, form feed and carriage return.
constexpr bool isSpace(char c) { return charclass::has(c, charclass::SPACE); }

constexpr char toUpper(char c) { return charclass::UPPER[static_cast<unsigned char>(c)]; }

constexpr char toLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// What digitValue gives a character that is no hexadecimal digit: more than any
// base admits, so one comparison tests a digit and its base together.
inline constexpr std::uint8_t NOT_A_DIGIT = 0xFF;

namespace charclass {

constexpr std::array<std::uint8_t, 256> makeDigitValues() {
  std::array<std::uint8_t, 256> values{};
  for (std::size_t c = 0; c < values.size(); ++c) {
    const char character = upperCaseOf(static_cast<char>(c));
    if (isDigit(character)) {
      values[c] = static_cast<std::uint8_t>(character - '0');
    } else if (isHexDigit(character)) {
      values[c] = static_cast<std::uint8_t>(character - 'A' + 10);
    } else {
      values[c] = NOT_A_DIGIT;
    }
  }
  return values;
}

inline constexpr std::array<std::uint8_t, 256> DIGIT_VALUES = makeDigitValues();

}  // namespace charclass

// The value of a character as a digit: 0-9, and 10-15 for A-F in either case;
// NOT_A_DIGIT for the rest. A digit run costs one table load per character.
constexpr std::uint8_t digitValue(char c) { return charclass::DIGIT_VALUES[static_cast<unsigned char>(c)]; }
