#include "core/MnemonicIndex.h"

#include <optional>

#include "frontend/CharClass.h"

namespace {

// A mnemonic has at most 7 characters: packed with its length it is a 59-bit key,
// so a lookup needs no string of its own. Longer words name no mnemonic.
std::optional<std::uint64_t> mnemonicKey(std::string_view word) {
  if (word.empty() || word.size() > MNEMONIC_MAX) {
    return std::nullopt;
  }
  std::uint64_t key = 0;
  for (char c : word) {
    key = (key << 8) | static_cast<unsigned char>(toUpper(c));
  }
  return (key << 3) | word.size();
}

}  // namespace

void MnemonicIndex::takeInNewEntries() {
  for (; indexedCount_ < table_.size(); ++indexedCount_) {
    const TableEntry& entry = table_[indexedCount_];
    if (const auto key = mnemonicKey(entry.mnemonic)) {
      forms_[*key].add(entry);
    }
  }
}

const MnemonicForms* MnemonicIndex::formsFor(std::string_view word) {
  if (hasNewEntries()) {
    takeInNewEntries();
  }
  const auto key = mnemonicKey(word);
  if (!key) {
    return nullptr;
  }
  const auto found = forms_.find(*key);
  return found == forms_.end() ? nullptr : &found->second;
}
