#include <cstdint>
#include <string_view>

#include "core/DataList.h"
#include "core/DirectiveHandlers.h"

namespace {

// Items are held in a 128-character buffer: a longer one is cut, and what is cut
// off is dropped with it rather than read as a further item.
constexpr std::size_t ITEM_LIMIT = 127;

std::string_view boundedItem(const DirectiveLine& line, std::string_view item) {
  if (item.size() < ITEM_LIMIT) {
    return item;
  }
  line.report(ERR_EXPRESSION_TOO_LONG);
  return item.substr(0, ITEM_LIMIT);
}

// The body of a .TEXT string (after its opening quote), or nothing when the
// operand does not start with a double quote.
std::optional<std::string_view> textString(std::optional<std::string_view> rest) {
  if (!rest) {
    return std::nullopt;
  }
  const std::size_t quote = skipSpacesFrom(*rest, 0);
  if (quote >= rest->size() || (*rest)[quote] != '"') {
    return std::nullopt;
  }
  return rest->substr(quote + 1);
}

}  // namespace

void passOneByteData(const DirectiveLine& line) {
  if (!line.rest) {
    line.report(ERR_EXPRESSION_EXPECTED);
    return;
  }
  line.mark();
  std::uint64_t count = 0;
  const bool complete = walkByteList(*line.rest, [&](std::uint8_t) { ++count; }, [&](std::string_view) { ++count; });
  if (!complete) {
    line.report(ERR_STRING_NOT_CLOSED);
  }
  line.countData(count);
}

void passTwoByteData(const DirectiveLine& line, OutputImage& image) {
  walkByteList(
      line.rest.value_or(std::string_view{}), [&](std::uint8_t byte) { line.emitByte(image, byte); },
      [&](std::string_view item) {
        const std::uint16_t value = line.evaluateByte(boundedItem(line, item));
        line.emitByte(image, static_cast<std::uint8_t>(value));
      });
}

void passOneWordData(const DirectiveLine& line) {
  if (!line.rest) {
    line.report(ERR_EXPRESSION_EXPECTED);
    return;
  }
  line.mark();
  std::uint64_t count = 0;
  walkWordList(*line.rest, [&](std::string_view) { count += 2; });
  line.countData(count);
}

void passTwoWordData(const DirectiveLine& line, OutputImage& image) {
  walkWordList(line.rest.value_or(std::string_view{}), [&](std::string_view item) {
    const std::uint16_t value = line.evaluateWord(boundedItem(line, item));
    const std::uint8_t bytes[] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
    line.emit(image, bytes);
  });
}

void passOneText(const DirectiveLine& line) {
  if (!line.rest) {
    line.report(ERR_STRING_EXPECTED);
    return;
  }
  line.mark();
  const std::optional<std::string_view> body = textString(line.rest);
  if (!body) {
    line.report(ERR_STRING_EXPECTED);
    return;
  }
  QuotedStringReader string(*body);
  std::uint64_t count = 1;  // the terminating zero
  while (string.next()) {
    ++count;
  }
  if (!string.closed()) {
    line.report(ERR_STRING_NOT_CLOSED);
  }
  line.countData(count);
}

void passTwoText(const DirectiveLine& line, OutputImage& image) {
  const std::optional<std::string_view> body = textString(line.rest);
  if (!body) {
    return;
  }
  QuotedStringReader string(*body);
  while (const auto byte = string.next()) {
    line.emitByte(image, *byte);
  }
  line.emitByte(image, 0);
}
