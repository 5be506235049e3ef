// The expression evaluator on arbitrary text, in a job whose symbol maps hold a few
// names the way pass 1 leaves them. The first input byte picks the context: byte
// or word operand, case folding, the module and the local label character.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/TestJob.h"

namespace {

struct Name {
  std::string_view written;
  std::uint16_t value;
};

constexpr Name KNOWN_NAMES[] = {
    {"start", 0x1234}, {"LOOP", 0xD748}, {"_under", 1}, {"@local", 0xFFFF}, {"main@local", 7}, {"?q", 0x80},
};

std::unique_ptr<TestJob> makeJob(std::uint8_t context) {
  auto job = std::make_unique<TestJob>((context & 1) != 0 ? OPT_CASE_INSENSITIVE | OPT_CHECK_INDIRECTION
                                                          : OPT_CHECK_INDIRECTION);
  job->symbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  job->exportSymbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  job->pc = static_cast<std::uint16_t>(0xD748 + context);
  job->moduleName = (context & 4) != 0 ? "main" : "";
  job->localLabelChar = (context & 8) != 0 ? '?' : '@';
  for (const Name& name : KNOWN_NAMES) {
    job->symbols->set(job->symbolKey(name.written), Symbol{SYM_LABEL, name.value});
  }
  return job;
}

struct Outcome {
  std::uint16_t value;
  std::int32_t diagnostics;
  std::string console;

  friend bool operator==(const Outcome&, const Outcome&) = default;
};

Outcome evaluateOnce(std::uint8_t context, std::string_view text) {
  auto job = makeJob(context);
  const std::uint16_t value = job->evaluateAt(text, "/fuzz/expr.asm", 1, (context & 2) != 0);
  return {value, job->errorCount + job->warningCount, job->consoleText()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    makeJob(0)->evaluateAt(std::nullopt, "/fuzz/expr.asm", 1, false);
    return 0;
  }
  const std::uint8_t context = data[0];
  const std::string_view text = fuzz::asText(std::span(data + 1, size - 1));
  const Outcome first = evaluateOnce(context, text);
  // One parse error at most, then one range diagnostic at most.
  fuzz::check(first.diagnostics <= 2, "one evaluation reported more than two diagnostics");
  fuzz::check(evaluateOnce(context, text) == first, "the same expression in the same job state evaluated differently");
  return 0;
}
