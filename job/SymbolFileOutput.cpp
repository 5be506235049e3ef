#include "job/AssemblyJob.h"

// Placeholder until the symbol file lands.
void SymbolFileJob::writeOutput(const std::string&) {}
