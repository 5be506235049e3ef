#pragma once

#include <memory>
#include <string>

#include "job/AssemblyJob.h"

// One run of the assembler: the job of the selected variant, its source and the
// settings it runs under.
struct JobRequest {
  std::unique_ptr<AssemblyJob> job;
  std::string sourcePath;  // as the user gave it
  RunSettings settings;
};

// Hands the settings to the job, loads the instruction table, runs the job and
// prints its summary. Returns the
// job's final status. A failed table load counts as STATUS_ERRORS: nothing was
// assembled.
JobStatus runJob(JobRequest request);
