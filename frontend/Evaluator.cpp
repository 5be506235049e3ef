#include "frontend/ExpressionParser.h"
#include "job/AssemblyJob.h"

namespace {

// Made on the final value whatever was reported before; negative values pass,
// and so does 65535 (also where a byte is expected).
void checkRange(AssemblyJob& job, std::int32_t value, std::string_view text, std::string_view fileName, int line,
                bool byteContext) {
  if (byteContext && value > 255 && value < 65535) {
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
  ExpressionParser parser(*this, *text, fileName, line);
  const auto value = static_cast<std::int32_t>(parser.parseWhole());
  checkRange(*this, value, *text, fileName, line, byteContext);
  return static_cast<std::uint16_t>(value);
}

std::uint16_t AssemblyJob::evaluate(std::optional<std::string_view> text, int lineIndex) {
  return evaluateAt(text, source->fileNameOf(lineIndex), source->lineNumberOf(lineIndex), false);
}
