#pragma once

#include <string_view>

#include "job/OutputNames.h"

class AssemblyJob;

// Writes one of the assembler's own text outputs in one piece. The file is replaced
// only once everything is written, so a failure (also a full disk halfway through)
// never leaves a truncated file; it is reported on the job's console and fails the job.
// A path that names one of the run's inputs is refused (mayWriteOutput).
// The run's main output, which the summary then names.
void writeTextOutput(AssemblyJob& job, const OutputTarget& target, std::string_view text);
// The same for a file beside it (a listing, a make rule); returns whether it was written.
bool writeTextFile(AssemblyJob& job, const std::string& path, std::string_view text);
