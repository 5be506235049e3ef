#pragma once

#include <ctime>
#include <span>
#include <string_view>

#include "job/RunSettings.h"

class MacroTable;

// Defines the names every assembly starts with: the assembler version, the main
// file's name, and the date and time of `now` in the process's locale, each of
// the last four between double quotes.
void defineBuiltinMacros(MacroTable& macros, std::string_view mainFileName, std::time_t now);

// Defines each name in `names` with an empty body. A name starts with a letter or
// "_" and goes on over letters, digits and "_"; anything else separates names.
// Null defines nothing.
void definePredefinedNames(MacroTable& macros, const char* names);

// Defines each name with its value as its body, as "#DEFINE name value" would.
void defineCommandLineNames(MacroTable& macros, std::span<const Predefine> predefines);
