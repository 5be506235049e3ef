#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/OperandShape.h"
#include "core/PatternFilter.h"
#include "core/TableEntry.h"

// The instruction forms of one mnemonic, in table order, sorted by what their
// pattern demands of the operand text's first character other than white space:
// a pattern that starts with a fixed character can only fit a text that starts
// with it, one that starts with a wildcard may fit any. Each list keeps table
// order, so the first form that fits is still the one the table lists first.
class MnemonicForms {
public:
  MnemonicForms();

  // Forms are added in table order; the entry must outlive this object.
  void add(const TableEntry& entry);
  // The first form in table order whose pattern the operand text fits.
  const TableEntry* firstMatch(std::optional<std::string_view> operands) const;

private:
  struct Candidate {
    const TableEntry* entry;
    PatternFilter filter;
  };
  using Candidates = std::vector<Candidate>;
  static constexpr std::size_t KEYS = OperandShape::BLANK + 1;
  static constexpr std::uint16_t WILDCARD_LED = 0;

  // lists_[WILDCARD_LED] holds the forms whose pattern starts with a wildcard; the
  // list of a key also holds them, in their places among its own forms.
  std::vector<Candidates> lists_;
  std::array<std::uint16_t, KEYS> listOfKey_{};
  const TableEntry* bare_ = nullptr;  // the first form without operands
};
