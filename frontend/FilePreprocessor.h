#pragma once

#include <string>

class AssemblyJob;
class MacroTable;

// Reads one source file into the job's source buffer: decides its conditional
// blocks, applies its directives, expands its macros and writes its statements.
// Included files are read in place through the job's preprocess.
void preprocessFile(AssemblyJob& job, MacroTable& macros, const std::string& path);
