// stint: the image as a TI-85 string (.85s) in the form the TI-85 shells load.
// The TI-85 has no way to run machine code of its own; ZShell, and Usgard in its
// ZShell mode, run strings that start with the ZShell program mark. The image is
// assembled at address 0 and begins with the program's title, a zero-terminated
// text; the shell wants that title's length in front of it and a one-byte sum
// behind the program, by which it tells a damaged program from a good one.
#include <algorithm>
#include <array>
#include <numeric>

#include "plugins/common/PlainWriter.h"
#include "plugins/common/PluginMessages.h"
#include "plugins/common/WriterExports.h"

namespace {

constexpr const char* DESCRIPTION = "Ti-85 ZShell string (.85s) file";
constexpr std::string_view ABOUT_CAPTION = "About stint.so";
constexpr std::string_view ABOUT_TEXT =
    "Ti-85 ZShell string (.85s) file export\nVintrel plugin\nWritten by the quarn developers";

// What the shells look for at the start of a string to list it as a program.
constexpr std::array<std::uint8_t, 2> ZSHELL_PROGRAM_MARK{0x00, 0xFD};
constexpr std::size_t MAX_TITLE_LENGTH = 255;

// The characters before the title's terminating zero; a title longer than a
// byte counts is cut at what the byte holds.
std::uint8_t titleLength(std::span<const std::uint8_t> image) {
  const auto end = std::find(image.begin(), image.end(), std::uint8_t{0});
  return static_cast<std::uint8_t>(std::min<std::size_t>(static_cast<std::size_t>(end - image.begin()),
                                                         MAX_TITLE_LENGTH));
}

// The sum the shell checks: the title length and every image byte, modulo 256.
std::uint8_t programSum(std::uint8_t title, std::span<const std::uint8_t> image) {
  return static_cast<std::uint8_t>(std::accumulate(image.begin(), image.end(), unsigned{title}));
}

std::vector<std::uint8_t> stringData(std::span<const std::uint8_t> image) {
  const std::array<std::uint8_t, 1> title{titleLength(image)};
  const std::array<std::uint8_t, 1> sum{programSum(title[0], image)};
  return calcfile::variableData({ZSHELL_PROGRAM_MARK, title, image, sum});
}

constexpr calcfile::PlainWriterFormat FORMAT{
    .family = calcfile::Family::Ti85,
    .extension = ".85s",
    .comment = "ZShell string created with quarn",
    .typeId = 0x0C,  // string
    .nameFor = calcfile::defaultVariableName,
    .names = calcfile::TI86_NAMES,  // the TI-85 names variables as the TI-86 does
    .variableDataFor = stringData,
};

}  // namespace

QUARN_WRITER_EXPORTS(, calcfile::savePlainVariableFile, FORMAT, DESCRIPTION,
                     calcfile::showAbout(ABOUT_CAPTION, ABOUT_TEXT))
