// Reads a Ferra II stream the way the calculator-side decompressor does; used to
// check what the writers produce.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "plugins/common/FerraStreamFormat.h"

namespace ferra {

// A literal byte or a back-reference; the end marker closes the list.
using StreamItem = std::variant<std::uint8_t, BackReference>;

struct ParsedStream {
  std::vector<StreamItem> items;
  std::size_t streamLength = 0;  // bytes read up to and including the end marker
};

// nullopt when the stream ends before its end marker or sets flag bits after it.
std::optional<ParsedStream> parseFerraStream(std::span<const std::uint8_t> stream);

struct DecodedStream {
  std::vector<std::uint8_t> bytes;
  std::size_t streamLength = 0;
};

// nullopt when the stream cannot be parsed or a back-reference reaches before
// the first unpacked byte.
std::optional<DecodedStream> decodeFerraStream(std::span<const std::uint8_t> stream);

}  // namespace ferra
