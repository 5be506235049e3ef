// dorun: the image as a compressed TI-86 assembly program (.86P) without a
// decompressor; the program is unpacked by other means on the calculator. A
// leading no-op and jump are kept uncompressed together with the three bytes
// at the jump's target.
#include <span>
#include <vector>

#include "plugins/common/CompressedProgram.h"
#include "plugins/common/FerraStream.h"
#include "plugins/common/WriterExports.h"

namespace {

constexpr const char* DESCRIPTION = "Dorun's Personal Ferra II";
constexpr std::uint8_t NOP = 0x00;
constexpr std::uint8_t JP = 0xC3;
constexpr std::size_t JUMP_LENGTH = 4;
constexpr std::size_t KEPT_AT_TARGET = 3;

// A target so low that the kept bytes would start before the image, or so high
// that they would run past its end, keeps nothing.
std::size_t uncompressedPrefixLength(std::span<const std::uint8_t> image) {
  if (image.size() < JUMP_LENGTH || image[0] != NOP || image[1] != JP) {
    return 0;
  }
  const std::uint32_t target = image[2] + 256U * image[3];
  const std::uint32_t end = target + KEPT_AT_TARGET;
  if (end < ferra::LOAD_ADDRESS || end - ferra::LOAD_ADDRESS > image.size()) {
    return 0;
  }
  return end - ferra::LOAD_ADDRESS;
}

std::vector<std::uint8_t> programBody(std::span<const std::uint8_t> image) {
  const std::size_t prefixLength = uncompressedPrefixLength(image);
  std::vector<std::uint8_t> body(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(prefixLength));
  const std::vector<std::uint8_t> stream = ferra::encodeFerraStream(image.subspan(prefixLength));
  body.insert(body.end(), stream.begin(), stream.end());
  return body;
}

constexpr ferra::CompressedProgramFormat FORMAT{
    .caption = DESCRIPTION,
    .programBodyFor = programBody,
};

}  // namespace

QUARN_WRITER_EXPORTS(, ferra::saveCompressedProgram, FORMAT, DESCRIPTION, ferra::showCompressedProgramAbout())
