// Unpacks a Ferra II stream the way the calculator-side decompressor does; used
// to check what the writers produce.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ferra {

struct DecodedStream {
  std::vector<std::uint8_t> bytes;
  std::size_t streamLength = 0;  // bytes read up to and including the end marker
};

// nullopt when the stream is not well formed: it ends before its end marker, a
// back-reference reaches before the first unpacked byte, or flag bits after the
// end marker are set.
std::optional<DecodedStream> decodeFerraStream(std::span<const std::uint8_t> stream);

}  // namespace ferra
