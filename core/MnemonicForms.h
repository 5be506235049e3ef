#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/OperandShape.h"
#include "core/PatternFilter.h"
#include "core/TableEntry.h"
#include "frontend/LineRecord.h"

// What the operand text of an instruction fits: the first form in table order, and
// what finding it showed of the arguments. A sole argument is known as pass 2
// evaluates it, trimmed, when the fit showed where it lies; an empty one is left
// unknown (it may stand for a displacement of 0, which pass 2 decides), and so is
// one in operands so long that pass 2 might have to cut it.
struct FormMatch {
  const TableEntry* entry = nullptr;
  ArgumentLayout arguments;
};

// The instruction forms of one mnemonic, sorted by what their patterns demand of
// the operand text's first and last characters other than white space: a pattern
// that starts with a fixed character can only fit a text that starts with it, one
// that ends with a fixed character only a text that ends with it, and a wildcard
// at either end may fit anything there. Each pair of first and last character has
// a list of the forms that may fit it, in table order, so the first form of the
// list that fits is still the one the table lists first.
class MnemonicForms {
public:
  // The forms in table order; the entries must outlive this object.
  explicit MnemonicForms(std::span<const TableEntry* const> entries);

  // The first form in table order whose pattern the operand text fits.
  const TableEntry* firstMatch(std::optional<std::string_view> operands) const { return match(operands).entry; }
  // The same, with what finding the form showed of its arguments.
  FormMatch match(std::optional<std::string_view> operands) const;

private:
  // Characters are sorted into classes, each end of the text on its own: a
  // character that no pattern has at that end falls into class 0. A wildcard end
  // fits every class. Class numbers stay below MAX_CLASSES.
  static constexpr std::size_t MAX_CLASSES = 64;
  using KeyClasses = std::array<std::uint8_t, OperandShape::BLANK + 1>;

  // A form's entry, what is known of its arguments unless it has a sole one (none
  // without a wildcard, nothing for several), and how many pattern characters
  // stand before and after a sole wildcard.
  struct Form {
    const TableEntry* entry = nullptr;
    ArgumentLayout unlessSole;
    bool soleWildcard = false;
    std::uint8_t before = 0;
    std::uint8_t after = 0;
  };
  static Form formOf(const TableEntry* entry);

  template <class Visit>
  void forEachListOf(std::string_view pattern, Visit&& visit) const;
  static FormMatch fitWithoutWalk(const Form& form, std::string_view operands, std::string_view text, bool plain);
  static FormMatch walkedFit(const Form& form, std::string_view operands, std::string_view taken);

  KeyClasses firstClass_{};
  KeyClasses lastClass_{};
  std::size_t firstClassCount_ = 1;
  std::size_t lastClassCount_ = 1;
  // List l is members_[listStart_[l]] up to members_[listStart_[l + 1]]: numbers
  // of forms, which index filters_ and forms_. A form on many lists is stored
  // once, which keeps the filters few enough to stay in the cache.
  std::vector<std::uint32_t> listStart_;
  std::vector<std::uint32_t> members_;
  std::vector<PatternFilter> filters_;  // tried side by side, in table order
  std::vector<Form> forms_;             // apart, as only a fit needs them
  const TableEntry* bare_ = nullptr;    // the first form without operands
};
