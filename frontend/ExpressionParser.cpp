#include "frontend/ExpressionParser.h"

#include <array>
#include <utility>

#include "base/CharClass.h"
#include "base/TextScan.h"
#include "core/SymbolKey.h"
#include "job/AssemblyJob.h"

namespace {

enum class BinaryOp : std::uint8_t {
  None,
  Equal,
  NotEqual,
  Less,
  LessEqual,
  Greater,
  GreaterEqual,
  And,
  Or,
  Xor,
  ShiftLeft,
  ShiftRight,
  Add,
  Subtract,
  Multiply,
  Divide,
};

constexpr std::int32_t asSigned(std::uint32_t value) { return static_cast<std::int32_t>(value); }

constexpr std::uint32_t asUnsigned(std::int32_t value) { return static_cast<std::uint32_t>(value); }

constexpr std::uint32_t truth(bool holds) { return holds ? 1u : 0u; }

// Character constants count as signed bytes: codes 128-255 give -128 to -1.
constexpr std::uint32_t signedByteValue(char c) { return asUnsigned(static_cast<signed char>(c)); }

constexpr std::uint32_t applyPrefix(char prefix, std::uint32_t value) {
  switch (prefix) {
    case '-':
      return 0u - value;
    case '!':
      return truth(value == 0);
    default:
      return value;
  }
}

// Trimmed before it is stored, so that the loop runs on a local view.
constexpr std::string_view withoutTrailingSpace(std::string_view text) {
  while (!text.empty() && isSpace(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// The character at `pos`, or '\0' past the end: a suffix test then fails there.
constexpr char charAt(std::string_view text, std::size_t pos) { return pos < text.size() ? text[pos] : '\0'; }

template <std::uint32_t Base>
constexpr bool isDigitOfBase(char c) {
  return digitValue(c) < Base;
}

// A number's value and the position just past it (and past its suffix).
struct NumberToken {
  std::uint32_t value;
  std::size_t end;
};

// Accumulates the run of digits of `Base` that starts at `pos`; values wrap.
template <std::uint32_t Base>
constexpr NumberToken readDigits(std::string_view text, std::size_t pos) {
  std::uint32_t value = 0;
  for (; pos < text.size(); ++pos) {
    const std::uint32_t digit = digitValue(text[pos]);
    if (digit >= Base) {
      break;
    }
    value = value * Base + digit;
  }
  return {value, pos};
}

// Steps over one base suffix ("h" or "b", either case) right after a number.
constexpr NumberToken withSuffix(std::string_view text, NumberToken number, char suffix) {
  if (toUpper(charAt(text, number.end)) == suffix) {
    ++number.end;
  }
  return number;
}

// A prefixed number: "$" or "%" with at least one digit of its base right after it.
template <std::uint32_t Base>
constexpr std::optional<NumberToken> readPrefixedNumber(std::string_view text, std::size_t pos, char suffix) {
  if (!isDigitOfBase<Base>(charAt(text, pos + 1))) {
    return std::nullopt;
  }
  return withSuffix(text, readDigits<Base>(text, pos + 1), suffix);
}

// The run of hex digits that starts a number, read once: where it ends, its value
// as a hexadecimal and as a decimal number, and whether it holds only decimal
// digits (the decimal value is only meaningful then).
struct DigitRun {
  std::size_t end;
  std::uint32_t hexadecimal;
  std::uint32_t decimal;
  bool onlyDecimalDigits;
};

constexpr DigitRun readDigitRun(std::string_view text, std::size_t pos) {
  DigitRun run{pos, 0, 0, true};
  for (; run.end < text.size(); ++run.end) {
    const std::uint32_t digit = digitValue(text[run.end]);
    if (digit >= 16) {
      break;
    }
    run.hexadecimal = run.hexadecimal * 16 + digit;
    run.decimal = run.decimal * 10 + digit;
    run.onlyDecimalDigits = run.onlyDecimalDigits && digit < 10;
  }
  return run;
}

// The number that starts with the decimal digit at `pos`. A run of digits takes its
// base from what ends it: the hex digits are hexadecimal when "h" follows them,
// else the binary digits are binary when "b" follows them, else the decimal digits
// count. So 0FFh and 0bh are hexadecimal, 101b is binary, and 12ab is 12 followed
// by "ab". Most numbers are decimal digits that neither a hex digit nor "h"
// follows, which is all one pass over them needs to see; only other numbers read
// the hex digits (a binary number's "b" is one of them).
constexpr NumberToken readUnprefixedNumber(std::string_view text, std::size_t pos) {
  const NumberToken decimal = readDigits<10>(text, pos);
  const char afterDecimal = charAt(text, decimal.end);
  if (!isHexDigit(afterDecimal) && toUpper(afterDecimal) != 'H') {
    return decimal;
  }
  const DigitRun run = readDigitRun(text, pos);
  if (toUpper(charAt(text, run.end)) == 'H') {
    return {run.hexadecimal, run.end + 1};
  }
  if (run.onlyDecimalDigits) {
    return {run.decimal, run.end};
  }
  if (isBinaryDigit(text[pos])) {
    const NumberToken binary = readDigits<2>(text, pos);
    if (toUpper(charAt(text, binary.end)) == 'B') {
      return {binary.value, binary.end + 1};
    }
  }
  return decimal;
}

// The number that starts at `pos`, if one does.
constexpr std::optional<NumberToken> readNumber(std::string_view text, std::size_t pos) {
  const char first = charAt(text, pos);
  if (first == '$') {
    return readPrefixedNumber<16>(text, pos, 'H');
  }
  if (first == '%') {
    return readPrefixedNumber<2>(text, pos, 'B');
  }
  if (!isDigit(first)) {
    return std::nullopt;
  }
  return readUnprefixedNumber(text, pos);
}

// A character constant: its value, the position after it, and whether its closing
// quote was there. A backslash before the character is skipped and escapes
// nothing: '\n' is the code of n. A text that ends after the quote or the
// backslash (a lone "'" is what ".db ','" hands over for each piece) leaves the
// constant open with value 0.
struct CharacterConstant {
  std::uint32_t value;
  std::size_t end;
  bool closed;
};

constexpr CharacterConstant readCharacterConstant(std::string_view text, std::size_t pos) {
  ++pos;
  if (charAt(text, pos) == '\\') {
    ++pos;
  }
  if (pos >= text.size()) {
    return {0, pos, false};
  }
  const std::uint32_t value = signedByteValue(text[pos]);
  ++pos;
  if (charAt(text, pos) != '\'') {
    return {value, pos, false};
  }
  return {value, pos + 1, true};
}

// A binary operator as it stands in the text: what it does, how many characters it
// takes, and its binding level, from 1 (comparisons, loosest) to 4 (products).
struct BinaryOperator {
  BinaryOp op;
  std::uint8_t length;
  int level;
};

constexpr int COMPARISON = 1;
constexpr int BITWISE = 2;
constexpr int ADDITIVE = 3;
constexpr int MULTIPLICATIVE = 4;

constexpr BinaryOperator NO_OPERATOR{BinaryOp::None, 0, 0};

// "<<" and ">>" shift; a single "<" or ">" compares. "=" and "!" alone are no
// operators: the expression ends on them and the caller reports what is left.
// "(" right after an operand multiplies, so 2(3+1) is 8; the parenthesis stays
// for the operand that follows.
constexpr BinaryOperator readOperator(char c, char next) {
  switch (c) {
    case '=':
      return next == '=' ? BinaryOperator{BinaryOp::Equal, 2, COMPARISON} : NO_OPERATOR;
    case '!':
      return next == '=' ? BinaryOperator{BinaryOp::NotEqual, 2, COMPARISON} : NO_OPERATOR;
    case '<':
      if (next == '<') {
        return {BinaryOp::ShiftLeft, 2, BITWISE};
      }
      return next == '=' ? BinaryOperator{BinaryOp::LessEqual, 2, COMPARISON}
                         : BinaryOperator{BinaryOp::Less, 1, COMPARISON};
    case '>':
      if (next == '>') {
        return {BinaryOp::ShiftRight, 2, BITWISE};
      }
      return next == '=' ? BinaryOperator{BinaryOp::GreaterEqual, 2, COMPARISON}
                         : BinaryOperator{BinaryOp::Greater, 1, COMPARISON};
    case '&':
      return {BinaryOp::And, 1, BITWISE};
    case '|':
      return {BinaryOp::Or, 1, BITWISE};
    case '^':
      return {BinaryOp::Xor, 1, BITWISE};
    case '+':
      return {BinaryOp::Add, 1, ADDITIVE};
    case '-':
      return {BinaryOp::Subtract, 1, ADDITIVE};
    case '*':
      return {BinaryOp::Multiply, 1, MULTIPLICATIVE};
    case '/':
      return {BinaryOp::Divide, 1, MULTIPLICATIVE};
    case '(':
      return {BinaryOp::Multiply, 0, MULTIPLICATIVE};
    default:
      return NO_OPERATOR;
  }
}

// The value of `left op right`. A quotient truncates toward zero; the most
// negative value divided by -1 wraps to itself instead of trapping, and a
// division by zero (which the parser reports) leaves the left value.
constexpr std::uint32_t combine(BinaryOp op, std::uint32_t left, std::uint32_t right) {
  switch (op) {
    case BinaryOp::Equal:
      return truth(left == right);
    case BinaryOp::NotEqual:
      return truth(left != right);
    case BinaryOp::Less:
      return truth(asSigned(left) < asSigned(right));
    case BinaryOp::LessEqual:
      return truth(asSigned(left) <= asSigned(right));
    case BinaryOp::Greater:
      return truth(asSigned(left) > asSigned(right));
    case BinaryOp::GreaterEqual:
      return truth(asSigned(left) >= asSigned(right));
    case BinaryOp::And:
      return left & right;
    case BinaryOp::Or:
      return left | right;
    case BinaryOp::Xor:
      return left ^ right;
    case BinaryOp::ShiftLeft:
      return left << (right & 31u);
    case BinaryOp::ShiftRight:
      return asUnsigned(asSigned(left) >> (right & 31u));
    case BinaryOp::Add:
      return left + right;
    case BinaryOp::Subtract:
      return left - right;
    case BinaryOp::Multiply:
      return left * right;
    case BinaryOp::Divide:
      if (right == 0) {
        return left;
      }
      return asSigned(right) == -1 ? 0u - left : asUnsigned(asSigned(left) / asSigned(right));
    case BinaryOp::None:
      break;
  }
  return left;
}

}  // namespace

ExpressionParser::ExpressionParser(AssemblyJob& job, std::string_view text, std::string_view fileName, int line)
    : job_(job),
      localLabelChar_(job.localLabelChar),
      original_(text),
      text_(withoutTrailingSpace(text)),
      fileName_(fileName),
      line_(line) {}

std::uint32_t ExpressionParser::parseWhole() {
  const std::uint32_t value = parseExpression();
  skipSpace();
  if (!atEnd()) {
    fail(ERR_ILLEGAL_EXPRESSION, original_);
  }
  return value;
}

std::uint32_t ExpressionParser::parseExpression() { return parseOperators(COMPARISON); }

// The binding levels by precedence climbing: operands of this level and tighter
// ones are combined left to right, each right operand taking every operator that
// binds tighter than the one before it. This reads an expression exactly as one
// loop per level would, with one operator test after each operand.
std::uint32_t ExpressionParser::parseOperators(int lowestLevel) {
  std::uint32_t value = parseUnary();
  while (ok_) {
    skipSpace();
    const BinaryOperator next = readOperator(peek(), peek(1));
    if (next.op == BinaryOp::None || next.level < lowestLevel) {
      break;
    }
    pos_ += next.length;
    const std::uint32_t right = parseOperators(next.level + 1);
    if (next.op == BinaryOp::Divide && right == 0) {
      fail(ERR_DIVIDE_BY_ZERO);
    }
    value = combine(next.op, value, right);
  }
  return value;
}

// At most one prefix operator stands before a primary, so "--5" is no expression.
std::uint32_t ExpressionParser::parseUnary() {
  skipSpace();
  const char prefix = peek();
  if (prefix == '-' || prefix == '+' || prefix == '!') {
    ++pos_;
  }
  skipSpace();
  if (!accept('(')) {
    return applyPrefix(prefix, parsePrimary());
  }
  const std::uint32_t inner = parseExpression();
  skipSpace();
  if (ok_ && peek() != ')') {
    fail(ERR_MISSING_CLOSING_PARENTHESIS);
    return inner;
  }
  // After an earlier error the parenthesis may be missing; the cursor must not
  // step past the end then.
  accept(')');
  return applyPrefix(prefix, inner);
}

std::uint32_t ExpressionParser::parsePrimary() {
  if (atEnd()) {
    fail(ERR_VALUE_EXPECTED);
    return 0;
  }
  if (const std::optional<NumberToken> number = readNumber(text_, pos_)) {
    pos_ = number->end;
    return number->value;
  }
  const char c = peek();
  if (c == '\'') {
    return parseCharacterConstant();
  }
  if (startsName(c)) {
    return valueOfName(nameEnd());
  }
  if (accept('$')) {
    return job_.pc;
  }
  fail(ERR_ILLEGAL_EXPRESSION, original_);
  return 0;
}

std::uint32_t ExpressionParser::parseCharacterConstant() {
  const CharacterConstant constant = readCharacterConstant(text_, pos_);
  pos_ = constant.end;
  if (!constant.closed) {
    fail(ERR_STRING_NOT_CLOSED);
  }
  return constant.value;
}

// The end of the name that starts at the cursor. Names are read whole, however
// long, so that a long name is never mistaken for a shorter one.
std::size_t ExpressionParser::nameEnd() const {
  std::size_t end = pos_ + 1;
  while (end < text_.size() && isNameChar(text_[end])) {
    ++end;
  }
  return end;
}

// Reads the name from the cursor to `end`. An unknown name is entered with value 0:
// it is reported once and later uses of it stay silent. Before pass 1 there is no
// map to enter it in.
std::uint32_t ExpressionParser::valueOfName(std::size_t end) {
  const std::string_view name = slice(text_, pos_, end);
  pos_ = end;
  if (job_.symbols) {
    const std::string_view key = symbolKey(name);
    if (const Symbol* symbol = std::as_const(*job_.symbols).find(key)) {
      return symbol->value;
    }
    job_.symbols->tryEmplace(key, Symbol{SYM_EQUATE, 0});
  }
  fail(ERR_LABEL_NOT_DEFINED, job_.qualifyLocalLabel(name));
  return 0;
}

// Keys that fit are built in the parser's own buffer, which costs no string
// operations; a longer one goes to the parser's growing string.
std::string_view ExpressionParser::symbolKey(std::string_view name) {
  const SymbolKeyRule rule = symbolKeyRuleOf(job_);
  const std::size_t length = rule.lengthOf(name);
  if (length > keyBuffer_.size()) {
    job_.buildSymbolKey(name, longKey_);
    return longKey_;
  }
  rule.write(name, keyBuffer_.data());
  return {keyBuffer_.data(), length};
}

// Only the first error of an evaluation is reported; it also stops every level.
void ExpressionParser::fail(DiagnosticCode code, DiagnosticArg arg) {
  if (!ok_) {
    return;
  }
  ok_ = false;
  job_.reportAt(code, fileName_, line_, arg);
}
