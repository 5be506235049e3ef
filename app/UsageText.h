#pragma once

#include <string_view>

// Printed when the command line is malformed.
inline constexpr std::string_view USAGE_TEXT =
    "quarn Z80 cross-assembler for TI graphing calculators, by the quarn developers\n"
    "Based on the Vintrel 4.0 compiler and its author's work\n"
    "\n"
    "Syntax:\tquarn [options] source.asm\n"
    "\n"
    "Options:\n"
    "\t-p plugin\t\tCompile with specific plugin\n"
    "\t-s\t\t\tOutput symbol table\n"
    "\t-h\t\t\tHex output\n";
