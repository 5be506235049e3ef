#include "job/OutputGuard.h"

#include "job/AssemblyJob.h"

bool mayWriteOutput(AssemblyJob& job, const std::string& path) {
  if (!job.inputFiles.holds(path)) {
    return true;
  }
  job.console->print("Cannot create file " + path + ": it is an input of this run\n");
  job.raiseStatus(STATUS_ERRORS);
  return false;
}
