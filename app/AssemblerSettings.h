#pragma once

#include <cstdint>
#include <string>

#include "job/RunSettings.h"

// The program's assembler settings. They are fixed defaults: no option, file or
// environment variable changes them. Relative file names are found next to the
// program (see InstallLayout.h), which turns them into the job's RunSettings.
struct AssemblerSettings {
  std::string tableFile = "vozo80.tab";
  std::string includeDir = "./Include";
  std::string pluginName = "curlew.so";
  std::int32_t optionFlags = OPT_CHECK_INDIRECTION | OPT_CASE_INSENSITIVE;
};
