#pragma once

#include <cstddef>
#include <string_view>

#include "base/CharClass.h"

// Scanning helpers over one line of source text. The views they take never hold
// the line end, so skipping white space can never step past the end of a line.

// Position of the first character at or after `from` that is not white space.
inline std::size_t skipSpacesFrom(std::string_view text, std::size_t from) {
  while (from < text.size() && isSpace(text[from])) {
    ++from;
  }
  return from;
}

// The characters from `start` up to `end` of text, which the caller knows lie
// within it: the hot scanners cut their words without substr's range check.
inline std::string_view slice(std::string_view text, std::size_t start, std::size_t end) {
  return {text.data() + start, end - start};
}

inline std::string_view skipSpaces(std::string_view text) {
  return slice(text, skipSpacesFrom(text, 0), text.size());
}

inline std::string_view trimSpaces(std::string_view text) {
  text = skipSpaces(text);
  std::size_t end = text.size();
  while (end > 0 && isSpace(text[end - 1])) {
    --end;
  }
  return slice(text, 0, end);
}

// Position just past the run of word characters that starts at `from`.
inline std::size_t wordEnd(std::string_view text, std::size_t from) {
  while (from < text.size() && isWordChar(text[from])) {
    ++from;
  }
  return from;
}

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (toUpper(a[i]) != toUpper(b[i])) {
      return false;
    }
  }
  return true;
}

// How quoted text treats a backslash. Statement splitting reads strings as the
// data directives do, where a backslash before a quote embeds it, so that a later
// backslash in such a string is not taken for a statement separator. Macro
// expansion ends quoted text at the next quote whatever stands before it (a name
// after an embedded quote is expanded). Sources depend on both as they are.
enum class QuoteEscape { NONE, BACKSLASH };

// Position just past the quoted text that opens at `open` (its quote character is
// text[open]), or the text's end when the quote is never closed.
inline std::size_t quotedTextEnd(std::string_view text, std::size_t open, QuoteEscape escape) {
  const char quote = text[open];
  std::size_t position = open + 1;
  while (position < text.size()) {
    if (escape == QuoteEscape::BACKSLASH && text[position] == '\\' && position + 1 < text.size() &&
        text[position + 1] == quote) {
      position += 2;
    } else if (text[position] == quote) {
      return position + 1;
    } else {
      ++position;
    }
  }
  return text.size();
}

// The first word of a line (after leading white space, up to the next white
// space) and what follows it.
struct SplitWord {
  std::string_view word;
  std::string_view rest;
};

inline SplitWord splitFirstWord(std::string_view text) {
  text = skipSpaces(text);
  std::size_t end = 0;
  while (end < text.size() && !isSpace(text[end])) {
    ++end;
  }
  return {slice(text, 0, end), slice(text, end, text.size())};
}

// The text of a line without its line end.
inline std::string_view withoutLineEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\n') {
    line.remove_suffix(1);
  }
  return line;
}
