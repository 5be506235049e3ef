#include "core/MnemonicIndex.h"

#include "base/CharClass.h"

static_assert(MNEMONIC_MAX < sizeof(std::uint64_t), "a mnemonic and its length fit one key");

std::optional<std::uint64_t> MnemonicIndex::mnemonicKey(std::string_view word) {
  if (word.empty() || word.size() > MNEMONIC_MAX) {
    return std::nullopt;
  }
  std::uint64_t key = word.size();
  for (const char c : word) {
    key = (key << 8) | static_cast<unsigned char>(toUpper(c));
  }
  return key;
}

const MnemonicForms* MnemonicIndex::formsFor(std::string_view word) {
  if (indexedCount_ != table_.size()) [[unlikely]] {
    takeInNewEntries();
  }
  const std::optional<std::uint64_t> key = mnemonicKey(word);
  if (!key) {
    return nullptr;
  }
  const auto found = mnemonics_.find(*key);
  if (found == mnemonics_.end()) {
    return nullptr;
  }
  Mnemonic& mnemonic = found->second;
  if (!mnemonic.forms) [[unlikely]] {
    mnemonic.forms = std::make_unique<MnemonicForms>(mnemonic.entries);
  }
  return mnemonic.forms.get();
}

void MnemonicIndex::takeInNewEntries() {
  for (; indexedCount_ < table_.size(); ++indexedCount_) {
    const TableEntry& entry = table_[indexedCount_];
    if (const auto key = mnemonicKey(entry.mnemonic)) {
      Mnemonic& mnemonic = mnemonics_[*key];
      mnemonic.entries.push_back(&entry);
      mnemonic.forms.reset();
    }
  }
}
