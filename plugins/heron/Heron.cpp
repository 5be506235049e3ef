// heron: the image as a TI-86 program in editable form (.86p): an "AsmPrgm" line
// followed by lines of hexadecimal digits, two image bytes per line.
#include <array>

#include "plugins/common/PlainWriter.h"
#include "plugins/common/PluginMessages.h"
#include "plugins/common/WriterExports.h"

namespace {

constexpr const char* DESCRIPTION = "Ti-86 editable hex program (.86p) file";
constexpr std::string_view ABOUT_CAPTION = "About heron.dll";
constexpr std::string_view ABOUT_TEXT =
    "Ti-86 editable hex program (.86p) file export\nVintrel plugin\nWritten by the quarn developers";

// The calculator's new-line token inside program text.
constexpr std::uint8_t LINE_SEPARATOR = 0xD6;
constexpr std::size_t BYTES_PER_LINE = 2;
constexpr std::string_view HEX_DIGITS = "0123456789ABCDEF";
// A zero byte, the "AsmPrgm" token spelled out, and the end of its line.
constexpr std::array<std::uint8_t, 9> ASM_PROGRAM_LINE{0x00, 'A', 's', 'm', 'P', 'r', 'g', 'm', LINE_SEPARATOR};

std::size_t hexTextSize(std::size_t imageLength) {
  const std::size_t separators = imageLength == 0 ? 0 : (imageLength - 1) / BYTES_PER_LINE;
  return 2 * imageLength + separators;
}

std::vector<std::uint8_t> hexText(std::span<const std::uint8_t> image) {
  std::vector<std::uint8_t> text;
  text.reserve(hexTextSize(image.size()));
  for (std::size_t i = 0; i < image.size(); ++i) {
    if (i != 0 && i % BYTES_PER_LINE == 0) {
      text.push_back(LINE_SEPARATOR);
    }
    text.push_back(static_cast<std::uint8_t>(HEX_DIGITS[image[i] >> 4]));
    text.push_back(static_cast<std::uint8_t>(HEX_DIGITS[image[i] & 0x0F]));
  }
  return text;
}

std::vector<std::uint8_t> programData(std::span<const std::uint8_t> image) {
  return calcfile::variableData({ASM_PROGRAM_LINE, hexText(image)});
}

constexpr calcfile::PlainWriterFormat FORMAT{
    .family = calcfile::Family::Ti86,
    .extension = ".86p",
    .comment = "Asm program created with Tellic86 v3.1",
    .typeId = 0x12,
    .nameFor = calcfile::defaultVariableName,
    .names = calcfile::TI86_NAMES,
    .variableDataFor = programData,
};

}  // namespace

QUARN_WRITER_EXPORTS(, calcfile::savePlainVariableFile, FORMAT, DESCRIPTION,
                     calcfile::showAbout(ABOUT_CAPTION, ABOUT_TEXT))
