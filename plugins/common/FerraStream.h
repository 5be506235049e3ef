// The Ferra II encoder shared by the compressed TI-86 writers.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace ferra {

// Compresses `input` into a Ferra II stream, end marker included. The result is
// that of a greedy encoder that at every position takes the longest match in the
// 2048-byte window (the nearest one on ties), or a literal when no match of at
// least three bytes exists.
std::vector<std::uint8_t> encodeFerraStream(std::span<const std::uint8_t> input);

}  // namespace ferra
