#include "plugins/common/CompressedProgram.h"

#include <exception>
#include <string>

#include "base/AtomicFile.h"
#include "plugins/common/NameCheck.h"
#include "plugins/common/PlainWriter.h"
#include "plugins/common/PluginMessages.h"
#include "plugins/common/VariableFile.h"

namespace ferra {
namespace {

constexpr std::string_view EXTENSION = ".86P";
constexpr std::string_view COMMENT = "Ferra II compressed with Tellic86 v3.1";
constexpr std::uint8_t PROGRAM_TYPE_ID = 0x12;
constexpr std::string_view ABOUT_CAPTION = "About ferra.dll";
constexpr std::string_view ABOUT_TEXT =
    "Ferra II compressed program export\nVintrel plugin\nWritten by the quarn developers";
constexpr std::string_view OPEN_FAILED = "Unable to open output file.";
constexpr std::string_view TOO_LARGE = "The program is too large for a TI-86 variable file.";

enum class Outcome { Written, TooLarge, WriteFailed };

Outcome writeProgramFile(const CompressedProgramFormat& format, std::span<const std::uint8_t> image,
                         std::string_view basePath, const std::string& path) {
  // The body is unpacked to the address after the mark, so a mark the source wrote
  // itself is left out of it.
  const std::vector<std::uint8_t> body =
      format.programBodyFor(calcfile::withoutLeadingToken(calcfile::TI86_ASM_PROGRAM_MARK, image));
  const std::vector<std::uint8_t> data = calcfile::variableData({calcfile::TI86_ASM_PROGRAM_MARK, body});
  const auto file = calcfile::buildVariableFile(
      {calcfile::Family::Ti86, COMMENT, PROGRAM_TYPE_ID, calcfile::defaultVariableName(basePath), data});
  if (!file) {
    return Outcome::TooLarge;
  }
  return writeFileAtomically(path, *file) ? Outcome::Written : Outcome::WriteFailed;
}

}  // namespace

int saveCompressedProgram(const CompressedProgramFormat& format, const unsigned char* image, std::uint32_t length,
                          const char* basePath, char* extensionOut) noexcept {
  calcfile::reportExtension(EXTENSION, extensionOut);
  if (basePath == nullptr || (image == nullptr && length != 0)) {
    return 0;
  }
  try {
    const std::string path = std::string(basePath) + std::string(EXTENSION);
    switch (writeProgramFile(format, std::span(image, length), basePath, path)) {
      case Outcome::Written:
        calcfile::warnAboutName(calcfile::TI86_NAMES, basePath, path);
        return 1;
      case Outcome::TooLarge:
        calcfile::showError(format.caption, TOO_LARGE);
        return 0;
      case Outcome::WriteFailed:
        calcfile::showError(format.caption, OPEN_FAILED);
        return 0;
    }
  } catch (const std::exception&) {
    // Out of memory or a file system error: nothing may escape into the host.
  }
  return 0;
}

int showCompressedProgramAbout() {
  return calcfile::showAbout(ABOUT_CAPTION, ABOUT_TEXT);
}

}  // namespace ferra
