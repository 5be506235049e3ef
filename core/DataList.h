#pragma once

#include <cstdint>
#include <string_view>

#include "core/OperandText.h"
#include "core/QuotedString.h"

// The lists of the data directives, walked the same way by both passes so that
// what pass 1 counts is exactly what pass 2 writes.

// A .DW list: every item is an expression up to the next comma.
template <class OnItem>
void walkWordList(std::string_view text, OnItem&& onItem) {
  std::size_t pos = skipSpacesFrom(text, 0);
  while (pos < text.size()) {
    const ListItem item = takeListItem(text, pos);
    onItem(item.text);
    pos = skipSpacesFrom(text, item.next);
  }
}

// A .DB list: an item in double quotes gives one byte per character, any other
// item is an expression up to the next comma (a quoted comma in a character
// constant ends it too). Returns false when a string runs to the end of the line;
// the walk stops there.
template <class OnStringByte, class OnExpression>
bool walkByteList(std::string_view text, OnStringByte&& onStringByte, OnExpression&& onExpression) {
  std::size_t pos = skipSpacesFrom(text, 0);
  while (pos < text.size()) {
    if (text[pos] != '"') {
      const ListItem item = takeListItem(text, pos);
      onExpression(item.text);
      pos = skipSpacesFrom(text, item.next);
      continue;
    }
    QuotedStringReader string(text.substr(pos + 1));
    while (const auto byte = string.next()) {
      onStringByte(*byte);
    }
    if (!string.closed()) {
      return false;
    }
    pos = stepOverComma(text, skipSpacesFrom(text, pos + 1 + string.consumed()));
    pos = skipSpacesFrom(text, pos);
  }
  return true;
}
