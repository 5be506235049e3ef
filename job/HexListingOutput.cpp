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
void appendBytes(std::string& text, OutputImage& image) {
  std::size_t onLine = 0;
  std::uint8_t byte = 0;
  while (image.read(byte) == 1) {
    if (onLine >= BYTES_PER_LINE) {
      text.push_back('\n');
      onLine = 0;
    }
    ++onLine;
    text.push_back(HEX_DIGITS[byte >> 4]);
    text.push_back(HEX_DIGITS[byte & 0x0F]);
    text.push_back(' ');
  }
}

}  // namespace

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
  appendBytes(text, image);
  writeTextOutput(*this, path, text);
}
