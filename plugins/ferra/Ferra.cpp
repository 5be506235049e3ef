// ferra: the image as a self-unpacking TI-86 assembly program (.86P). The image's
// leading jump is kept, and where it lands a decompressor stub unpacks the
// compressed rest of the program over itself.
#include <span>
#include <vector>

#include "plugins/common/CompressedProgram.h"
#include "plugins/common/FerraStream.h"
#include "plugins/common/WriterExports.h"
#include "plugins/ferra/DecompressorStub.h"
#include "plugins/ferra/EntryAddress.h"

namespace {

constexpr const char* DESCRIPTION = "Ferra II compressed program (.86p) file";

std::vector<std::uint8_t> programBody(std::span<const std::uint8_t> image) {
  const std::size_t prefixLength = ferra::uncompressedPrefixLength(image);
  const auto prefix = image.first(prefixLength);
  const std::vector<std::uint8_t> stream = ferra::encodeFerraStream(image.subspan(prefixLength));
  const auto stub = ferra::decompressorStub(ferra::LOAD_ADDRESS + prefixLength, stream.size());

  std::vector<std::uint8_t> body;
  body.reserve(prefix.size() + stub.size() + stream.size());
  body.insert(body.end(), prefix.begin(), prefix.end());
  body.insert(body.end(), stub.begin(), stub.end());
  body.insert(body.end(), stream.begin(), stream.end());
  return body;
}

constexpr ferra::CompressedProgramFormat FORMAT{
    .caption = DESCRIPTION,
    .programBodyFor = programBody,
};

}  // namespace

QUARN_WRITER_EXPORTS(, ferra::saveCompressedProgram, FORMAT, DESCRIPTION, ferra::showCompressedProgramAbout())
