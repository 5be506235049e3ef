#include "job/AssemblyJob.h"

#include <cstdio>

AssemblyJob::AssemblyJob(std::int32_t optionFlags, const char* predefinedNames)
    : console(std::make_unique<ConsoleSink>()), optionFlags(optionFlags), predefinedNames(predefinedNames) {}

AssemblyJob::~AssemblyJob() = default;

void AssemblyJob::adoptTables(AssemblyJob& other) {
  symbols = std::move(other.symbols);
  source = std::move(other.source);
}

void AssemblyJob::stageFailed(JobStatus failure, const char* description) {
  status = failure;
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", description);
}
