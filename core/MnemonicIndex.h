#pragma once

#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

#include "core/LookupIndex.h"
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
  explicit MnemonicIndex(const std::deque<TableEntry>& table) : table_(table) {}

  // The forms whose mnemonic equals the word without regard to case; null when
  // the table has none.
  const MnemonicForms* formsFor(std::string_view word);

private:
  // The forms of one mnemonic under its packed name.
  struct Mnemonic {
    std::uint64_t key;
    std::uint32_t hash;
    std::vector<const TableEntry*> entries;  // in table order
    MnemonicForms forms;                     // of the entries, when formsCurrent
    bool formsCurrent = false;
  };

  void takeInNewEntries();
  // The table only ever grows at its end, so a new last entry tells of new entries;
  // that is cheaper to see than the size of a deque.
  bool hasNewEntries() const { return lastOf(table_) != lastIndexed_; }
  static const TableEntry* lastOf(const std::deque<TableEntry>& table) {
    return table.empty() ? nullptr : &table.back();
  }
  Mnemonic* find(std::uint64_t key) const;

  const std::deque<TableEntry>& table_;
  std::size_t indexedCount_ = 0;
  const TableEntry* lastIndexed_ = nullptr;
  std::deque<Mnemonic> mnemonics_;  // never moved, so the index can point into it
  LookupIndex<Mnemonic> index_;
};
