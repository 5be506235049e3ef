// The Z80 routine that ferra puts in front of the compressed program: it copies
// its unpacking loop and the stream out of the way, unpacks the program over
// itself and returns into it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ferra {

inline constexpr std::size_t DECOMPRESSOR_STUB_SIZE = 67;

// The stub as it runs at `entryAddress`, with a stream of `streamLength` bytes
// behind it. Both numbers are stored as 16-bit values.
std::array<std::uint8_t, DECOMPRESSOR_STUB_SIZE> decompressorStub(std::size_t entryAddress,
                                                                   std::size_t streamLength);

}  // namespace ferra
