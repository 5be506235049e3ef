#include "frontend/ExpressionParser.h"

#include "app/AssemblerSettings.h"
#include "frontend/CharClass.h"
#include "frontend/TextScan.h"
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

}  // namespace

// The operator readers and the operations that need the parser's state live in a
// helper so that the header need not name the private operator type.
struct ExpressionParser::Levels {
  static BinaryOp take(ExpressionParser& parser, BinaryOp op, std::size_t length) {
    parser.pos_ += length;
    return op;
  }

  // "=" and "!" alone are no operators: the level ends on them and the caller
  // reports what is left.
  static BinaryOp readComparison(ExpressionParser& parser) {
    const char next = parser.peek(1);
    switch (parser.peek()) {
      case '=':
        return next == '=' ? take(parser, BinaryOp::Equal, 2) : BinaryOp::None;
      case '!':
        return next == '=' ? take(parser, BinaryOp::NotEqual, 2) : BinaryOp::None;
      case '<':
        return next == '=' ? take(parser, BinaryOp::LessEqual, 2) : take(parser, BinaryOp::Less, 1);
      case '>':
        return next == '=' ? take(parser, BinaryOp::GreaterEqual, 2) : take(parser, BinaryOp::Greater, 1);
      default:
        return BinaryOp::None;
    }
  }

  // A single "<" or ">" is left for the comparison level.
  static BinaryOp readBitwise(ExpressionParser& parser) {
    const char next = parser.peek(1);
    switch (parser.peek()) {
      case '&':
        return take(parser, BinaryOp::And, 1);
      case '|':
        return take(parser, BinaryOp::Or, 1);
      case '^':
        return take(parser, BinaryOp::Xor, 1);
      case '<':
        return next == '<' ? take(parser, BinaryOp::ShiftLeft, 2) : BinaryOp::None;
      case '>':
        return next == '>' ? take(parser, BinaryOp::ShiftRight, 2) : BinaryOp::None;
      default:
        return BinaryOp::None;
    }
  }

  static BinaryOp readAdditive(ExpressionParser& parser) {
    switch (parser.peek()) {
      case '+':
        return take(parser, BinaryOp::Add, 1);
      case '-':
        return take(parser, BinaryOp::Subtract, 1);
      default:
        return BinaryOp::None;
    }
  }

  // "(" right after an operand multiplies, so 2(3+1) is 8; the parenthesis stays
  // for the operand that follows.
  static BinaryOp readMultiplicative(ExpressionParser& parser) {
    switch (parser.peek()) {
      case '*':
        return take(parser, BinaryOp::Multiply, 1);
      case '/':
        return take(parser, BinaryOp::Divide, 1);
      case '(':
        return BinaryOp::Multiply;
      default:
        return BinaryOp::None;
    }
  }

  // Every binary level: operands from the next tighter level, combined left to
  // right for as long as an operator of this level follows.
  template <BinaryOp (*readOperator)(ExpressionParser&), std::uint32_t (ExpressionParser::*parseOperand)()>
  static std::uint32_t parseLevel(ExpressionParser& parser) {
    std::uint32_t value = (parser.*parseOperand)();
    while (parser.ok_) {
      parser.skipSpace();
      const BinaryOp op = readOperator(parser);
      if (op == BinaryOp::None) {
        break;
      }
      value = combine(parser, op, value, (parser.*parseOperand)());
    }
    return value;
  }

  static std::uint32_t combine(ExpressionParser& parser, BinaryOp op, std::uint32_t left, std::uint32_t right) {
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
        return parser.divide(left, right);
      case BinaryOp::None:
        break;
    }
    return left;
  }
};

ExpressionParser::ExpressionParser(AssemblyJob& job, std::string_view text, std::string_view fileName, int line)
    : job_(job),
      localLabelChar_(job.localLabelChar),
      original_(text),
      text_(text),
      fileName_(fileName),
      line_(line) {
  while (!text_.empty() && isSpace(text_.back())) {
    text_.remove_suffix(1);
  }
}

std::uint32_t ExpressionParser::parseWhole() {
  if (const std::optional<std::uint32_t> value = parseLonePrimary()) {
    return *value;
  }
  const std::uint32_t value = parseComparison();
  skipSpace();
  if (!atEnd()) {
    fail(202, original_);
  }
  return value;
}

std::uint32_t ExpressionParser::parseComparison() {
  return Levels::parseLevel<&Levels::readComparison, &ExpressionParser::parseBitwise>(*this);
}

std::uint32_t ExpressionParser::parseBitwise() {
  return Levels::parseLevel<&Levels::readBitwise, &ExpressionParser::parseAdditive>(*this);
}

std::uint32_t ExpressionParser::parseAdditive() {
  return Levels::parseLevel<&Levels::readAdditive, &ExpressionParser::parseMultiplicative>(*this);
}

std::uint32_t ExpressionParser::parseMultiplicative() {
  return Levels::parseLevel<&Levels::readMultiplicative, &ExpressionParser::parseUnary>(*this);
}

// Most operands are one number or one name, with at most a sign in front. Such an
// expression is read by the primary readers directly, as the binding levels would
// read it: they find no operator after it and hand its value up unchanged. Any
// other text is left untouched for the levels (a name is only read, with the
// lookup that may report it, once it is known to end the text).
std::optional<std::uint32_t> ExpressionParser::parseLonePrimary() {
  skipSpace();
  const char prefix = peek();
  if (prefix == '-' || prefix == '+' || prefix == '!') {
    ++pos_;
  }
  skipSpace();
  const std::size_t start = pos_;
  std::uint32_t value = 0;
  if (startsHexNumber()) {
    value = parseHexNumber();
  } else if (startsBinaryNumber()) {
    value = parseBinaryNumber();
  } else if (isDigit(peek())) {
    value = parseDecimalNumber();
  } else if (startsLabel() && nameEndsText()) {
    value = parseLabel();
  }
  if (pos_ == start || !atEnd()) {
    pos_ = 0;
    return std::nullopt;
  }
  return applyPrefix(prefix, value);
}

bool ExpressionParser::nameEndsText() const {
  for (std::size_t ahead = pos_; ahead < text_.size(); ++ahead) {
    if (!isNameChar(text_[ahead])) {
      return false;
    }
  }
  return true;
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
  const std::uint32_t inner = parseComparison();
  skipSpace();
  if (ok_ && peek() != ')') {
    fail(208);
    return inner;
  }
  // After an earlier error the parenthesis may be missing; the cursor must not
  // step past the end then.
  accept(')');
  return applyPrefix(prefix, inner);
}

std::uint32_t ExpressionParser::parsePrimary() {
  if (atEnd()) {
    fail(204);
    return 0;
  }
  if (startsHexNumber()) {
    return parseHexNumber();
  }
  if (startsBinaryNumber()) {
    return parseBinaryNumber();
  }
  const char c = peek();
  if (isDigit(c)) {
    return parseDecimalNumber();
  }
  if (c == '\'') {
    return parseCharacterConstant();
  }
  if (startsLabel()) {
    return parseLabel();
  }
  if (accept('$')) {
    return job_.pc;
  }
  fail(202, original_);
  return 0;
}

// $1F, or a digit run of hex digits closed by "h": 0FFh is a number, FFh a label.
bool ExpressionParser::startsHexNumber() const {
  if (peek() == '$') {
    return isHexDigit(peek(1));
  }
  if (!isDigit(peek())) {
    return false;
  }
  std::size_t ahead = 1;
  while (isHexDigit(peek(ahead))) {
    ++ahead;
  }
  return toUpper(peek(ahead)) == 'H';
}

bool ExpressionParser::startsBinaryNumber() const {
  if (peek() == '%') {
    return isBinaryDigit(peek(1));
  }
  if (!isBinaryDigit(peek())) {
    return false;
  }
  std::size_t ahead = 1;
  while (isBinaryDigit(peek(ahead))) {
    ++ahead;
  }
  return toUpper(peek(ahead)) == 'B';
}

std::uint32_t ExpressionParser::parseHexNumber() {
  accept('$');
  std::uint32_t value = 0;
  while (isHexDigit(peek())) {
    value = value * 16u + static_cast<std::uint32_t>(hexDigitValue(peek()));
    ++pos_;
  }
  if (toUpper(peek()) == 'H') {
    ++pos_;
  }
  return value;
}

std::uint32_t ExpressionParser::parseBinaryNumber() {
  accept('%');
  std::uint32_t value = 0;
  while (isBinaryDigit(peek())) {
    value = value * 2u + static_cast<std::uint32_t>(peek() - '0');
    ++pos_;
  }
  if (toUpper(peek()) == 'B') {
    ++pos_;
  }
  return value;
}

std::uint32_t ExpressionParser::parseDecimalNumber() {
  std::uint32_t value = 0;
  while (isDigit(peek())) {
    value = value * 10u + static_cast<std::uint32_t>(peek() - '0');
    ++pos_;
  }
  return value;
}

// A backslash before the character is skipped and escapes nothing: '\n' is the
// code of n. A text that ends after the quote or the backslash (a lone "'" is
// what ".db ','" hands over for each piece) is an unclosed constant.
std::uint32_t ExpressionParser::parseCharacterConstant() {
  ++pos_;
  accept('\\');
  if (atEnd()) {
    fail(203);
    return 0;
  }
  const std::uint32_t value = signedByteValue(text_[pos_]);
  ++pos_;
  if (!accept('\'')) {
    fail(203);
  }
  return value;
}

// Names are read whole, however long, so that a long name is never mistaken for
// a shorter one. An unknown name is entered with value 0: it is reported once and
// later uses of it stay silent. Before pass 1 there is no map to enter it in.
std::uint32_t ExpressionParser::parseLabel() {
  const std::size_t start = pos_;
  while (!atEnd() && isNameChar(text_[pos_])) {
    ++pos_;
  }
  const std::string_view name = slice(text_, start, pos_);
  if (job_.symbols) {
    job_.buildSymbolKey(name, job_.exprKey);
    const auto [symbol, added] = job_.symbols->tryEmplace(job_.exprKey, Symbol{SYM_EQUATE, 0});
    if (!added) {
      return symbol->value;
    }
  }
  fail(201, job_.qualifyLocalLabel(name));
  return 0;
}

// The quotient truncates toward zero. The most negative value divided by -1 wraps
// to itself instead of trapping.
std::uint32_t ExpressionParser::divide(std::uint32_t dividend, std::uint32_t divisor) {
  if (divisor == 0) {
    fail(206);
    return dividend;
  }
  if (asSigned(divisor) == -1) {
    return 0u - dividend;
  }
  return asUnsigned(asSigned(dividend) / asSigned(divisor));
}

// Only the first error of an evaluation is reported; it also stops every level.
void ExpressionParser::fail(int code, DiagnosticArg arg) {
  if (!ok_) {
    return;
  }
  ok_ = false;
  job_.reportAt(code, fileName_, line_, arg);
}
