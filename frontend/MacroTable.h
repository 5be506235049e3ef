#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/ChainedHashMap.h"
#include "frontend/MacroNameFilter.h"

// One macro: its parameter names and the text that replaces a call.
struct MacroDef {
  static constexpr int MAX_PARAMS = 10;

  int paramCount = 0;
  std::array<std::string, MAX_PARAMS> params;  // entries from paramCount on are empty
  std::string body;
};

// The macros of one assembly, built-in names included. Names compare exactly
// (case-sensitive); defining a name again replaces its definition.
class MacroTable {
public:
  static constexpr std::size_t BUCKETS = 17;

  MacroTable() : map_(BUCKETS) {}

  void define(std::string_view name, const MacroDef& definition);
  // Removing a name that is not defined is no error.
  void remove(std::string_view name);
  // A definition written in the source, which a #DEFCONT after it may continue.
  void defineContinuable(std::string_view name, const MacroDef& definition);
  // Appends text to the body of the macro the source defined last; false when there
  // is none, or it has been removed since.
  bool continueLast(std::string_view text);
  const MacroDef* find(std::string_view name) const;
  bool contains(std::string_view name) const;
  // False only when no macro has this name; cheaper than find.
  bool mayName(std::string_view word) const { return names_.mayName(word); }
  bool mayStartName(char c) const { return names_.mayStart(c); }
  std::string_view nameStarts() const { return names_.starts(); }

private:
  ChainedHashMap<MacroDef> map_;
  MacroNameFilter names_;
  std::string lastDefined_;  // by the source
};
