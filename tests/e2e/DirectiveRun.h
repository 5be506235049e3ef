#pragma once

#include <string>
#include <string_view>

#include "tests/support/RunQuarn.h"
#include "tests/support/TempDir.h"

// One source assembled by the built program in a directory of its own.
struct AssembledSource {
  QuarnRun run;
  std::string bytes;        // the hex listing's bytes on one line ("01 02"), empty when none was written
  std::string diagnostics;  // the numbered lines of the console output
};

// Writes prog.asm into dir and runs "quarn -h prog.asm" there.
AssembledSource assembleHex(const TempDir& dir, std::string_view source);
// Writes prog.asm into dir and runs "quarn -s prog.asm"; the symbol file, or empty.
std::string assembleSymbols(const TempDir& dir, std::string_view source);
