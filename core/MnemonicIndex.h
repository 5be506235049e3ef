#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string_view>
#include <vector>

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
  // the table has none.
  const MnemonicForms* formsFor(std::string_view word);

private:
  // A mnemonic's entries are linked through nextOfSame_ in table order, from the
  // first to the last, rather than gathered in a list of their own, which would
  // cost every mnemonic allocations at every start.
  struct Mnemonic {
    std::size_t firstEntry;
    std::size_t lastEntry;
    std::optional<MnemonicForms> forms;
  };
  // One place of an open-addressing table of the mnemonics by packed name. A
  // lookup of a mnemonic whose forms are sorted reads nothing but its slot.
  struct Slot {
    std::uint64_t key = 0;  // 0: the slot is free
    Mnemonic* mnemonic = nullptr;
    const MnemonicForms* sortedForms = nullptr;  // null until sorted for all of the entries
  };

  void takeInNewEntries();
  const MnemonicForms& sortForms(Mnemonic& mnemonic) const;
  // The table only ever grows at its end, so a new last entry tells of new entries;
  // that is cheaper to see than the size of a deque.
  bool hasNewEntries() const { return lastOf(table_) != lastIndexed_; }
  static const TableEntry* lastOf(const std::deque<TableEntry>& table) {
    return table.empty() ? nullptr : &table.back();
  }
  // The key's slot, or the free slot where it would go.
  Slot& slotOf(std::uint64_t key);
  void growSlots();

  const std::deque<TableEntry>& table_;
  std::size_t indexedCount_ = 0;
  const TableEntry* lastIndexed_ = nullptr;
  std::deque<Mnemonic> mnemonics_;  // never moved, so the slots can point into it
  std::vector<std::size_t> nextOfSame_;  // by table index: the next entry of the same mnemonic
  std::vector<Slot> slots_;
  unsigned shift_ = 64;  // the slot count is 2^(64 - shift_)
};
