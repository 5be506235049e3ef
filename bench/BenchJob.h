#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "job/AssemblyJob.h"

// An assembly job for the micro-benchmarks: its console drops everything, so that
// diagnostics cost no terminal output, and it has no output step.
class BenchJob : public ImageJob {
public:
  BenchJob() : ImageJob(OPTIONS, nullptr) { console = std::make_unique<QuietConsole>(); }
  void writeOutput(const std::string&, OutputImage&) override {}

private:
  class QuietConsole : public ConsoleSink {
  public:
    void print(std::string_view) override {}
  };

  static constexpr std::int32_t OPTIONS = 3;  // the default settings: indirection check, case folding
};

// The instruction table shipped with quarn, named by the build.
inline const char* shippedTablePath() { return QUARN_TABLE_PATH; }
