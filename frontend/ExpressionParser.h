#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/CharClass.h"
#include "job/DiagnosticArg.h"
#include "job/DiagnosticCodes.h"

class AssemblyJob;

// One evaluation of one expression text: a parser over a view of the text with
// five binding levels, from comparisons (loosest) to the prefix operators and
// primaries (tightest); the four binary levels are read by precedence climbing. Values are 32-bit and wrap; they are kept
// unsigned so that no operation can overflow a signed integer, and read as signed
// wherever the sign matters (comparisons, division, right shift).
//
// The first error ends the parse: every level stops as soon as `ok_` is false, so
// one evaluation reports at most one expression diagnostic.
class ExpressionParser {
public:
  ExpressionParser(AssemblyJob& job, std::string_view text, std::string_view fileName, int line);

  // Parses the whole text; text left over after a complete expression is an error.
  std::uint32_t parseWhole();

private:
  std::uint32_t parseExpression();
  std::uint32_t parseOperators(int lowestLevel);
  std::uint32_t parseUnary();
  std::uint32_t parsePrimary();
  std::uint32_t parseCharacterConstant();
  std::size_t nameEnd() const;
  std::uint32_t valueOfName(std::size_t end);
  // A name's key in the symbol map.
  std::string_view symbolKey(std::string_view name);

  bool startsName(char c) const { return isLetter(c) || c == '_' || c == localLabelChar_; }
  bool isNameChar(char c) const { return isWordChar(c) || c == localLabelChar_; }

  bool atEnd() const { return pos_ >= text_.size(); }
  // The character `ahead` places after the cursor, or '\0' past the end.
  char peek(std::size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
  // Consumes the next character when it is `expected`.
  bool accept(char expected) {
    if (atEnd() || text_[pos_] != expected) {
      return false;
    }
    ++pos_;
    return true;
  }
  void skipSpace() {
    while (!atEnd() && isSpace(text_[pos_])) {
      ++pos_;
    }
  }
  void fail(DiagnosticCode code, DiagnosticArg arg = {});

  AssemblyJob& job_;
  char localLabelChar_;        // the job's, for the duration of one evaluation
  std::string_view original_;  // as the caller gave it, for the messages
  std::string_view text_;      // without trailing white space
  std::size_t pos_ = 0;
  std::string_view fileName_;
  int line_;
  bool ok_ = true;
  // Where a name's key is built: in the array when it fits, which costs no
  // string operations, else in the string.
  std::array<char, 128> keyBuffer_{};
  std::string longKey_;
};
