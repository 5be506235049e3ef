#include "core/MnemonicIndex.h"

namespace {

// Room for the shipped table's 69 mnemonics at most half full, so that a lookup
// seldom probes a second slot and a run does not grow the slots at its start.
constexpr unsigned FIRST_SHIFT = 64 - 8;

}  // namespace

MnemonicIndex::MnemonicIndex(const std::deque<TableEntry>& table)
    : table_(table), slots_(std::size_t{1} << (64 - FIRST_SHIFT)), mask_(slots_.size() - 1), shift_(FIRST_SHIFT) {}

void MnemonicIndex::growSlots() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  mask_ = slots_.size() - 1;
  --shift_;
  for (const Slot& slot : old) {
    if (slot.key != 0) {
      slotOf(slot.key) = slot;
    }
  }
}

void MnemonicIndex::takeInNewEntries() {
  lastIndexed_ = lastOf(table_);
  // Appended rather than resized: a link is written once its entry is reached, so
  // filling the new links with zeros first would be wasted.
  links_.reserve(table_.size());
  for (auto entry = table_.begin() + static_cast<std::ptrdiff_t>(indexedCount_); entry != table_.end();
       ++entry, ++indexedCount_) {
    links_.push_back(Link{&*entry, 0});
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
      *slot = Slot{*key, &mnemonics_.emplace_back(Mnemonic{indexedCount_, indexedCount_, 1, nullptr}), nullptr};
    } else {
      Mnemonic& mnemonic = *slot->mnemonic;
      links_[mnemonic.lastEntry].nextOfSame = indexedCount_;
      mnemonic.lastEntry = indexedCount_;
      ++mnemonic.entryCount;
    }
    slot->sortedForms = nullptr;
  }
}

void MnemonicIndex::sortForms(Slot& slot) const {
  Mnemonic& mnemonic = *slot.mnemonic;
  std::vector<const TableEntry*> entries;
  entries.reserve(mnemonic.entryCount);
  for (std::size_t i = mnemonic.firstEntry;; i = links_[i].nextOfSame) {
    entries.push_back(links_[i].entry);
    if (i == mnemonic.lastEntry) {
      break;
    }
  }
  mnemonic.forms = std::make_unique<MnemonicForms>(entries);
  slot.sortedForms = mnemonic.forms.get();
}
