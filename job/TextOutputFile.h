#pragma once

#include <string_view>

#include "job/OutputNames.h"

class AssemblyJob;

// Writes one of the assembler's own text outputs in one piece. The file is replaced
// only once everything is written, so a failure (also a full disk halfway through)
// never leaves a truncated file; it is reported on the job's console and fails the job.
// A path that names one of the run's inputs is refused (mayWriteOutput).
void writeTextOutput(AssemblyJob& job, const OutputTarget& target, std::string_view text);
