#include <cstdint>
#include <string>

#include "job/AssemblyJob.h"
#include "job/OutputNames.h"
#include "job/TextOutputFile.h"
#include "platform/FileSystem.h"

namespace {

constexpr std::size_t BYTES_PER_LINE = 4;
constexpr char HEX_DIGITS[] = "0123456789ABCDEF";

// Every byte is "XX " and a line ends before the fifth, ninth ... byte, so the last
// line keeps its trailing blank and has no line end.
void appendBytes(std::string& text, std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) {
    return;
  }
  const std::size_t start = text.size();
  text.resize(start + bytes.size() * 3 + (bytes.size() - 1) / BYTES_PER_LINE);
  char* out = text.data() + start;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0 && i % BYTES_PER_LINE == 0) {
      *out++ = '\n';
    }
    *out++ = HEX_DIGITS[bytes[i] >> 4];
    *out++ = HEX_DIGITS[bytes[i] & 0x0F];
    *out++ = ' ';
  }
}

}  // namespace

HexListingJob::HexListingJob(std::int32_t optionFlags, const char* predefinedNames)
    : ImageJob(optionFlags, predefinedNames) {
  keepsExportSymbols = false;
}

void HexListingJob::writeOutput(const std::string& sourcePath, OutputImage& image) {
  const std::string path = outputPathFor(sourcePath, ".txt");
  // The byte counts are those pass 1 computed, not the image's length.
  const std::int64_t total = std::int64_t{codeBytes} + dataBytes;
  std::string text;
  text.reserve(image.length() * 3 + image.length() / BYTES_PER_LINE + path.size() + 64);
  text.append(path, platform::nameStart(path));
  text.append(" - Hex Listing\n");
  text.append(std::to_string(total));
  text.append(" bytes total\n\n");
  appendBytes(text, image.readRest());
  writeTextOutput(*this, path, text);
}
