#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Reads the bytes a double-quoted string stands for, starting just after its
// opening quote. A backslash makes the next character literal ("\0" is a zero
// byte); a backslash with nothing after it escapes nothing and leaves the string
// unclosed, so the reader never looks past the end of the text.
class QuotedStringReader {
public:
  explicit QuotedStringReader(std::string_view text) : text_(text) {}

  // The next byte of the string; nothing once the closing quote or the end of
  // the text is reached.
  std::optional<std::uint8_t> next();
  bool closed() const { return closed_; }
  // How many characters of the text the string took, its closing quote included.
  std::size_t consumed() const { return position_; }

private:
  std::string_view text_;
  std::size_t position_ = 0;
  bool closed_ = false;
};
