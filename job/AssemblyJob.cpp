#include "job/AssemblyJob.h"

#include <cstdio>

AssemblyJob::AssemblyJob(std::int32_t optionFlags, const char* predefinedNames)
    : console(std::make_unique<ConsoleSink>()), optionFlags(optionFlags), predefinedNames(predefinedNames) {}

AssemblyJob::~AssemblyJob() = default;

void AssemblyJob::adoptTables(AssemblyJob& other) {
  symbols = std::move(other.symbols);
  source = std::move(other.source);
}

void AssemblyJob::countImageBytes(std::int32_t& counter, std::uint64_t count) {
  const std::uint64_t counted = static_cast<std::uint64_t>(codeBytes) + static_cast<std::uint64_t>(dataBytes);
  if (count > OutputImage::MAX_LENGTH - counted) {
    throw ImageTooLarge{};
  }
  counter += static_cast<std::int32_t>(count);
}

void AssemblyJob::stageFailed(JobStatus failure, const char* description) {
  status = failure;
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", description);
}
