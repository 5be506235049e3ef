// Finding the instruction form of a line against the shipped table: through the
// index of forms by mnemonic and first and last operand character, next to a scan of the
// whole table in file order with the plain matcher, which it must agree with.
// Loading the table and building the index are timed too: every run pays for them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/CharClass.h"
#include "bench/BenchJob.h"
#include "core/MnemonicIndex.h"
#include "core/OperandMatcher.h"

namespace {

using Statement = std::pair<std::string, std::optional<std::string>>;  // mnemonic, operands

const std::vector<Statement> LOADS = {
    {"ld", "a,b"},        {"ld", "(ix+5),a"},    {"ld", "a,(iy-3)"}, {"ld", "hl,label_12"},
    {"ld", "(BUF_3+57),a"}, {"ld", "(iy+17),147   "}, {"ld", "e,(hl)"},   {"ld", "sp,hl"},
    {"ld", "ixh,b"},      {"ld", "(hl),'A'"}};
const std::vector<Statement> JUMPS = {{"jp", "nz,loop_12"}, {"jp", "(hl)"},    {"jp", "label_3"},
                                      {"jr", "c,next_4"},   {"djnz", "loop_1"}, {"call", "z,draw_8"},
                                      {"ret", std::nullopt}, {"ret", "nc"}};
const std::vector<Statement> BITS = {{"bit", "3,a"},      {"set", "7,(ix+12)"}, {"res", "0,(hl)"},
                                     {"bit", "5,(iy+0)"}, {"rlc", "(ix+3)"},    {"sla", "b"}};

class Table {
public:
  Table() {
    if (job_.loadInstructionTable(shippedTablePath()) != 1) {
      throw std::runtime_error(std::string("cannot load ") + shippedTablePath());
    }
  }
  BenchJob& job() { return job_; }

private:
  BenchJob job_;
};

Table& table() {
  static Table loaded;
  return loaded;
}

std::optional<std::string_view> operandsOf(const Statement& statement) {
  return statement.second ? std::optional<std::string_view>(*statement.second) : std::nullopt;
}

void matchThroughIndex(benchmark::State& state, const std::vector<Statement>& statements) {
  MnemonicIndex index(table().job().instructionTable);
  for (auto _ : state) {
    for (const Statement& statement : statements) {
      const MnemonicForms* forms = index.formsFor(statement.first);
      benchmark::DoNotOptimize(forms->firstMatch(operandsOf(statement)));
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * statements.size()));
}

// What pass 1 did before the index: every entry in file order, the first that fits.
void matchByScan(benchmark::State& state, const std::vector<Statement>& statements) {
  const auto& entries = table().job().instructionTable;
  for (auto _ : state) {
    for (const Statement& statement : statements) {
      const TableEntry* found = nullptr;
      for (const TableEntry& entry : entries) {
        if (entry.mnemonic.size() == statement.first.size() &&
            std::equal(entry.mnemonic.begin(), entry.mnemonic.end(), statement.first.begin(),
                       [](char a, char b) { return a == toUpper(b); }) &&
            matchOperands(operandsOf(statement), entry.argPattern)) {
          found = &entry;
          break;
        }
      }
      benchmark::DoNotOptimize(found);
    }
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * statements.size()));
}

// Building the index of the whole table, as the first instruction of a run does.
void buildIndex(benchmark::State& state) {
  for (auto _ : state) {
    MnemonicIndex index(table().job().instructionTable);
    benchmark::DoNotOptimize(index.formsFor("NOP"));
  }
}

// Loading the table itself, which every run of quarn does before anything else.
void loadTable(benchmark::State& state) {
  for (auto _ : state) {
    BenchJob job;
    benchmark::DoNotOptimize(job.loadInstructionTable(shippedTablePath()));
  }
}

}  // namespace

BENCHMARK_CAPTURE(matchThroughIndex, Loads, LOADS);
BENCHMARK_CAPTURE(matchByScan, Loads, LOADS);
BENCHMARK_CAPTURE(matchThroughIndex, Jumps, JUMPS);
BENCHMARK_CAPTURE(matchByScan, Jumps, JUMPS);
BENCHMARK_CAPTURE(matchThroughIndex, Bits, BITS);
BENCHMARK_CAPTURE(matchByScan, Bits, BITS);
BENCHMARK(buildIndex);
BENCHMARK(loadTable);
