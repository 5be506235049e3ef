#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::int32_t OPT_CHECK_INDIRECTION = 1;  // pass 2 warns about "(expr)" operands
inline constexpr std::int32_t OPT_CASE_INSENSITIVE = 2;   // symbol names are folded to upper case

// What a run takes from the program that starts it: the program's settings, with
// the names of the files quarn ships with already resolved to where they were
// found. The job holds them unchanged for the whole run.
struct RunSettings {
  std::string tableFile;
  // Where #INCLUDE and .INCBIN look, in order, for a name that the source's own
  // folder does not hold.
  std::vector<std::string> includeDirectories;
  // The include folder's name as set; .INCBIN also looks for it beside the source.
  std::string includeFolder;
  // Where a plug-in named without a folder is looked for, in order.
  std::vector<std::string> pluginDirectories;
  std::int32_t optionFlags = OPT_CHECK_INDIRECTION | OPT_CASE_INSENSITIVE;
};
