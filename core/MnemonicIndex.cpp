#include "core/MnemonicIndex.h"

#include <optional>

#include "core/ByteWords.h"

namespace {

// Room for the shipped table's mnemonics at most half full, so that a lookup
// seldom probes a second slot.
constexpr unsigned FIRST_SHIFT = 64 - 7;

// A mnemonic has at most 7 characters: upper-cased, one to a byte, with its length
// in the top byte, it is a key of its own, so a lookup needs no string. Longer
// words name no mnemonic.
std::optional<std::uint64_t> mnemonicKey(std::string_view word) {
  if (word.empty() || word.size() > MNEMONIC_MAX) {
    return std::nullopt;
  }
  return bytewords::upperCased(bytewords::loadUpTo8(word.data(), word.size())) | (std::uint64_t{word.size()} << 56);
}

}  // namespace

MnemonicIndex::MnemonicIndex(const std::deque<TableEntry>& table)
    : table_(table), slots_(std::size_t{1} << (64 - FIRST_SHIFT)), shift_(FIRST_SHIFT) {}

// Fibonacci hashing spreads the keys' bits over the slots.
MnemonicIndex::Slot& MnemonicIndex::slotOf(std::uint64_t key) {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = (key * 0x9E3779B97F4A7C15u) >> shift_;; i = (i + 1) & mask) {
    Slot& slot = slots_[i];
    if (slot.key == key || slot.key == 0) {
      return slot;
    }
  }
}

void MnemonicIndex::growSlots() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  --shift_;
  for (const Slot& slot : old) {
    if (slot.key != 0) {
      slotOf(slot.key) = slot;
    }
  }
}

void MnemonicIndex::takeInNewEntries() {
  lastIndexed_ = lastOf(table_);
  nextOfSame_.resize(table_.size());
  for (auto entry = table_.begin() + static_cast<std::ptrdiff_t>(indexedCount_); entry != table_.end();
       ++entry, ++indexedCount_) {
    const auto key = mnemonicKey(entry->mnemonic);
    if (!key) {
      continue;
    }
    Slot* slot = &slotOf(*key);
    if (slot->mnemonic == nullptr) {
      if ((mnemonics_.size() + 1) * 2 > slots_.size()) {
        growSlots();
        slot = &slotOf(*key);
      }
      *slot = Slot{*key, &mnemonics_.emplace_back(Mnemonic{indexedCount_, indexedCount_, std::nullopt}), nullptr};
    } else {
      nextOfSame_[slot->mnemonic->lastEntry] = indexedCount_;
      slot->mnemonic->lastEntry = indexedCount_;
    }
    slot->sortedForms = nullptr;
  }
}

const MnemonicForms& MnemonicIndex::sortForms(Mnemonic& mnemonic) const {
  std::vector<const TableEntry*> entries;
  for (std::size_t i = mnemonic.firstEntry;; i = nextOfSame_[i]) {
    entries.push_back(&table_[i]);
    if (i == mnemonic.lastEntry) {
      break;
    }
  }
  return mnemonic.forms.emplace(entries);
}

const MnemonicForms* MnemonicIndex::formsFor(std::string_view word) {
  if (hasNewEntries()) {
    takeInNewEntries();
  }
  const auto key = mnemonicKey(word);
  if (!key) {
    return nullptr;
  }
  Slot& slot = slotOf(*key);
  if (slot.sortedForms == nullptr && slot.mnemonic != nullptr) {
    slot.sortedForms = &sortForms(*slot.mnemonic);
  }
  return slot.sortedForms;
}
