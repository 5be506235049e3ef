#include "job/TextOutputFile.h"

#include <cstdint>
#include <span>

#include "base/AtomicFile.h"
#include "job/AssemblyJob.h"
#include "job/OutputGuard.h"

void writeTextOutput(AssemblyJob& job, const OutputTarget& target, std::string_view text) {
  if (!mayWriteOutput(job, target.path)) {
    return;
  }
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (!writeFileAtomically(target.path, bytes)) {
    job.console->print("Cannot create file " + target.path + "\n");
    job.raiseStatus(STATUS_ERRORS);
    return;
  }
  job.writtenOutput = WrittenFile{target.shownName, text.size()};
}
