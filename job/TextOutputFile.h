#pragma once

#include <string>
#include <string_view>

class AssemblyJob;

// Writes one of the assembler's own text outputs in one piece. The file is replaced
// only once everything is written, so a failure (also a full disk halfway through)
// never leaves a truncated file; it is reported on the job's console and fails the job.
// A path that names one of the run's inputs is refused (mayWriteOutput). Returns
// whether the file was written.
bool writeTextOutput(AssemblyJob& job, const std::string& path, std::string_view text);
