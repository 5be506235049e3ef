#pragma once

#include <cstdint>
#include <string>

inline constexpr std::int32_t OPT_CHECK_INDIRECTION = 1;  // pass 2 warns about "(expr)" operands
inline constexpr std::int32_t OPT_CASE_INSENSITIVE = 2;   // symbol names are folded to upper case

// The process-wide assembler settings. They are fixed defaults: no option, file
// or environment variable changes them (tests may, to point at their own files).
struct AssemblerSettings {
  std::string tableFile = "vozo80.tab";  // relative names are found next to the program
  std::string includeDir = "./Include";  // relative names are found next to the program
  std::string pluginName = "curlew.so";
  std::int32_t optionFlags = OPT_CHECK_INDIRECTION | OPT_CASE_INSENSITIVE;
};

// The settings of the running program, held by the application object.
AssemblerSettings& appSettings();
