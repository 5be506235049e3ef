#include "core/MnemonicForms.h"

#include <utility>

#include "base/CharClass.h"
#include "core/OperandMatcher.h"
#include "core/OperandText.h"

namespace {

constexpr std::size_t BLANK_KEY = MnemonicForms::BLANK_KEY;

// The key a pattern's first or last character demands of the text; nothing when
// that character is a wildcard. Pattern characters are upper case already.
std::optional<std::size_t> patternKey(std::string_view pattern, bool last) {
  if (pattern.empty()) {
    return BLANK_KEY;
  }
  const char c = last ? pattern.back() : pattern.front();
  return c == '*' ? std::nullopt : std::optional<std::size_t>(static_cast<unsigned char>(c));
}

// The key of one end of an operand text trimmed of white space, as the matcher
// compares it.
std::size_t textKey(std::string_view trimmed, bool last) {
  if (trimmed.empty()) {
    return BLANK_KEY;
  }
  return static_cast<unsigned char>(toUpper(last ? trimmed.back() : trimmed.front()));
}

// More classes than the limit would multiply the lists beyond use; keys past it
// share class 0 with the keys that no pattern has at that end, and the matcher
// tells their patterns apart.
template <class KeyClasses>
void classify(std::optional<std::size_t> key, KeyClasses& classes, std::size_t& count, std::size_t limit) {
  if (key && classes[*key] == 0 && count < limit) {
    classes[*key] = static_cast<std::uint8_t>(count++);
  }
}

// The classes a pattern end may fit, as a range: its key's own, or all of them for
// a wildcard.
template <class KeyClasses>
std::pair<std::size_t, std::size_t> classRange(std::optional<std::size_t> key, const KeyClasses& classes,
                                               std::size_t count) {
  if (!key) {
    return {0, count};
  }
  const std::size_t own = classes[*key];
  return {own, own + 1};
}

}  // namespace

MnemonicForms::MnemonicForms(std::span<const TableEntry* const> entries) {
  for (const TableEntry* entry : entries) {
    const std::string_view pattern = entry->argPattern;
    if (pattern.empty() && bare_ == nullptr) {
      bare_ = entry;
    }
    classify(patternKey(pattern, false), firstClass_, firstClassCount_, MAX_CLASSES);
    classify(patternKey(pattern, true), lastClass_, lastClassCount_, MAX_CLASSES);
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
  members_.resize(listStart_.back());
  std::vector<std::uint32_t> next(listStart_.begin(), listStart_.end() - 1);
  for (const TableEntry* entry : entries) {
    forEachListOf(entry->argPattern, [&](std::size_t list) { members_[next[list]++] = entry; });
  }
}

template <class Visit>
void MnemonicForms::forEachListOf(std::string_view pattern, Visit&& visit) const {
  const auto [firstBegin, firstEnd] = classRange(patternKey(pattern, false), firstClass_, firstClassCount_);
  const auto [lastBegin, lastEnd] = classRange(patternKey(pattern, true), lastClass_, lastClassCount_);
  for (std::size_t first = firstBegin; first < firstEnd; ++first) {
    for (std::size_t last = lastBegin; last < lastEnd; ++last) {
      visit(first * lastClassCount_ + last);
    }
  }
}

// The matcher skips white space before every pattern character, so the text
// trimmed at its ends fits what the whole text fits.
const TableEntry* MnemonicForms::firstMatch(std::optional<std::string_view> operands) const {
  if (!operands) {
    return bare_;
  }
  const std::string_view text = trimSpaces(*operands);
  const std::size_t list = firstClass_[textKey(text, false)] * lastClassCount_ + lastClass_[textKey(text, true)];
  for (std::uint32_t i = listStart_[list]; i < listStart_[list + 1]; ++i) {
    if (matchOperands(text, members_[i]->argPattern)) {
      return members_[i];
    }
  }
  return nullptr;
}
