#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "job/AssemblyJob.h"
#include "job/OutputNames.h"
#include "job/TextOutputFile.h"
#include "platform/FileSystem.h"

namespace {

constexpr std::size_t BYTES_PER_LINE = 4;
constexpr std::size_t CHARS_PER_BYTE = 3;  // two hex digits and a blank

// Every byte value as it is listed: its two hex digits, the blank and a line end.
// Writing a whole entry is one copy of four characters; the next entry
// overwrites the line end unless a line ends there.
using ListedByte = std::array<char, CHARS_PER_BYTE + 1>;

constexpr std::array<ListedByte, 256> makeListedBytes() {
  constexpr char HEX_DIGITS[] = "0123456789ABCDEF";
  std::array<ListedByte, 256> entries{};
  for (std::size_t byte = 0; byte < entries.size(); ++byte) {
    entries[byte] = {HEX_DIGITS[byte >> 4], HEX_DIGITS[byte & 0x0F], ' ', '\n'};
  }
  return entries;
}

constexpr std::array<ListedByte, 256> LISTED_BYTES = makeListedBytes();

// Every byte is "XX " and a line ends before the fifth, ninth ... byte, so the last
// line keeps its trailing blank and has no line end.
std::size_t listedLength(std::size_t byteCount) {
  return byteCount == 0 ? 0 : byteCount * CHARS_PER_BYTE + (byteCount - 1) / BYTES_PER_LINE;
}

// `out` has room for listedLength(bytes.size()) characters and one more, which the
// last entry's line end may take. A full line is four entries side by side, the
// last one keeping its line end.
void writeBytes(char* out, std::span<const std::uint8_t> bytes) {
  constexpr std::size_t LINE_LENGTH = BYTES_PER_LINE * CHARS_PER_BYTE + 1;
  std::size_t i = 0;
  for (; i + BYTES_PER_LINE <= bytes.size(); i += BYTES_PER_LINE) {
    for (std::size_t k = 0; k < BYTES_PER_LINE; ++k) {
      std::memcpy(out + k * CHARS_PER_BYTE, LISTED_BYTES[bytes[i + k]].data(), sizeof(ListedByte));
    }
    out += LINE_LENGTH;
  }
  for (; i < bytes.size(); ++i) {
    std::memcpy(out, LISTED_BYTES[bytes[i]].data(), sizeof(ListedByte));
    out += CHARS_PER_BYTE;
  }
}

}  // namespace

HexListingJob::HexListingJob(std::int32_t optionFlags, const char* predefinedNames)
    : ImageJob(optionFlags, predefinedNames) {
  keepsExportSymbols = false;
}

void HexListingJob::writeOutput(const std::string& sourcePath, OutputImage& image) {
  const OutputTarget target = mainOutputTarget(*this, sourcePath, ".txt");
  const std::string& path = target.path;
  // The byte counts are those pass 1 computed, not the image's length.
  const std::int64_t total = std::int64_t{codeBytes} + dataBytes;
  const std::string header =
      path.substr(platform::nameStart(path)) + " - Hex Listing\n" + std::to_string(total) + " bytes total\n\n";
  const std::span<const std::uint8_t> bytes = image.readRest();
  // Every character of the listing is written below, so the buffer starts
  // uninitialised; it holds one more for writeBytes.
  const std::size_t length = header.size() + listedLength(bytes.size());
  const auto text = std::make_unique_for_overwrite<char[]>(length + 1);
  writeBytes(std::copy(header.begin(), header.end(), text.get()), bytes);
  writeTextOutput(*this, target, {text.get(), length});
}
