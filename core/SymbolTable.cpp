#include "job/AssemblyJob.h"

// Placeholder until the symbol table lands.
std::string AssemblyJob::qualifyLocalLabel(std::string_view name) const { return std::string(name); }
std::string AssemblyJob::symbolKey(std::string_view name) const { return std::string(name); }
void AssemblyJob::defineSymbol(std::string_view, SymbolKind, std::uint16_t, int) {}
