#pragma once

#include <cstdint>
#include <string>

// How pass 2 merges an instruction's arguments into its bytes.
enum EncodingModifier : std::int32_t {
  MOD_NONE = 0,     // plain argument
  MOD_R1 = 1,       // relative jump: 8-bit displacement from the address after the instruction
  MOD_ZBIT = 2,     // first argument is a bit number 0..7, merged as bit * 8
  MOD_COMBINE = 3,  // two arguments: first in the low byte, second in the high byte
  MOD_CSWAP = 4,    // two arguments: first in the high byte, second in the low byte
};

// One instruction form of the instruction table.
struct TableEntry {
  std::string mnemonic;    // upper case, at most 7 characters
  std::string argPattern;  // upper case, at most 15 characters; '*' marks an argument
  std::uint32_t opcode = 0;
  std::int16_t opcodeSize = 0;
  std::int16_t argSize = 0;
  std::int16_t size = 0;  // total length, 1 to 6: what the location counter advances by
  EncodingModifier modifier = MOD_NONE;
  std::uint8_t instrClass = 0;
  std::uint16_t shift = 0;  // read from the table, not used for encoding
  std::uint16_t orMask = 0;
};

inline constexpr std::size_t MNEMONIC_MAX = 7;
inline constexpr std::size_t PATTERN_MAX = 15;
