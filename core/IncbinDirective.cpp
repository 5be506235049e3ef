#include <array>
#include <fstream>
#include <string>

#include "app/AssemblerSettings.h"
#include "core/DirectiveHandlers.h"
#include "core/OperandText.h"
#include "frontend/IncludeResolver.h"
#include "job/FileError.h"
#include "platform/FileSystem.h"

namespace {

constexpr int CANNOT_FIND_FILE = 101;
constexpr int SEVERAL_FILES_MATCH = 104;
constexpr int FILENAME_EXPECTED = 111;

// Where a binary file is looked for: the source's folder (current), the include
// folder beside it, then quarn's own include folder.
FileLookup lookUpIncbin(std::string_view rest) {
  std::vector<std::string> directories = includeSearchDirectories();
  directories.insert(directories.begin() + 1, appSettings().includeDir);
  return lookUpWrittenName(rest, directories);
}

}  // namespace

void passOneIncbin(const DirectiveLine& line) {
  if (!line.rest) {
    line.report(FILENAME_EXPECTED);
    return;
  }
  const FileLookup file = lookUpIncbin(*line.rest);
  const std::optional<std::uint64_t> size = file.path ? platform::fileSize(*file.path) : std::nullopt;
  if (!file.matches.empty()) {
    line.report(SEVERAL_FILES_MATCH, describeMatches(trimSpace(*line.rest), file.matches));
  } else if (!size) {
    line.report(CANNOT_FIND_FILE, trimSpace(*line.rest));
  } else {
    line.job.inputFiles.record(*file.path);
    line.mark();
    line.countData(*size);
  }
}

// Pass 1 found the file; if it cannot be read now, the image would silently lose
// it, so the pass ends with a file error instead.
void passTwoIncbin(const DirectiveLine& line, OutputImage& image) {
  const std::string path = lookUpIncbin(line.rest.value_or(std::string_view{})).path.value_or(std::string{});
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
