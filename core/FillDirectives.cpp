#include <cstdint>
#include <string_view>

#include "core/DirectiveHandlers.h"

namespace {

// No fill can be longer than the address space it would be placed in.
constexpr std::int32_t MAX_FILL_COUNT = 0xFFFF;

struct FillOperands {
  std::optional<std::string_view> count;
  std::optional<std::string_view> value;  // nothing: zero bytes
};

// .FILL count[,value]: the value follows the first comma.
FillOperands fillOperands(std::optional<std::string_view> rest) {
  if (!rest) {
    return {};
  }
  const std::size_t comma = rest->find(',');
  if (comma == std::string_view::npos) {
    return {rest, std::nullopt};
  }
  return {rest->substr(0, comma), rest->substr(comma + 1)};
}

// Both passes evaluate the count and check it, since a symbol redefined between
// them can change it. A count outside the address space is reported and fills
// nothing, and so does a missing one.
std::optional<std::size_t> fillCount(const DirectiveLine& line, std::optional<std::string_view> text) {
  if (!text) {
    line.report(ERR_EXPRESSION_EXPECTED);
    return std::nullopt;
  }
  const std::int32_t count = line.job.evaluateUncheckedAt(*text, line.job.source->fileNameOf(line.lineIndex),
                                                          line.job.source->lineNumberOf(line.lineIndex));
  if (count < 0 || count > MAX_FILL_COUNT) {
    line.report(ERR_ILLEGAL_FILL_COUNT, *text);
    return std::nullopt;
  }
  return static_cast<std::size_t>(count);
}

void countFill(const DirectiveLine& line, std::optional<std::string_view> countText) {
  if (const std::optional<std::size_t> count = fillCount(line, countText)) {
    line.mark();
    line.countData(*count);
  }
}

void writeFill(const DirectiveLine& line, OutputImage& image, const FillOperands& operands) {
  const std::optional<std::size_t> count = fillCount(line, operands.count);
  if (!count) {
    return;
  }
  const std::uint16_t value = operands.value ? line.evaluateByte(*operands.value) : 0;
  line.emitRepeated(image, static_cast<std::uint8_t>(value), *count);
}

}  // namespace

void passOneFill(const DirectiveLine& line) { countFill(line, fillOperands(line.rest).count); }

void passTwoFill(const DirectiveLine& line, OutputImage& image) { writeFill(line, image, fillOperands(line.rest)); }

// .BLOCK reserves room; the image has no gaps, so the room is zero bytes.
void passOneBlock(const DirectiveLine& line) { countFill(line, line.rest); }

void passTwoBlock(const DirectiveLine& line, OutputImage& image) { writeFill(line, image, {line.rest, std::nullopt}); }
