#pragma once

#include <string>

#include "job/DiagnosticArg.h"

// The code table of the numbered diagnostics: 2 to 4 general, 101 to 124 files and
// preprocessor, 200 to 210 values and expressions, 300 to 316 directives, 400 to 408
// instructions.
bool isWarningCode(int code);
// The message of a code with its argument filled in ("%s" text, "%d" low 16 bits).
std::string diagnosticMessage(int code, const DiagnosticArg& arg);
