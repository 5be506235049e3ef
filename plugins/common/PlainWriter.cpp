#include "plugins/common/PlainWriter.h"

#include <algorithm>
#include <exception>
#include <limits>
#include <string>

#include "base/AtomicFile.h"
#include "job/PluginInterface.h"

namespace calcfile {
namespace {

// No family holds more variable data than a 16-bit length field counts, so a larger
// image is refused before any memory is spent on it.
constexpr std::uint32_t MAX_IMAGE_LENGTH = std::numeric_limits<std::uint16_t>::max();

bool writeVariableFile(const PlainWriterFormat& format, std::span<const std::uint8_t> image,
                       std::string_view basePath, const std::string& path) {
  const std::vector<std::uint8_t> data = format.variableDataFor(image);
  const auto file = buildVariableFile({format.family, format.comment, format.typeId, format.nameFor(basePath), data});
  return file && writeFileAtomically(path, *file);
}

}  // namespace

std::vector<std::uint8_t> unchangedImageData(std::span<const std::uint8_t> image) {
  return variableData({image});
}

int savePlainVariableFile(const PlainWriterFormat& format, const unsigned char* image, std::uint32_t length,
                          const char* basePath, char* extensionOut) noexcept {
  if (basePath == nullptr || (image == nullptr && length != 0) || length > MAX_IMAGE_LENGTH) {
    return 0;
  }
  try {
    const std::string path = std::string(basePath) + std::string(format.extension);
    if (!writeVariableFile(format, std::span(image, length), basePath, path)) {
      return 0;
    }
    warnAboutName(format.names, basePath, path);
  } catch (const std::exception&) {
    // Out of memory or a file system error: nothing may escape into the host.
    return 0;
  }
  reportExtension(format.extension, extensionOut);
  return 1;
}

void reportExtension(std::string_view extension, char* extensionOut) {
  if (extensionOut == nullptr) {
    return;
  }
  const std::string_view fitted = extension.substr(0, PLUGIN_EXTENSION_SIZE - 1);
  std::fill_n(std::copy(fitted.begin(), fitted.end(), extensionOut),
              PLUGIN_EXTENSION_SIZE - static_cast<int>(fitted.size()), '\0');
}

}  // namespace calcfile
