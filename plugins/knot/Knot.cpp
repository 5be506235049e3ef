// knot: the image as a TI-83 assembly program (.83p) in the squished form: the
// machine code itself, as the TI-83 shells (Ion and the like) and ZASMLOAD load
// it. The shells know their programs by the header the source begins with, so the
// image is stored unchanged, with no token in front of it. (Send(9prgmNAME) on its
// own runs only the unsquished form, the code written out as hexadecimal text.)
#include "plugins/common/PlainWriter.h"
#include "plugins/common/PluginMessages.h"
#include "plugins/common/WriterExports.h"

namespace {

constexpr const char* DESCRIPTION = "Ti-83 assembly program (.83p) file";
constexpr std::string_view ABOUT_CAPTION = "About knot.so";
constexpr std::string_view ABOUT_TEXT =
    "Ti-83 assembly program (.83p) file export\nVintrel plugin\nWritten by the quarn developers";

constexpr calcfile::PlainWriterFormat FORMAT{
    .family = calcfile::Family::Ti83,
    .extension = ".83p",
    .comment = "TI-83 assembly program created with quarn",
    .typeId = 0x06,  // protected program: the calculator's editor leaves it alone
    .nameFor = calcfile::upperCaseTitleName,
    .names = calcfile::PROGRAM_MENU_NAMES,
    .variableDataFor = calcfile::unchangedImageData,
};

}  // namespace

QUARN_WRITER_EXPORTS(, calcfile::savePlainVariableFile, FORMAT, DESCRIPTION,
                     calcfile::showAbout(ABOUT_CAPTION, ABOUT_TEXT))
