#include "core/StatementLine.h"

#include <cstdint>

#include "core/OperandText.h"
#include "frontend/CharClass.h"
#include "frontend/TextScan.h"

namespace {

// The words of one line, taken in turn.
class WordScanner {
public:
  explicit WordScanner(std::string_view line) : line_(line) {}

  // The next word; the single separator that ended it is passed over.
  std::optional<std::string_view> nextWord() {
    position_ = skipBlankBlocks(line_, position_);
    while (position_ < line_.size() && isWordSeparator(line_[position_])) {
      ++position_;
    }
    const std::size_t start = position_;
    while (position_ < line_.size() && !isWordSeparator(line_[position_])) {
      ++position_;
    }
    if (position_ == start) {
      return std::nullopt;
    }
    const std::string_view word = slice(line_, start, position_);
    if (position_ < line_.size()) {
      ++position_;
    }
    return word;
  }

  // Everything after that separator up to the line feed; nothing when no text is
  // left. A line holds a line feed only at its end.
  std::optional<std::string_view> rest() {
    while (position_ < line_.size() && line_[position_] == '\n') {
      ++position_;
    }
    if (position_ == line_.size()) {
      return std::nullopt;
    }
    const std::size_t end = line_.back() == '\n' ? line_.size() - 1 : line_.size();
    const std::string_view text = slice(line_, position_, end);
    position_ = end;
    return text;
  }

private:
  std::string_view line_;
  std::size_t position_ = 0;
};

bool startsLabel(std::string_view line, char localLabelChar) {
  if (line.empty()) {
    return false;
  }
  const char first = line.front();
  return isLetter(first) || first == '_' || (first == localLabelChar && !isWordSeparator(first));
}

}  // namespace

StatementLine splitStatement(std::string_view line, char localLabelChar) {
  StatementLine statement;
  WordScanner words(line);
  if (startsLabel(line, localLabelChar)) {
    statement.label = words.nextWord();
  }
  statement.word = words.nextWord();
  if (statement.word) {
    statement.rest = words.rest();
  }
  return statement;
}

StatementSpan spanOf(const StatementLine& statement, std::string_view line) {
  StatementSpan span;
  if (line.empty() || line.size() > UINT8_MAX || line.back() != '\n') {
    return span;
  }
  const auto offset = [line](std::string_view part) { return static_cast<std::uint8_t>(part.data() - line.data()); };
  span.lineLength = static_cast<std::uint8_t>(line.size());
  if (statement.word) {
    span.wordStart = offset(*statement.word);
    span.wordLength = static_cast<std::uint8_t>(statement.word->size());
  }
  if (statement.rest) {
    span.restStart = offset(*statement.rest);
  }
  return span;
}

StatementLine statementAt(std::string_view line, StatementSpan span) {
  StatementLine statement;
  if (span.wordLength > 0) {
    statement.word = slice(line, span.wordStart, span.wordStart + span.wordLength);
  }
  if (span.restStart > 0) {
    statement.rest = slice(line, span.restStart, span.lineLength - 1U);
  }
  return statement;
}
