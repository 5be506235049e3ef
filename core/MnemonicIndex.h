#pragma once

#include <cstdint>
#include <deque>
#include <string_view>

#include "core/LookupIndex.h"
#include "core/MnemonicForms.h"
#include "core/TableEntry.h"

// The forms of the instruction table by mnemonic, so that an instruction is
// matched without a scan of the whole table. Entries appended to the table later
// (.ADDINSTR) are taken in at the next lookup; the table's entries never move, so
// the pointers stay valid.
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
    MnemonicForms forms;
  };

  void takeInNewEntries();
  bool hasNewEntries() const { return indexedCount_ != table_.size(); }
  Mnemonic* find(std::uint64_t key) const;

  const std::deque<TableEntry>& table_;
  std::size_t indexedCount_ = 0;
  std::deque<Mnemonic> mnemonics_;  // never moved, so the index can point into it
  LookupIndex<Mnemonic> index_;
};
