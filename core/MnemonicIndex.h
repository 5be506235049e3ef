#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "core/ByteWords.h"
#include "core/MnemonicForms.h"
#include "core/TableEntry.h"

// The forms of the instruction table by mnemonic, so that an instruction is
// matched without a scan of the whole table. Entries appended to the table later
// (.ADDINSTR) are taken in at the next lookup; the table's entries never move, so
// the pointers stay valid. A mnemonic's forms are sorted for matching when it is
// first looked up, and again after entries were added to it, so a run pays only
// for the mnemonics it uses.
class MnemonicIndex {
public:
  explicit MnemonicIndex(const std::deque<TableEntry>& table);

  // The forms whose mnemonic equals the word without regard to case; null when
  // the table has none. Every instruction line looks its mnemonic up, so this
  // stays small enough to inline; taking in entries and sorting forms are rare
  // and kept apart.
  const MnemonicForms* formsFor(std::string_view word) {
    if (hasNewEntries()) [[unlikely]] {
      takeInNewEntries();
    }
    const std::optional<std::uint64_t> key = mnemonicKey(word);
    if (!key) {
      return nullptr;
    }
    Slot& slot = slotOf(*key);
    if (slot.sortedForms == nullptr && slot.mnemonic != nullptr) [[unlikely]] {
      sortForms(slot);
    }
    return slot.sortedForms;
  }

private:
  // A mnemonic's entries are linked through links_ in table order, from the first
  // to the last, rather than gathered in a list of their own, which would cost
  // every mnemonic allocations at every start. Its sorted forms are large and
  // most mnemonics of the table go unused in a run, so they are allocated apart,
  // when first needed.
  struct Mnemonic {
    std::size_t firstEntry;
    std::size_t lastEntry;
    std::size_t entryCount;
    std::unique_ptr<MnemonicForms> forms;
  };
  // By table index: the entry, and the index of the next entry of its mnemonic.
  struct Link {
    const TableEntry* entry = nullptr;
    std::size_t nextOfSame = 0;
  };
  // One place of an open-addressing table of the mnemonics by packed name. A
  // lookup of a mnemonic whose forms are sorted reads nothing but its slot.
  struct Slot {
    std::uint64_t key = 0;  // 0: the slot is free
    Mnemonic* mnemonic = nullptr;
    const MnemonicForms* sortedForms = nullptr;  // null until sorted for all of the entries
  };

  // A mnemonic has at most 7 characters: upper-cased, one to a byte, with its
  // length in the top byte, it is a key of its own, so a lookup needs no string.
  // Longer words name no mnemonic.
  static std::optional<std::uint64_t> mnemonicKey(std::string_view word) {
    if (word.empty() || word.size() > MNEMONIC_MAX) {
      return std::nullopt;
    }
    return bytewords::upperCased(bytewords::loadUpTo8(word.data(), word.size())) | (std::uint64_t{word.size()} << 56);
  }
  // The key's slot, or the free slot where it would go. Fibonacci hashing spreads
  // the keys' bits over the slots.
  Slot& slotOf(std::uint64_t key) {
    for (std::size_t i = (key * 0x9E3779B97F4A7C15u) >> shift_;; i = (i + 1) & mask_) {
      Slot& slot = slots_[i];
      if (slot.key == key || slot.key == 0) {
        return slot;
      }
    }
  }
  void takeInNewEntries();
  void sortForms(Slot& slot) const;
  void growSlots();
  // The table only ever grows at its end, so a new last entry tells of new entries;
  // that is cheaper to see than the size of a deque.
  bool hasNewEntries() const { return lastOf(table_) != lastIndexed_; }
  static const TableEntry* lastOf(const std::deque<TableEntry>& table) {
    return table.empty() ? nullptr : &table.back();
  }

  const std::deque<TableEntry>& table_;
  std::size_t indexedCount_ = 0;
  const TableEntry* lastIndexed_ = nullptr;
  std::deque<Mnemonic> mnemonics_;  // never moved, so the slots can point into it
  std::vector<Link> links_;
  std::vector<Slot> slots_;
  std::size_t mask_ = 0;  // the slot count less 1
  unsigned shift_ = 64;   // the slot count is 2^(64 - shift_)
};
