#include "core/MnemonicForms.h"

#include "core/OperandMatcher.h"

namespace {

// The operand character a pattern's first character demands, as OperandShape keys it.
int keyOfPattern(std::string_view pattern) {
  return pattern.empty() ? OperandShape::BLANK : static_cast<unsigned char>(pattern.front());
}

}  // namespace

MnemonicForms::MnemonicForms() : lists_(1) {}

void MnemonicForms::add(const TableEntry& entry) {
  const std::string_view pattern = entry.argPattern;
  const Candidate candidate{&entry, PatternFilter(pattern)};
  if (pattern.empty() && bare_ == nullptr) {
    bare_ = &entry;
  }
  if (!pattern.empty() && pattern.front() == '*') {
    for (Candidates& list : lists_) {
      list.push_back(candidate);
    }
    return;
  }
  std::uint16_t& list = listOfKey_[static_cast<std::size_t>(keyOfPattern(pattern))];
  if (list == WILDCARD_LED) {
    list = static_cast<std::uint16_t>(lists_.size());
    lists_.push_back(lists_[WILDCARD_LED]);
  }
  lists_[list].push_back(candidate);
}

const TableEntry* MnemonicForms::firstMatch(std::optional<std::string_view> operands) const {
  if (!operands) {
    return bare_;
  }
  const OperandShape shape = shapeOf(*operands);
  for (const Candidate& candidate : lists_[listOfKey_[static_cast<std::size_t>(shape.firstKey)]]) {
    if (candidate.filter.admits(shape) &&
        (candidate.filter.decisive() || matchOperands(operands, candidate.entry->argPattern))) {
      return candidate.entry;
    }
  }
  return nullptr;
}
