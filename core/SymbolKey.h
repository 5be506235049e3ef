#pragma once

#include <cstddef>
#include <string_view>

#include "base/CharClass.h"

class AssemblyJob;

// Copies text to `out`, upper-cased when foldCase.
inline void writeKeyPart(std::string_view text, bool foldCase, char* out) {
  for (const char c : text) {
    *out++ = foldCase ? toUpper(c) : c;
  }
}

// How a name as written becomes its key in the symbol map: a local label (one that
// begins with the local label character) is qualified with the current module's
// name, and the key is upper-cased when names are case-insensitive. The key goes
// into storage the caller provides, so that the evaluator can build the key of
// every name it looks up on the stack.
struct SymbolKeyRule {
  std::string_view moduleName;
  char localLabelChar;
  bool foldCase;

  bool isLocal(std::string_view name) const { return !name.empty() && name.front() == localLabelChar; }
  std::size_t lengthOf(std::string_view name) const { return (isLocal(name) ? moduleName.size() : 0) + name.size(); }
  // Writes the lengthOf(name) characters of the key to `out`.
  void write(std::string_view name, char* out) const {
    if (isLocal(name)) {
      writeKeyPart(moduleName, foldCase, out);
      out += moduleName.size();
    }
    writeKeyPart(name, foldCase, out);
  }
};

// The rule under the job's current module, local label character and options.
SymbolKeyRule symbolKeyRuleOf(const AssemblyJob& job);
