#include <algorithm>

#include "app/AssemblerSettings.h"
#include "frontend/CharClass.h"
#include "job/AssemblyJob.h"

namespace {

// Appends text to key, upper-cased when names are case-insensitive.
void appendKeyPart(std::string& key, std::string_view text, bool foldCase) {
  if (!foldCase) {
    key.append(text);
    return;
  }
  const std::size_t start = key.size();
  key.append(text);
  std::transform(key.begin() + static_cast<std::ptrdiff_t>(start), key.end(), key.begin() + static_cast<std::ptrdiff_t>(start),
                 charclass::upperCaseOf);
}

bool isLocalLabel(std::string_view name, char localLabelChar) {
  return !name.empty() && name.front() == localLabelChar;
}

}  // namespace

std::string AssemblyJob::qualifyLocalLabel(std::string_view name) const {
  std::string qualified;
  if (isLocalLabel(name, localLabelChar)) {
    qualified = moduleName;
  }
  qualified.append(name);
  return qualified;
}

void AssemblyJob::buildSymbolKey(std::string_view name, std::string& key) const {
  const bool foldCase = (optionFlags & OPT_CASE_INSENSITIVE) != 0;
  key.clear();
  if (isLocalLabel(name, localLabelChar)) {
    appendKeyPart(key, moduleName, foldCase);
  }
  appendKeyPart(key, name, foldCase);
}

std::string AssemblyJob::symbolKey(std::string_view name) const {
  std::string key;
  buildSymbolKey(name, key);
  return key;
}

// The written name is already qualified; only its case is folded for the key, while
// the export map keeps every spelling apart for the symbol file.
void AssemblyJob::defineSymbol(std::string_view writtenName, SymbolKind kind, std::uint16_t value, int lineIndex) {
  std::string key;
  appendKeyPart(key, writtenName, (optionFlags & OPT_CASE_INSENSITIVE) != 0);
  const Symbol symbol{kind, value};
  const auto [stored, added] = symbols->tryEmplace(key, symbol);
  if (!added) {
    if (stored->value != value) {
      report(302, lineIndex, writtenName);
    }
    *stored = symbol;
  }
  if (keepsExportSymbols) {
    exportSymbols->set(writtenName, symbol);
  }
}
