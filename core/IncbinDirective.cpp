#include <algorithm>
#include <array>
#include <fstream>
#include <string>

#include "app/AssemblerSettings.h"
#include "app/InstallLayout.h"
#include "core/DirectiveHandlers.h"
#include "core/OperandText.h"
#include "job/FileError.h"
#include "platform/FileSystem.h"

namespace {

constexpr int CANNOT_FIND_FILE = 101;
constexpr int FILENAME_EXPECTED = 111;

// The file name as written: trimmed, and without its double quotes when it has
// them at both ends.
std::string_view writtenName(std::string_view rest) {
  const std::string_view name = trimSpace(rest);
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
    return name.substr(1, name.size() - 2);
  }
  return name;
}

// The file a name refers to: the name itself (relative to the source's
// directory, which is current) when it exists, otherwise the name in the include
// directory. Sources written on other systems may separate with '\'.
std::string incbinPath(std::string_view rest) {
  std::string name(writtenName(rest));
  std::replace(name.begin(), name.end(), '\\', '/');
  if (platform::fileExists(name)) {
    return name;
  }
  return locateDataFile(platform::joinPath(appSettings().includeDir, name));
}

}  // namespace

void passOneIncbin(const DirectiveLine& line) {
  if (!line.rest) {
    line.report(FILENAME_EXPECTED);
    return;
  }
  const std::string path = incbinPath(*line.rest);
  const std::optional<std::uint64_t> size =
      platform::fileExists(path) ? platform::fileSize(path) : std::nullopt;
  if (!size) {
    line.report(CANNOT_FIND_FILE, trimSpace(*line.rest));
    return;
  }
  line.job.inputFiles.record(path);
  line.mark();
  line.countData(*size);
}

// Pass 1 found the file; if it cannot be read now, the image would silently lose
// it, so the pass ends with a file error instead.
void passTwoIncbin(const DirectiveLine& line, OutputImage& image) {
  const std::string path = incbinPath(line.rest.value_or(std::string_view{}));
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    throw FileError("Cannot open file " + path);
  }
  std::array<std::uint8_t, 4096> buffer;
  while (file) {
    file.read(reinterpret_cast<char*>(buffer.data()), buffer.size());
    const auto count = static_cast<std::size_t>(file.gcount());
    line.emit(image, std::span(buffer).first(count));
  }
  if (file.bad()) {
    throw FileError("Cannot read file " + path);
  }
}
