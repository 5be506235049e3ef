#pragma once

#include <cstdint>
#include <deque>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/TableEntry.h"

// The entries of the instruction table by mnemonic, each list in table order, so
// that the first entry whose pattern fits still wins without a scan of the whole
// table. Entries appended to the table later (.ADDINSTR) are taken in at the next
// lookup; the table's entries never move, so the pointers stay valid.
class MnemonicIndex {
public:
  explicit MnemonicIndex(const std::deque<TableEntry>& table) : table_(table) {}

  // The entries whose mnemonic equals the word without regard to case.
  std::span<const TableEntry* const> entriesFor(std::string_view word);

private:
  void takeInNewEntries();

  const std::deque<TableEntry>& table_;
  std::size_t indexedCount_ = 0;
  std::unordered_map<std::uint64_t, std::vector<const TableEntry*>> entries_;
};
