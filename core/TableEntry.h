#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

inline constexpr std::size_t MNEMONIC_MAX = 7;
inline constexpr std::size_t PATTERN_MAX = 15;

// A text of at most Capacity characters kept inside its owner. The table's words
// have short fixed limits, so an entry holds them in place and owns no memory of
// its own: filling the table allocates nothing per entry.
template <std::size_t Capacity>
class BoundedText {
public:
  constexpr BoundedText() = default;
  // A longer text keeps its first Capacity characters; the table scanner never
  // reads a word past its limit, so this only guards against misuse.
  // Taken from any text, so that a string or a literal converts in one step.
  template <class Text>
    requires std::is_convertible_v<const Text&, std::string_view>
  constexpr BoundedText(const Text& text) {
    const std::string_view view = text;
    size_ = static_cast<std::uint8_t>(std::min(view.size(), Capacity));
    std::copy_n(view.data(), size_, chars_.begin());
  }

  constexpr std::string_view view() const { return {chars_.data(), size_}; }
  constexpr operator std::string_view() const { return view(); }
  constexpr std::size_t size() const { return size_; }
  constexpr bool empty() const { return size_ == 0; }
  constexpr const char* begin() const { return chars_.data(); }
  constexpr const char* end() const { return chars_.data() + size_; }

  friend constexpr bool operator==(const BoundedText& text, std::string_view other) { return text.view() == other; }

private:
  static_assert(Capacity <= 0xFF, "the length is kept in one byte");
  std::array<char, Capacity> chars_{};
  std::uint8_t size_ = 0;
};

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
  BoundedText<MNEMONIC_MAX> mnemonic;    // upper case
  BoundedText<PATTERN_MAX> argPattern;   // upper case; '*' marks an argument
  std::uint32_t opcode = 0;
  std::int16_t opcodeSize = 0;
  std::int16_t argSize = 0;
  std::int16_t size = 0;  // total length, 1 to 6: what the location counter advances by
  EncodingModifier modifier = MOD_NONE;
  std::uint8_t instrClass = 0;
  std::uint16_t shift = 0;  // read from the table, not used for encoding
  std::uint16_t orMask = 0;
};

// The table is filled at every start and freed at every exit; entries that own
// nothing are freed without a destructor call apiece.
static_assert(std::is_trivially_copyable_v<TableEntry> && std::is_trivially_destructible_v<TableEntry>);
