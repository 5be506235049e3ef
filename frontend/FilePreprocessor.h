#pragma once

#include <string>

// The most source files open at once, the main file and its nested includes; the
// next include ends the preprocessor with a file error (FileError).
inline constexpr int MAX_OPEN_SOURCE_FILES = 1024;

class AssemblyJob;
class MacroTable;

// Reads one source file into the job's source buffer: decides its conditional
// blocks, applies its directives, expands its macros and writes its statements.
// Included files are read in place through the job's preprocess.
void preprocessFile(AssemblyJob& job, MacroTable& macros, const std::string& path);
