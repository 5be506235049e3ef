#include "job/TextOutputFile.h"

#include <cstdint>
#include <span>

#include "job/AssemblyJob.h"
#include "job/OutputGuard.h"
#include "plugins/common/AtomicFile.h"

void writeTextOutput(AssemblyJob& job, const std::string& path, std::string_view text) {
  if (!mayWriteOutput(job, path)) {
    return;
  }
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (!calcfile::writeFileAtomically(path, bytes)) {
    job.console->print("Cannot create file " + path + "\n");
    job.status = STATUS_ERRORS;
  }
}
