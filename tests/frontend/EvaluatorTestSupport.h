#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/TestJob.h"

// What the evaluator tests share: a job with its symbol maps in place (as pass 1
// leaves them), a few known names, and the expected diagnostic lines.
namespace evaluator_test {

inline constexpr std::string_view FILE_NAME = "/src/prog.asm";
inline constexpr int LINE = 3;
inline constexpr std::uint16_t PC = 0x9D95;

struct Case {
  std::optional<std::string_view> text;
  std::uint16_t value;
  std::string diagnostics;  // the exact console text, empty when nothing is reported
};

inline std::string diagnosticLine(std::string_view kind, int code, std::string_view message) {
  return std::string(kind) + " #" + std::to_string(code) + " in prog.asm, line " + std::to_string(LINE) + ": " +
         std::string(message) + "\n";
}

inline std::string error(int code, std::string_view message) { return diagnosticLine("Error", code, message); }

inline std::string warning(int code, std::string_view message) { return diagnosticLine("Warning", code, message); }

inline std::string illegal(std::string_view text) { return error(202, "Illegal expression: \"" + std::string(text) + "\""); }

inline std::string undefinedLabel(std::string_view name) {
  return error(201, "Label not defined: \"" + std::string(name) + "\"");
}

inline std::unique_ptr<TestJob> makeJob(std::int32_t optionFlags = TestJob::OPT_CHECK_INDIRECTION_AND_CASE) {
  auto job = std::make_unique<TestJob>(optionFlags);
  job->symbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  job->exportSymbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  job->pc = PC;
  return job;
}

inline void define(TestJob& job, std::string_view name, std::uint16_t value) {
  job.symbols->set(job.symbolKey(name), Symbol{SYM_LABEL, value});
}

inline std::uint16_t evaluateIn(TestJob& job, std::optional<std::string_view> text, bool byteContext = false) {
  return job.evaluateAt(text, FILE_NAME, LINE, byteContext);
}

// Each case runs in a fresh job, so names one case enters stay out of the next.
void expectCases(const std::vector<Case>& cases, bool byteContext = false);

}  // namespace evaluator_test
