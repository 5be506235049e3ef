#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/CharClass.h"
#include "core/ChainedHashMap.h"

class AssemblyJob;

// Copies text to `out`, upper-cased when foldCase, and feeds every character it
// writes to `hash`; returns the hash. The hash loop is serial anyway, so the case
// is folded by a table load.
inline StringHash writeKeyPart(std::string_view text, bool foldCase, char* out, StringHash hash) {
  for (const char c : text) {
    const char written = foldCase ? toUpper(c) : c;
    hash = hash.after(static_cast<unsigned char>(written));
    *out++ = written;
  }
  return hash;
}

inline void writeKeyPart(std::string_view text, bool foldCase, char* out) {
  writeKeyPart(text, foldCase, out, StringHash{});
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
  // Writes the lengthOf(name) characters of the key to `out` and returns the key's
  // hash in the symbol map, worked out on the way.
  std::uint32_t write(std::string_view name, char* out) const {
    StringHash hash;
    if (isLocal(name)) {
      hash = writeKeyPart(moduleName, foldCase, out, hash);
      out += moduleName.size();
    }
    return writeKeyPart(name, foldCase, out, hash).value();
  }
};

// The rule under the job's current module, local label character and options.
SymbolKeyRule symbolKeyRuleOf(const AssemblyJob& job);
