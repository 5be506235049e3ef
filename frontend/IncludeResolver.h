#pragma once

#include <optional>
#include <string>
#include <string_view>

struct ResolvedInclude {
  std::string nameToOpen;
  std::string fullPath;  // absolute; the file's identity in the source buffer's file list
};

// Finds the file an #INCLUDE names: first relative to the current directory (the
// main source's directory, also for includes inside included files), then in the
// include directory of the settings. Surrounding double quotes are dropped and '\'
// separators become '/'. The current directory never changes.
std::optional<ResolvedInclude> resolveInclude(std::string_view text);
