#include "core/MnemonicIndex.h"

#include <optional>

#include "core/ByteWords.h"

namespace {

// A mnemonic has at most 7 characters: upper-cased, one to a byte, with its length
// in the top byte, it is a key of its own, so a lookup needs no string. Longer
// words name no mnemonic.
std::optional<std::uint64_t> mnemonicKey(std::string_view word) {
  if (word.empty() || word.size() > MNEMONIC_MAX) {
    return std::nullopt;
  }
  return bytewords::upperCased(bytewords::loadUpTo8(word.data(), word.size())) | (std::uint64_t{word.size()} << 56);
}

// The key's two halves folded into the index's 32-bit hash.
std::uint32_t hashOf(std::uint64_t key) { return static_cast<std::uint32_t>(key ^ (key >> 32)); }

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
      mnemonic = &mnemonics_.emplace_back(Mnemonic{*key, hashOf(*key), {}, {}, false});
      index_.insert(*mnemonic);
    }
    mnemonic->entries.push_back(&entry);
    mnemonic->formsCurrent = false;
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
  Mnemonic* mnemonic = find(*key);
  if (mnemonic == nullptr) {
    return nullptr;
  }
  if (!mnemonic->formsCurrent) {
    mnemonic->forms = MnemonicForms(mnemonic->entries);
    mnemonic->formsCurrent = true;
  }
  return &mnemonic->forms;
}
