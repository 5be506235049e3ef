#include <array>
#include <cstdio>

#include "job/AssemblyJob.h"
#include "job/OutputNames.h"
#include "job/TextOutputFile.h"

namespace {

// "name = $xxxx": the value as four lower-case hexadecimal digits.
void appendAssignment(std::string& text, std::string_view name, std::uint16_t value) {
  std::array<char, 8> digits{};
  std::snprintf(digits.data(), digits.size(), "%04x", static_cast<unsigned>(value));
  text.append(name);
  text.append(" = $");
  text.append(digits.data());
  text.push_back('\n');
}

}  // namespace

// Every label and equate under the spelling it was written in, in the map's own
// order, as assignments another source can include.
void SymbolFileJob::writeOutput(const std::string& sourcePath) {
  std::string text;
  if (exportSymbols) {
    exportSymbols->forEach([&](std::string_view name, const Symbol& symbol) { appendAssignment(text, name, symbol.value); });
  }
  writeTextOutput(*this, mainOutputTarget(*this, sourcePath, ".inc"), text);
}
