#include <string_view>

#include "job/AssemblyJob.h"
#include "job/DependencyRule.h"
#include "job/ListingText.h"
#include "job/OutputNames.h"
#include "job/TextOutputFile.h"
#include "platform/FileSystem.h"

namespace {

// The companion files sit beside the main output and take its name, so they may
// meet a file of the run: a source named prog.lst (which writeTextFile refuses,
// as it refuses every input), or the main output itself named prog.d.
void writeCompanion(AssemblyJob& job, std::string_view extension, std::string_view text) {
  const std::string path = outputPathFor(job.writtenOutput->path, extension);
  if (path == job.writtenOutput->path) {
    job.console->print("Cannot create file " + path + ": it is the main output of this run\n");
    job.raiseStatus(STATUS_ERRORS);
    return;
  }
  writeTextFile(job, path, text);
}

}  // namespace

std::string AssemblyJob::pathForUser(const std::string& path) const {
  return platform::pathFrom(invocationDirectory, path);
}

void AssemblyJob::writeCompanionFiles(std::span<const std::uint8_t> image) {
  if (!writtenOutput) {
    return;
  }
  if (settings().listingWanted) {
    writeCompanion(*this, ".lst", listingText(*this, image));
  }
  if (settings().dependencyFileWanted) {
    writeCompanion(*this, ".d", dependencyRule(*this));
  }
}
