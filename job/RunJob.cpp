#include "job/RunJob.h"

#include "platform/FileSystem.h"

JobStatus runJob(JobRequest request) {
  AssemblyJob& job = *request.job;
  job.useSettings(std::move(request.settings));
  job.displayPath = request.sourcePath;
  job.invocationDirectory = platform::currentDirectory();
  // The absolute path is taken before the directory changes, so a relative source
  // path such as sub/prog.asm still names the same file afterwards.
  const std::string sourcePath = platform::absolutePath(platform::withForwardSlashes(request.sourcePath));
  platform::changeDirectory(sourcePath.substr(0, platform::nameStart(sourcePath)));

  int tableLoaded = 0;
  job.guardStage([&] { tableLoaded = job.loadInstructionTable(job.settings().tableFile); });
  if (tableLoaded != 0) {
    job.run(sourcePath);
  } else {
    job.raiseStatus(STATUS_ERRORS);
  }
  job.printSummary();
  return job.status;
}
