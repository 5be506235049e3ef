#include "core/MnemonicForms.h"

#include <utility>

#include "core/OperandMatcher.h"

namespace {

// The key a pattern's first or last character demands of the text, as OperandShape
// keys it; nothing when that character is a wildcard.
std::optional<int> keyAt(std::string_view pattern, bool last) {
  if (pattern.empty()) {
    return OperandShape::BLANK;
  }
  const char c = last ? pattern.back() : pattern.front();
  return c == '*' ? std::nullopt : std::optional<int>(static_cast<unsigned char>(c));
}

// More classes than the limit would multiply the lists beyond use; keys past it
// share class 0 with the keys that no pattern has at that end, and the filter and
// the matcher tell their patterns apart.
template <class KeyClasses>
void classify(std::optional<int> key, KeyClasses& classes, std::size_t& count, std::size_t limit) {
  if (key && classes[static_cast<std::size_t>(*key)] == 0 && count < limit) {
    classes[static_cast<std::size_t>(*key)] = static_cast<std::uint8_t>(count++);
  }
}

// The classes a pattern end may fit, as a range: its key's own, or all of them for
// a wildcard.
template <class KeyClasses>
std::pair<std::size_t, std::size_t> classRange(std::optional<int> key, const KeyClasses& classes, std::size_t count) {
  if (!key) {
    return {0, count};
  }
  const std::size_t own = classes[static_cast<std::size_t>(*key)];
  return {own, own + 1};
}

}  // namespace

MnemonicForms::MnemonicForms(std::span<const TableEntry* const> entries) {
  filters_.reserve(entries.size());
  for (const TableEntry* entry : entries) {
    const std::string_view pattern = entry->argPattern;
    if (pattern.empty() && bare_ == nullptr) {
      bare_ = entry;
    }
    classify(keyAt(pattern, false), firstClass_, firstClassCount_, MAX_CLASSES);
    classify(keyAt(pattern, true), lastClass_, lastClassCount_, MAX_CLASSES);
    filters_.emplace_back(pattern);
  }
  entries_.assign(entries.begin(), entries.end());
  std::vector<std::uint32_t> counts(firstClassCount_ * lastClassCount_, 0);
  for (const TableEntry* entry : entries) {
    forEachListOf(entry->argPattern, [&counts](std::size_t list) { ++counts[list]; });
  }
  listStart_.reserve(counts.size() + 1);
  listStart_.push_back(0);
  for (const std::uint32_t count : counts) {
    listStart_.push_back(listStart_.back() + count);
  }
  members_.resize(listStart_.back());
  std::vector<std::uint32_t> next(listStart_.begin(), listStart_.end() - 1);
  for (std::uint32_t form = 0; form < entries.size(); ++form) {
    forEachListOf(entries[form]->argPattern, [&](std::size_t list) { members_[next[list]++] = form; });
  }
}

template <class Visit>
void MnemonicForms::forEachListOf(std::string_view pattern, Visit&& visit) const {
  const auto [firstBegin, firstEnd] = classRange(keyAt(pattern, false), firstClass_, firstClassCount_);
  const auto [lastBegin, lastEnd] = classRange(keyAt(pattern, true), lastClass_, lastClassCount_);
  for (std::size_t first = firstBegin; first < firstEnd; ++first) {
    for (std::size_t last = lastBegin; last < lastEnd; ++last) {
      visit(first * lastClassCount_ + last);
    }
  }
}

const TableEntry* MnemonicForms::firstMatch(std::optional<std::string_view> operands) const {
  if (!operands) {
    return bare_;
  }
  const std::string_view text = significantOperands(*operands);
  const OperandShape shape = shapeOf(text);
  const std::size_t list = firstClass_[static_cast<std::size_t>(shape.firstKey())] * lastClassCount_ +
                           lastClass_[static_cast<std::size_t>(shape.lastKey())];
  const bool plain = shape.length == text.size();  // no white space: the shape holds every character
  for (std::uint32_t i = listStart_[list]; i < listStart_[list + 1]; ++i) {
    const std::uint32_t form = members_[i];
    const PatternFilter& filter = filters_[form];
    if (filter.admits(shape) && (filter.decisive() || (plain && filter.fitsPlainMiddle(text)) ||
                                 matchOperands(text, entries_[form]->argPattern))) {
      return entries_[form];
    }
  }
  return nullptr;
}
