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

// The key's two halves folded into the index's 32-bit hash.
std::uint32_t hashOf(std::uint64_t key) { return static_cast<std::uint32_t>(key ^ (key >> 29)); }

}  // namespace

MnemonicIndex::Mnemonic* MnemonicIndex::find(std::uint64_t key) const {
  if (index_.empty()) {
    return nullptr;
  }
  return index_.find(hashOf(key), [key](const Mnemonic& mnemonic) { return mnemonic.key == key; });
}

void MnemonicIndex::takeInNewEntries() {
  lastIndexed_ = lastOf(table_);
  for (; indexedCount_ < table_.size(); ++indexedCount_) {
    const TableEntry& entry = table_[indexedCount_];
    const auto key = mnemonicKey(entry.mnemonic);
    if (!key) {
      continue;
    }
    Mnemonic* mnemonic = find(*key);
    if (mnemonic == nullptr) {
      mnemonic = &mnemonics_.emplace_back(Mnemonic{*key, hashOf(*key), MnemonicForms()});
      index_.insert(*mnemonic);
    }
    mnemonic->forms.add(entry);
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
  const Mnemonic* mnemonic = find(*key);
  return mnemonic == nullptr ? nullptr : &mnemonic->forms;
}
