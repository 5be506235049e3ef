// The expression evaluator on the operand kinds that fill a program: numbers in
// every base, labels, equates with offsets, and the displacements of indexed
// operands; with a few thousand labels, as a 20,000-line file has, and with a
// hundred thousand, where lookups go through the symbol map's index.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bench/BenchJob.h"

namespace {

// A job with `count` labels label_0, label_1 ... and the equates the operands use.
std::unique_ptr<BenchJob> jobWithLabels(int count) {
  auto job = std::make_unique<BenchJob>();
  job->symbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  job->exportSymbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  for (int i = 0; i < count; ++i) {
    job->symbols->set("LABEL_" + std::to_string(i), Symbol{SYM_LABEL, static_cast<std::uint16_t>(i)});
  }
  for (const char* equate : {"BUF_3", "MASK_2", "LEN_5", "PORT_4"}) {
    job->symbols->set(equate, Symbol{SYM_EQUATE, 0x40});
  }
  job->pc = 0x1234;
  return job;
}

void evaluateOperands(benchmark::State& state, std::vector<std::string> operands, bool byteContext) {
  const auto job = jobWithLabels(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (const std::string& operand : operands) {
      benchmark::DoNotOptimize(job->evaluateAt(operand, "bench.asm", 1, byteContext));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * operands.size()));
}

const std::vector<std::string> NUMBERS = {"5", "147", "0AAh", "4Ch", "$1F", "%101", "65535", "101b"};
const std::vector<std::string> LABELS = {"label_17", "label_1881", "Label_250", "LABEL_999"};
const std::vector<std::string> SUMS = {"BUF_3+57", "MASK_2*256+LEN_5", "label_12+1", "PORT_4-24", "$+2"};
const std::vector<std::string> DISPLACEMENTS = {"+5", "-92", "+115", "+0", "-128", "+'A'"};

}  // namespace

BENCHMARK_CAPTURE(evaluateOperands, Numbers, NUMBERS, true)->Arg(2000)->Arg(100000);
BENCHMARK_CAPTURE(evaluateOperands, Labels, LABELS, false)->Arg(2000)->Arg(100000);
BENCHMARK_CAPTURE(evaluateOperands, Sums, SUMS, false)->Arg(2000)->Arg(100000);
BENCHMARK_CAPTURE(evaluateOperands, Displacements, DISPLACEMENTS, true)->Arg(2000);
