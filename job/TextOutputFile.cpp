#include "job/TextOutputFile.h"

#include <cstdint>
#include <span>

#include "base/AtomicFile.h"
#include "job/AssemblyJob.h"
#include "job/OutputGuard.h"

bool writeTextFile(AssemblyJob& job, const std::string& path, std::string_view text) {
  if (!mayWriteOutput(job, path)) {
    return false;
  }
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (!writeFileAtomically(path, bytes)) {
    job.console->print("Cannot create file " + path + "\n");
    job.raiseStatus(STATUS_ERRORS);
    return false;
  }
  return true;
}

void writeTextOutput(AssemblyJob& job, const OutputTarget& target, std::string_view text) {
  if (writeTextFile(job, target.path, text)) {
    job.writtenOutput = WrittenFile{target.path, target.shownName, text.size()};
  }
}
