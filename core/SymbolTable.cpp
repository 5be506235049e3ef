#include "core/SymbolKey.h"
#include "job/AssemblyJob.h"

SymbolKeyRule symbolKeyRuleOf(const AssemblyJob& job) {
  return {job.moduleName, job.localLabelChar, (job.optionFlags & OPT_CASE_INSENSITIVE) != 0};
}

std::string AssemblyJob::qualifyLocalLabel(std::string_view name) const {
  std::string buffer;
  return std::string(qualifyLocalLabel(name, buffer));
}

std::string_view AssemblyJob::qualifyLocalLabel(std::string_view name, std::string& buffer) const {
  if (!symbolKeyRuleOf(*this).isLocal(name)) {
    return name;
  }
  buffer.assign(moduleName);
  buffer.append(name);
  return buffer;
}

void AssemblyJob::buildSymbolKey(std::string_view name, std::string& key) const {
  const SymbolKeyRule rule = symbolKeyRuleOf(*this);
  key.resize(rule.lengthOf(name));
  rule.write(name, key.data());
}

std::string AssemblyJob::symbolKey(std::string_view name) const {
  std::string key;
  buildSymbolKey(name, key);
  return key;
}

// The written name is already qualified; only its case is folded for the key, while
// the export map keeps every spelling apart for the symbol file. Without folding
// the written name is the key as it stands.
void AssemblyJob::defineSymbol(std::string_view writtenName, SymbolKind kind, std::uint16_t value, int lineIndex) {
  std::string folded;
  std::string_view key = writtenName;
  if ((optionFlags & OPT_CASE_INSENSITIVE) != 0) {
    folded.resize(writtenName.size());
    writeKeyPart(writtenName, true, folded.data());
    key = folded;
  }
  const Symbol symbol{kind, value};
  const auto [stored, added] = symbols->tryEmplace(key, symbol);
  if (!added) {
    if (stored->value != value) {
      report(WARN_DUPLICATE_LABEL, lineIndex, writtenName);
    }
    *stored = symbol;
  }
  if (keepsExportSymbols) {
    exportSymbols->set(writtenName, symbol);
  }
}
