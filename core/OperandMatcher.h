#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whether an instruction's operand text fits a table pattern (upper case, '*' for an
// argument). White space between pattern elements is ignored, letters compare
// without regard to case, and an argument may be empty. No operand text fits only
// the empty pattern. When `firstArgument` is given it receives the text the first
// wildcard took, untrimmed, where pass 2 would cut it; that holds only for a text
// that fits.
bool matchOperands(std::optional<std::string_view> operands, std::string_view pattern,
                   std::string_view* firstArgument = nullptr);

// The pattern character that ends the argument of the wildcard just before `q`:
// nothing when the wildcard is the last character of the pattern.
inline std::optional<char> argumentStop(std::string_view pattern, std::size_t q) {
  if (q < pattern.size()) {
    return pattern[q];
  }
  return std::nullopt;
}
