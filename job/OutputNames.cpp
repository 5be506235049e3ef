#include "job/OutputNames.h"

#include "job/AssemblyJob.h"

#include "platform/FileSystem.h"

std::string basePathOf(const std::string& sourcePath) {
  const std::size_t dot = sourcePath.find_last_of('.');
  if (dot == std::string::npos || dot < platform::nameStart(sourcePath)) {
    return sourcePath;
  }
  return sourcePath.substr(0, dot);
}

std::string outputPathFor(const std::string& sourcePath, std::string_view extension) {
  return basePathOf(sourcePath) + std::string(extension);
}

OutputTarget mainOutputTarget(const AssemblyJob& job, const std::string& sourcePath, std::string_view extension) {
  if (!job.settings().outputPath.empty()) {
    return {job.settings().outputPath, job.settings().outputName};
  }
  return {outputPathFor(sourcePath, extension), outputPathFor(job.displayPath, extension)};
}
