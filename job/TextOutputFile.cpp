#include "job/TextOutputFile.h"

#include <cstdint>
#include <span>

#include "base/AtomicFile.h"
#include "job/AssemblyJob.h"

bool writeTextOutput(AssemblyJob& job, const std::string& path, std::string_view text) {
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (!writeFileAtomically(path, bytes)) {
    job.console->print("Cannot create file " + path + "\n");
    job.status = STATUS_ERRORS;
    return false;
  }
  return true;
}
