#include "job/AssemblyJob.h"

// Placeholder until the directives land.
void AssemblyJob::directivePassOne(std::string_view, std::optional<std::string_view>, int) {}
void AssemblyJob::directivePassTwo(std::string_view, std::optional<std::string_view>, int, OutputImage&) {}
