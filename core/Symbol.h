#pragma once

#include <cstdint>

#include "core/ChainedHashMap.h"

enum SymbolKind : std::uint8_t {
  SYM_EQUATE = 0,  // defined by .EQU, EQU or =
  SYM_LABEL = 1,   // an address
};

struct Symbol {
  SymbolKind kind = SYM_EQUATE;
  std::uint16_t value = 0;
};

inline constexpr std::size_t SYMBOL_BUCKETS = 2237;

using SymbolMap = ChainedHashMap<Symbol>;
