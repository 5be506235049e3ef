#pragma once

// Character classes of the source language. Only the 7-bit range is classified:
// bytes 128-255 are neither letters, digits nor white space, so the result never
// depends on the host's locale or on the signedness of char.

constexpr bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr bool isHexDigit(char c) { return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

constexpr bool isBinaryDigit(char c) { return c == '0' || c == '1'; }

// Letters, digits and '_': the characters that continue a name.
constexpr bool isWordChar(char c) { return isLetter(c) || isDigit(c) || c == '_'; }

// Space, tab, line feed, vertical tab, form feed and carriage return.
constexpr bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

constexpr char toUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr char toLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The value of a hexadecimal digit; only meaningful when isHexDigit(c).
constexpr int hexDigitValue(char c) {
  if (isDigit(c)) {
    return c - '0';
  }
  return toUpper(c) - 'A' + 10;
}
