#include <array>
#include <fstream>
#include <string>

#include "core/DirectiveHandlers.h"
#include "core/OperandText.h"
#include "frontend/IncludeResolver.h"
#include "job/FileError.h"
#include "platform/FileSystem.h"

namespace {

// Where a binary file is looked for: the source's folder (current), the include
// folder beside it, then quarn's own include folders.
FileLookup lookUpIncbin(const DirectiveLine& line, std::string_view rest) {
  return lookUpWrittenName(rest, incbinSearchDirectories(line.job.settings()));
}

}  // namespace

void passOneIncbin(const DirectiveLine& line) {
  if (!line.rest) {
    line.report(ERR_FILENAME_EXPECTED);
    return;
  }
  const FileLookup file = lookUpIncbin(line, *line.rest);
  const std::optional<std::uint64_t> size = file.path ? platform::fileSize(*file.path) : std::nullopt;
  if (!file.matches.empty()) {
    line.report(ERR_SEVERAL_FILES_MATCH, describeMatches(trimSpaces(*line.rest), file.matches));
  } else if (!size) {
    line.report(ERR_CANNOT_FIND_FILE, trimSpaces(*line.rest));
  } else {
    line.job.inputFiles.record(*file.path);
    line.job.binaryFiles.push_back(platform::absolutePath(*file.path));
    line.mark();
    line.countData(*size);
  }
}

// Pass 1 found the file; if it cannot be read now, the image would silently lose
// it, so the pass ends with a file error instead.
void passTwoIncbin(const DirectiveLine& line, OutputImage& image) {
  const std::string_view rest = line.rest.value_or(std::string_view{});
  const std::optional<std::string> path = lookUpIncbin(line, rest).path;
  if (!path) {
    throw FileError("Cannot find file " + std::string(trimSpaces(rest)));
  }
  std::ifstream file(*path, std::ios::binary);
  if (!file) {
    throw FileError("Cannot open file " + *path);
  }
  std::array<std::uint8_t, 4096> buffer{};
  while (file) {
    file.read(reinterpret_cast<char*>(buffer.data()), buffer.size());
    const auto count = static_cast<std::size_t>(file.gcount());
    line.emit(image, std::span(buffer).first(count));
  }
  if (file.bad()) {
    throw FileError("Cannot read file " + *path);
  }
}
