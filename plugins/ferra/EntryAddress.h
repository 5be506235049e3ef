// Where ferra's decompressor stub goes: where the program's leading jump lands,
// so that the jump runs the stub.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace ferra {

// The number of image bytes kept uncompressed ahead of the stub; the stub's
// address is LOAD_ADDRESS plus this. 0 when the image does not open with a jump
// the stub can be placed behind.
std::size_t uncompressedPrefixLength(std::span<const std::uint8_t> image);

}  // namespace ferra
