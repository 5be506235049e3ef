#include "frontend/ExpressionParser.h"
#include "job/AssemblyJob.h"

namespace {

// Where a byte is expected, -128 to 255 fit it (signed or not), and 65535 passes as
// the 16-bit spelling of -1; anything else loses bits.
bool losesBitsAsByte(std::int32_t value) { return value < -128 || (value > 255 && value < 65535); }

// Made on the final value whatever was reported before.
void checkRange(AssemblyJob& job, std::int32_t value, std::string_view text, std::string_view fileName, int line,
                bool byteContext) {
  if (byteContext && losesBitsAsByte(value)) {
    job.reportAt(WARN_UNUSED_HIGH_BYTE, fileName, line, text);
  } else if (value > 65535) {
    job.reportAt(ERR_VALUE_OVERFLOWS_WORD, fileName, line, text);
  }
}

}  // namespace

std::uint16_t AssemblyJob::evaluateAt(std::optional<std::string_view> text, std::string_view fileName, int line,
                                      bool byteContext) {
  if (!text) {
    reportAt(ERR_EXPRESSION_EXPECTED, fileName, line);
    return 0;
  }
  const std::int32_t value = evaluateUncheckedAt(*text, fileName, line);
  checkRange(*this, value, *text, fileName, line, byteContext);
  return static_cast<std::uint16_t>(value);
}

std::int32_t AssemblyJob::evaluateUncheckedAt(std::string_view text, std::string_view fileName, int line) {
  ExpressionParser parser(*this, text, fileName, line);
  return static_cast<std::int32_t>(parser.parseWhole());
}

std::uint16_t AssemblyJob::evaluate(std::optional<std::string_view> text, int lineIndex) {
  return evaluateAt(text, source->fileNameOf(lineIndex), source->lineNumberOf(lineIndex), false);
}
