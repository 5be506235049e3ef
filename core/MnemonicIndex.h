#pragma once

#include <cstdint>
#include <deque>
#include <string_view>
#include <unordered_map>

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
  void takeInNewEntries();
  bool hasNewEntries() const { return indexedCount_ != table_.size(); }

  const std::deque<TableEntry>& table_;
  std::size_t indexedCount_ = 0;
  std::unordered_map<std::uint64_t, MnemonicForms> forms_;
};
