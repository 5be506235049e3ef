#include "core/StatementLine.h"

#include "base/CharClass.h"
#include "base/TextScan.h"
#include "core/OperandText.h"

namespace {

// Where the word that starts at `from` ends: at the first word separator, or at
// the end of the line.
std::size_t wordEndFrom(std::string_view line, std::size_t from) {
  while (from < line.size() && !isWordSeparator(line[from])) {
    ++from;
  }
  return from;
}

// The first position at or after `from` that is not a word separator.
std::size_t separatorsEndFrom(std::string_view line, std::size_t from) {
  while (from < line.size() && isWordSeparator(line[from])) {
    ++from;
  }
  return from;
}

bool startsLabel(std::string_view line, char localLabelChar) {
  if (line.empty()) {
    return false;
  }
  const char first = line.front();
  return charclass::has(first, charclass::LETTER | charclass::UNDERSCORE) ||
         (first == localLabelChar && !isWordSeparator(first));
}

// Where the statement starts inside a label word written without a blank before
// it ("loop:djnz loop", "done:ret"): just past the word's first colon, when a
// letter or the dot of a directive follows it. 0 when the word is all label.
std::size_t statementInsideLabel(std::string_view labelWord) {
  const std::size_t colon = labelWord.find(':');
  if (colon == std::string_view::npos || colon + 1 == labelWord.size()) {
    return 0;
  }
  const char next = labelWord[colon + 1];
  return isLetter(next) || next == '.' ? colon + 1 : 0;
}

}  // namespace

// Each word is passed over with the one separator that ends it; the text after
// the statement word runs to the line feed, which a line holds only at its end.
StatementLine splitStatement(std::string_view line, char localLabelChar) {
  StatementLine statement;
  std::size_t position = 0;
  if (startsLabel(line, localLabelChar)) {
    const std::size_t labelEnd = wordEndFrom(line, 0);
    const std::size_t joined = statementInsideLabel(slice(line, 0, labelEnd));
    if (joined != 0) {
      statement.label = slice(line, 0, joined);
      position = joined;
    } else {
      statement.label = slice(line, 0, labelEnd);
      position = labelEnd + (labelEnd < line.size() ? 1 : 0);
    }
  }
  const std::size_t wordStart = separatorsEndFrom(line, position);
  if (wordStart == line.size()) {
    return statement;
  }
  position = wordEndFrom(line, wordStart);
  statement.word = slice(line, wordStart, position);
  position += position < line.size() ? 1 : 0;
  while (position < line.size() && line[position] == '\n') {
    ++position;
  }
  if (position < line.size()) {
    statement.rest = slice(line, position, line.back() == '\n' ? line.size() - 1 : line.size());
  }
  return statement;
}
