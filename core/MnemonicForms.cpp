#include "core/MnemonicForms.h"

#include "core/OperandMatcher.h"

namespace {

// More classes than this on one side would multiply the lists beyond use; keys
// past it get no class of their own, and their patterns are listed as if they
// started (or ended) with a wildcard, which the filter and matcher then sort out.
constexpr std::size_t MAX_CLASSES = 64;

// The key a pattern's first or last character demands of the text, as OperandShape
// keys it; nothing when that character is a wildcard.
std::optional<int> keyAt(std::string_view pattern, bool last) {
  if (pattern.empty()) {
    return OperandShape::BLANK;
  }
  const char c = last ? pattern.back() : pattern.front();
  return c == '*' ? std::nullopt : std::optional<int>(static_cast<unsigned char>(c));
}

void classify(std::optional<int> key, std::array<std::uint16_t, OperandShape::BLANK + 1>& classes,
              std::size_t& count) {
  if (key && classes[static_cast<std::size_t>(*key)] == 0 && count < MAX_CLASSES) {
    classes[static_cast<std::size_t>(*key)] = static_cast<std::uint16_t>(count++);
  }
}

// The classes a pattern end may fit: its key's own, or all of them for a wildcard
// or a key without a class.
std::pair<std::size_t, std::size_t> classRange(std::optional<int> key,
                                               const std::array<std::uint16_t, OperandShape::BLANK + 1>& classes,
                                               std::size_t count) {
  const std::size_t own = key ? classes[static_cast<std::size_t>(*key)] : 0;
  return own == 0 ? std::pair<std::size_t, std::size_t>{0, count} : std::pair<std::size_t, std::size_t>{own, own + 1};
}

}  // namespace

MnemonicForms::MnemonicForms(std::span<const TableEntry* const> entries) {
  for (const TableEntry* entry : entries) {
    const std::string_view pattern = entry->argPattern;
    if (pattern.empty() && bare_ == nullptr) {
      bare_ = entry;
    }
    classify(keyAt(pattern, false), firstClass_, firstClassCount_);
    classify(keyAt(pattern, true), lastClass_, lastClassCount_);
  }
  std::vector<std::uint32_t> counts(firstClassCount_ * lastClassCount_, 0);
  for (const TableEntry* entry : entries) {
    forEachListOf(entry->argPattern, [&counts](std::size_t list) { ++counts[list]; });
  }
  listStart_.reserve(counts.size() + 1);
  listStart_.push_back(0);
  for (const std::uint32_t count : counts) {
    listStart_.push_back(listStart_.back() + count);
  }
  filters_.resize(listStart_.back(), PatternFilter(""));
  entries_.resize(listStart_.back());
  std::vector<std::uint32_t> next(listStart_.begin(), listStart_.end() - 1);
  for (const TableEntry* entry : entries) {
    const PatternFilter filter(entry->argPattern);
    forEachListOf(entry->argPattern, [&](std::size_t list) {
      filters_[next[list]] = filter;
      entries_[next[list]] = entry;
      ++next[list];
    });
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
  for (std::uint32_t i = listStart_[list]; i < listStart_[list + 1]; ++i) {
    if (filters_[i].admits(shape) && (filters_[i].decisive() || matchOperands(text, entries_[i]->argPattern))) {
      return entries_[i];
    }
  }
  return nullptr;
}
