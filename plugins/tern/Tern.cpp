// tern: the image as a TI-82 program laid out for the CrASH shell (.82p).
#include <array>
#include <string>

#include "plugins/common/PlainWriter.h"
#include "plugins/common/PluginMessages.h"
#include "plugins/common/WriterExports.h"

namespace {

constexpr const char* DESCRIPTION = "Ti-82 CrASH program (.82p) file";
constexpr std::string_view ABOUT_CAPTION = "About Tern.dll";
constexpr std::string_view ABOUT_TEXT =
    "Ti-82 CrASH program (.82p) file export\nVintrel plugin\nWritten by the quarn developers";

// CrASH lists only programs whose name starts with this byte.
constexpr std::uint8_t CRASH_NAME_MARK = 0xDC;
// The program prefix by which CrASH recognises an assembly program.
constexpr std::array<std::uint8_t, 3> CRASH_PROGRAM_PREFIX{0xD5, 0x00, 0x11};

// Behind its mark the name keeps 7 characters. CrASH lists the names for the user
// to pick from, so their case does not matter.
constexpr calcfile::NameRules CRASH_NAMES{calcfile::lastComponentName, calcfile::NAME_FIELD_SIZE - 1, true};

calcfile::VariableName crashName(std::string_view basePath) {
  std::string text(1, static_cast<char>(CRASH_NAME_MARK));
  text += calcfile::lastPathComponent(basePath).substr(0, calcfile::NAME_FIELD_SIZE - 1);
  return calcfile::makeVariableName(text);
}

std::vector<std::uint8_t> programData(std::span<const std::uint8_t> image) {
  return calcfile::tokenProgramData(CRASH_PROGRAM_PREFIX, image);
}

constexpr calcfile::PlainWriterFormat FORMAT{
    .family = calcfile::Family::Ti82,
    .extension = ".82p",
    .comment = "CrASH assembly program created with Tellic",
    .typeId = 0x06,
    .nameFor = crashName,
    .names = CRASH_NAMES,
    .variableDataFor = programData,
};

}  // namespace

QUARN_WRITER_EXPORTS(, calcfile::savePlainVariableFile, FORMAT, DESCRIPTION,
                     calcfile::showAbout(ABOUT_CAPTION, ABOUT_TEXT))
