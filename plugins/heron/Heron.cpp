// heron: the image as a TI-86 program in editable form (.86p): an "AsmPrgm" line
// followed by lines of hexadecimal digits, two image bytes per line.
#include <array>

#include "plugins/common/HexText.h"
#include "plugins/common/PlainWriter.h"
#include "plugins/common/PluginMessages.h"
#include "plugins/common/WriterExports.h"

namespace {

constexpr const char* DESCRIPTION = "Ti-86 editable hex program (.86p) file";
constexpr std::string_view ABOUT_CAPTION = "About heron.dll";
constexpr std::string_view ABOUT_TEXT =
    "Ti-86 editable hex program (.86p) file export\nVintrel plugin\nWritten by the quarn developers";

// Two image bytes per line, each line ended by the calculator's new-line token.
constexpr calcfile::HexLayout TWO_BYTES_A_LINE{.bytesPerLine = 2, .lineSeparator = 0xD6};
// A zero byte, the "AsmPrgm" token spelled out, and the end of its line.
constexpr std::array<std::uint8_t, 9> ASM_PROGRAM_LINE{0x00, 'A', 's', 'm', 'P', 'r', 'g', 'm',
                                                       TWO_BYTES_A_LINE.lineSeparator};

std::vector<std::uint8_t> programData(std::span<const std::uint8_t> image) {
  return calcfile::variableData({ASM_PROGRAM_LINE, calcfile::hexText(image, TWO_BYTES_A_LINE)});
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
