// dunlin: the image as a TI-73 assembly program (.73p). The TI-73's shells find
// their programs among the protected programs by the header the source begins
// with, so the image is stored unchanged.
#include "plugins/common/PlainWriter.h"
#include "plugins/common/PluginMessages.h"
#include "plugins/common/WriterExports.h"

namespace {

constexpr const char* DESCRIPTION = "Ti-73 assembly program (.73p) file";
constexpr std::string_view ABOUT_CAPTION = "About dunlin.so";
constexpr std::string_view ABOUT_TEXT =
    "Ti-73 assembly program (.73p) file export\nVintrel plugin\nWritten by the quarn developers";

constexpr calcfile::PlainWriterFormat FORMAT{
    .family = calcfile::Family::Ti73,
    .extension = ".73p",
    .comment = "TI-73 assembly program created with quarn",
    .typeId = 0x06,  // protected program: the calculator's editor leaves it alone
    .nameFor = calcfile::upperCaseTitleName,
    .names = calcfile::PROGRAM_MENU_NAMES,
    .variableDataFor = calcfile::unchangedImageData,
};

}  // namespace

QUARN_WRITER_EXPORTS(, calcfile::savePlainVariableFile, FORMAT, DESCRIPTION,
                     calcfile::showAbout(ABOUT_CAPTION, ABOUT_TEXT))
