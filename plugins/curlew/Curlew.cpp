// curlew: the image as a TI-86 assembly program (.86p). quarn's default writer.
#include <array>

#include "plugins/common/PlainWriter.h"
#include "plugins/common/PluginMessages.h"
#include "plugins/common/WriterExports.h"

namespace {

constexpr const char* DESCRIPTION = "Ti-86 program (.86p) file";
constexpr std::string_view ABOUT_CAPTION = "About curlew.dll";
constexpr std::string_view ABOUT_TEXT =
    "Ti-86 program (.86p) file export\nVintrel plugin\nWritten by the quarn developers";

std::vector<std::uint8_t> programData(std::span<const std::uint8_t> image) {
  return calcfile::tokenProgramData(calcfile::TI86_ASM_PROGRAM_MARK, image);
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
