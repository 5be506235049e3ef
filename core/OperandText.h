#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "base/CharClass.h"
#include "base/TextScan.h"

// Small scanners over a directive's operand text. They work on views into the
// line, so reading an operand never copies it.

// Words are separated by space, tab and line feed only, as the passes split them.
constexpr bool isWordSeparator(char c) { return charclass::has(c, charclass::SEPARATOR); }

// The next run of characters other than the word separators, if there is one.
inline std::optional<std::string_view> nextWord(std::optional<std::string_view> text) {
  if (!text) {
    return std::nullopt;
  }
  std::size_t first = 0;
  while (first < text->size() && isWordSeparator((*text)[first])) {
    ++first;
  }
  std::size_t last = first;
  while (last < text->size() && !isWordSeparator((*text)[last])) {
    ++last;
  }
  if (last == first) {
    return std::nullopt;
  }
  return slice(*text, first, last);
}

// One item of a comma-separated list: its text up to the next comma (or the end),
// and where the following item starts, past that one comma.
struct ListItem {
  std::string_view text;
  std::size_t next;
};

// Steps over one comma at `pos`, if there is one.
inline std::size_t stepOverComma(std::string_view text, std::size_t pos) {
  return pos < text.size() && text[pos] == ',' ? pos + 1 : pos;
}

inline ListItem takeListItem(std::string_view text, std::size_t pos) {
  const std::size_t comma = text.find(',', pos);
  const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
  return {slice(text, pos, end), stepOverComma(text, end)};
}
