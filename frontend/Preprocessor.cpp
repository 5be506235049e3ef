#include "job/AssemblyJob.h"

// Placeholder until the preprocessor lands.
void AssemblyJob::preprocess(const std::string&, MacroTable*) {}
