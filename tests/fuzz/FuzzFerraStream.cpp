// The Ferra II encoder and decoder. Every input is compressed and unpacked again,
// which must give it back; the same bytes are also read as a stream, which may be
// refused but must never be read out of bounds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "plugins/common/FerraDecoder.h"
#include "plugins/common/FerraStream.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

void checkRoundTrip(std::span<const std::uint8_t> input) {
  const std::vector<std::uint8_t> stream = ferra::encodeFerraStream(input);
  // A literal costs one byte and one flag bit; the end marker a byte and a bit.
  fuzz::check(stream.size() <= input.size() + input.size() / 8 + 3, "the stream grew more than literals allow");
  const auto decoded = ferra::decodeFerraStream(stream);
  fuzz::check(decoded.has_value(), "the decoder refused the encoder's stream");
  fuzz::check(decoded->streamLength == stream.size(), "the end marker is not the stream's last byte");
  fuzz::check(decoded->bytes.size() == input.size() &&
                  std::equal(decoded->bytes.begin(), decoded->bytes.end(), input.begin()),
              "unpacking the stream did not give the input back");
}

void checkArbitraryStream(std::span<const std::uint8_t> bytes) {
  const auto decoded = ferra::decodeFerraStream(bytes);
  if (decoded) {
    fuzz::check(decoded->streamLength <= bytes.size(), "the decoder read past the stream");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  checkRoundTrip(input);
  checkArbitraryStream(input);
  return 0;
}
