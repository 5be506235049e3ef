#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
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
  explicit MnemonicIndex(const std::deque<TableEntry>& table) : table_(table) {}

  // The forms whose mnemonic equals the word without regard to case; null when
  // the table has none.
  const MnemonicForms* formsFor(std::string_view word);

private:
  struct Mnemonic {
    std::vector<const TableEntry*> entries;  // in table order
    std::unique_ptr<MnemonicForms> forms;    // null until looked up after the last addition
  };

  // A mnemonic has at most MNEMONIC_MAX characters: upper-cased, one to a byte,
  // with its length in the top byte, it is a key of its own. Longer words name no
  // mnemonic.
  static std::optional<std::uint64_t> mnemonicKey(std::string_view word);
  void takeInNewEntries();

  const std::deque<TableEntry>& table_;
  std::size_t indexedCount_ = 0;
  std::unordered_map<std::uint64_t, Mnemonic> mnemonics_;
};
