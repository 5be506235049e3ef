// knot: the image as a TI-83 assembly program (.83p). The TI-83 runs machine code
// in two forms, and knot writes the one the program is made for:
// - the code written out as hexadecimal text, followed by the lines End, 0000 and
//   End: what Send(9prgmNAME runs on a calculator with nothing else installed;
// - the squished form, the code itself, for programs that run from a shell such as
//   Ion. The shell finds its programs by their first bytes, which it reads as code,
//   and a program that begins with ret does nothing when the OS runs it.
#include <array>

#include "plugins/common/HexText.h"
#include "plugins/common/PlainWriter.h"
#include "plugins/common/PluginMessages.h"
#include "plugins/common/WriterExports.h"

namespace {

constexpr const char* DESCRIPTION = "Ti-83 assembly program (.83p) file";
constexpr std::string_view ABOUT_CAPTION = "About knot.so";
constexpr std::string_view ABOUT_TEXT =
    "Ti-83 assembly program (.83p) file export\nVintrel plugin\nWritten by the quarn developers";

constexpr std::uint8_t OPCODE_RET = 0xC9;
constexpr std::uint8_t OPCODE_XOR_A = 0xAF;
constexpr std::uint8_t OPCODE_JR_NC = 0x30;

// The program editor's new-line and End tokens around the "0000" line that closes
// the hexadecimal text.
constexpr std::uint8_t TOKEN_NEW_LINE = 0x3F;
constexpr std::uint8_t TOKEN_END = 0xD4;
constexpr std::array<std::uint8_t, 9> HEX_PROGRAM_END{TOKEN_NEW_LINE, TOKEN_END, TOKEN_NEW_LINE, '0', '0', '0', '0',
                                                      TOKEN_NEW_LINE, TOKEN_END};

// ret first (a shell-only program, an Ion program using Ion's routines, an Ion
// module), or Ion's header for a program that uses none: xor a, then jr nc.
bool isShellProgram(std::span<const std::uint8_t> image) {
  return (!image.empty() && image[0] == OPCODE_RET) ||
         (image.size() >= 2 && image[0] == OPCODE_XOR_A && image[1] == OPCODE_JR_NC);
}

std::vector<std::uint8_t> programData(std::span<const std::uint8_t> image) {
  if (isShellProgram(image)) {
    return calcfile::unchangedImageData(image);
  }
  return calcfile::variableData({calcfile::hexText(image, calcfile::ONE_LINE), HEX_PROGRAM_END});
}

constexpr calcfile::PlainWriterFormat FORMAT{
    .family = calcfile::Family::Ti83,
    .extension = ".83p",
    .comment = "TI-83 assembly program created with quarn",
    .typeId = 0x06,  // protected program: the calculator's editor leaves it alone
    .nameFor = calcfile::upperCaseTitleName,
    .names = calcfile::PROGRAM_MENU_NAMES,
    .variableDataFor = programData,
};

}  // namespace

QUARN_WRITER_EXPORTS(, calcfile::savePlainVariableFile, FORMAT, DESCRIPTION,
                     calcfile::showAbout(ABOUT_CAPTION, ABOUT_TEXT))
