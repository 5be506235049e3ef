#include <algorithm>
#include <string_view>
#include <vector>

#include "job/AssemblyJob.h"
#include "job/DependencyRule.h"
#include "job/ListingText.h"
#include "job/OutputNames.h"
#include "job/TextOutputFile.h"
#include "platform/FileSystem.h"

namespace {

bool isInputOf(const AssemblyJob& job, const std::string& path) {
  const auto& sources = job.source ? job.source->files() : std::vector<std::string>{};
  return std::ranges::find(sources, path) != sources.end() || std::ranges::find(job.binaryFiles, path) != job.binaryFiles.end();
}

void refuse(AssemblyJob& job, const std::string& path, std::string_view reason) {
  job.console->print("Cannot create file " + path + ": it is " + std::string(reason) + " of this run\n");
  job.status = STATUS_ERRORS;
}

// The companion files sit beside the main output and take its name, so they may
// meet a file of the run: a source named prog.lst, or the output named prog.d.
// Such a file is refused rather than replaced.
void writeCompanion(AssemblyJob& job, std::string_view extension, std::string_view text) {
  const std::string path = outputPathFor(job.writtenFile, extension);
  if (path == job.writtenFile) {
    refuse(job, path, "the main output");
  } else if (isInputOf(job, path)) {
    refuse(job, path, "an input");
  } else {
    writeTextOutput(job, path, text);
  }
}

}  // namespace

std::string AssemblyJob::pathForUser(const std::string& path) const {
  return platform::pathFrom(invocationDirectory, path);
}

void AssemblyJob::writeCompanionFiles(std::span<const std::uint8_t> image) {
  if (writtenFile.empty()) {
    return;
  }
  if (settings().listingWanted) {
    writeCompanion(*this, ".lst", listingText(*this, image));
  }
  if (settings().dependencyFileWanted) {
    writeCompanion(*this, ".d", dependencyRule(*this));
  }
}
