// avocet: the image as the characters of a TI-86 string variable (.86s).
#include "plugins/common/PlainWriter.h"
#include "plugins/common/PluginMessages.h"
#include "plugins/common/WriterExports.h"

namespace {

constexpr const char* DESCRIPTION = "Ti-86 string (.86s) file";
// The caption is curlew's: both writers come from the same family and share it.
constexpr std::string_view ABOUT_CAPTION = "About curlew.dll";
constexpr std::string_view ABOUT_TEXT =
    "Ti-86 string (.86s) file export\nVintrel plugin\nWritten by the quarn developers";

constexpr calcfile::PlainWriterFormat FORMAT{
    .family = calcfile::Family::Ti86,
    .extension = ".86s",
    .comment = "Asm program created with Tellic86 v3.1",
    .typeId = 0x0C,
    .nameFor = calcfile::defaultVariableName,
    .names = calcfile::TI86_NAMES,
    .variableDataFor = calcfile::unchangedImageData,
};

}  // namespace

QUARN_WRITER_EXPORTS(, calcfile::savePlainVariableFile, FORMAT, DESCRIPTION,
                     calcfile::showAbout(ABOUT_CAPTION, ABOUT_TEXT))
