#include "frontend/ExpressionParser.h"
#include "job/AssemblyJob.h"

namespace {

// The 32-bit value of an expression; a missing one is reported and counts as 0.
std::int32_t parseValue(AssemblyJob& job, std::optional<std::string_view> text, std::string_view fileName,
                        int line) {
  if (!text) {
    job.reportAt(200, fileName, line);
    return 0;
  }
  ExpressionParser parser(job, *text, fileName, line);
  return static_cast<std::int32_t>(parser.parseWhole());
}

// Made on the final value whatever was reported before; negative values pass,
// and so does 65535 (also where a byte is expected).
void checkRange(AssemblyJob& job, std::int32_t value, std::string_view text, std::string_view fileName, int line,
                bool byteContext) {
  if (byteContext && value > 255 && value < 65535) {
    job.reportAt(406, fileName, line, text);
  } else if (value > 65535) {
    job.reportAt(405, fileName, line, text);
  }
}

}  // namespace

std::uint16_t AssemblyJob::evaluateAt(std::optional<std::string_view> text, std::string_view fileName, int line,
                                      bool byteContext) {
  const std::int32_t value = parseValue(*this, text, fileName, line);
  if (text) {
    checkRange(*this, value, *text, fileName, line, byteContext);
  }
  return static_cast<std::uint16_t>(value);
}

std::uint16_t AssemblyJob::evaluate(std::optional<std::string_view> text, int lineIndex) {
  return evaluateAt(text, source->fileNameOf(lineIndex), source->lineNumberOf(lineIndex), false);
}

std::int32_t AssemblyJob::evaluateSigned(std::string_view text, int lineIndex) {
  return parseValue(*this, text, source->fileNameOf(lineIndex), source->lineNumberOf(lineIndex));
}
