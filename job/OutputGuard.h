#pragma once

#include <string>

class AssemblyJob;

// Every output asks this before it writes its file. A path that names one of the
// run's own inputs (by identity, so links and other spellings count as well) is
// refused: the console says which file and why, the job fails with
// STATUS_ERRORS, and the caller writes nothing. Returns whether to write.
bool mayWriteOutput(AssemblyJob& job, const std::string& path);
