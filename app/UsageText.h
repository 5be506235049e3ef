#pragma once

#include <string_view>

// Printed when the command line is malformed, and first in --help.
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

// --help goes on after the usage text with the options added around the classic
// three, in the same columns.
inline constexpr std::string_view ADDED_OPTIONS_TEXT =
    "\t-o file\t\t\tWrite the output to file (its extension picks the plugin)\n"
    "\t-I dir\t\t\tLook for include files in dir too (repeatable)\n"
    "\t-D name[=value]\t\tDefine name before the first line (1 without value)\n"
    "\t-l\t\t\tAlso write a listing (source.lst)\n"
    "\t-g\t\t\tDiagnostics as file:line: error: text on stderr\n"
    "\t-q\t\t\tNo progress lines\n"
    "\t-M\t\t\tAlso write a make rule of the files read (source.d)\n"
    "\t--help\t\t\tShow this help\n"
    "\t--version\t\tShow the version\n"
    "\n"
    "Values may be attached: -pplover, -oout.8xp, -Iinc, -DDEBUG=2.\n";
