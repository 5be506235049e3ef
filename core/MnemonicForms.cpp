#include "core/MnemonicForms.h"

#include <utility>

#include "core/InstructionEncoder.h"
#include "core/OperandMatcher.h"
#include "core/OperandText.h"

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

constexpr ArgumentLayout UNKNOWN_ARGUMENTS{};
constexpr ArgumentLayout NO_ARGUMENTS{ArgumentLayout::Kind::NONE};

// A sole argument within operands of at most ARGUMENT_MAX characters, whose offsets
// therefore fit a byte; an empty one stays unknown.
ArgumentLayout soleArgument(std::size_t start, std::size_t length) {
  if (length == 0) {
    return UNKNOWN_ARGUMENTS;
  }
  return {ArgumentLayout::Kind::SOLE, static_cast<std::uint8_t>(start), static_cast<std::uint8_t>(length)};
}

}  // namespace

MnemonicForms::MnemonicForms(std::span<const TableEntry* const> entries) {
  filters_.reserve(entries.size());
  forms_.reserve(entries.size());
  for (const TableEntry* entry : entries) {
    const std::string_view pattern = entry->argPattern;
    if (pattern.empty() && bare_ == nullptr) {
      bare_ = entry;
    }
    classify(keyAt(pattern, false), firstClass_, firstClassCount_, MAX_CLASSES);
    classify(keyAt(pattern, true), lastClass_, lastClassCount_, MAX_CLASSES);
    filters_.emplace_back(pattern);
    forms_.push_back(formOf(entry));
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

// Patterns are a few characters long: a plain loop beats calls to search them,
// and the counts fit a byte.
MnemonicForms::Form MnemonicForms::formOf(const TableEntry* entry) {
  const std::string_view pattern = entry->argPattern;
  std::size_t wildcards = 0;
  std::size_t wildcard = 0;  // where the first one stands
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '*' && wildcards++ == 0) {
      wildcard = i;
    }
  }
  static_assert(PATTERN_MAX <= UINT8_MAX, "a pattern position fits in a byte");
  if (wildcards != 1) {
    return {entry, wildcards == 0 ? NO_ARGUMENTS : UNKNOWN_ARGUMENTS};
  }
  return {entry, UNKNOWN_ARGUMENTS, true, static_cast<std::uint8_t>(wildcard),
          static_cast<std::uint8_t>(pattern.size() - wildcard - 1)};
}

// A fit decided without a walk shows the argument only in a text without white
// space: there each pattern character but the wildcard stands for one character of
// the text, so the argument is what those before and after the wildcard leave.
FormMatch MnemonicForms::fitWithoutWalk(const Form& form, std::string_view operands, std::string_view text,
                                        bool plain) {
  if (!(form.soleWildcard && plain && operands.size() <= ARGUMENT_MAX)) {
    return {form.entry, form.unlessSole};
  }
  const auto textStart = static_cast<std::size_t>(text.data() - operands.data());
  return {form.entry, soleArgument(textStart + form.before, text.size() - form.before - form.after)};
}

// What the matcher's wildcard took may end in white space before the character
// that stopped it.
FormMatch MnemonicForms::walkedFit(const Form& form, std::string_view operands, std::string_view taken) {
  if (!(form.soleWildcard && operands.size() <= ARGUMENT_MAX)) {
    return {form.entry, form.unlessSole};
  }
  const std::string_view argument = trimSpaces(taken);
  return {form.entry, soleArgument(static_cast<std::size_t>(argument.data() - operands.data()), argument.size())};
}

FormMatch MnemonicForms::match(std::optional<std::string_view> operands) const {
  if (!operands) {
    return {bare_, NO_ARGUMENTS};
  }
  const std::string_view text = significantOperands(*operands);
  const OperandShape shape = shapeOf(text);
  const std::size_t list = firstClass_[static_cast<std::size_t>(shape.firstKey())] * lastClassCount_ +
                           lastClass_[static_cast<std::size_t>(shape.lastKey())];
  const bool plain = shape.length == text.size();  // no white space: the shape holds every character
  for (std::uint32_t i = listStart_[list]; i < listStart_[list + 1]; ++i) {
    const std::uint32_t form = members_[i];
    const PatternFilter& filter = filters_[form];
    if (!filter.admits(shape)) {
      continue;
    }
    if (filter.decisive() || (plain && filter.fitsPlainMiddle(text))) {
      return fitWithoutWalk(forms_[form], *operands, text, plain);
    }
    std::string_view taken;
    if (matchOperands(text, forms_[form].entry->argPattern, &taken)) {
      return walkedFit(forms_[form], *operands, taken);
    }
  }
  return {nullptr, UNKNOWN_ARGUMENTS};
}
