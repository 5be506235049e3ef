#pragma once

#include <string>
#include <string_view>

// The source path without its extension. Only a '.' in the last path component
// counts, so a dot in a directory name never moves the output out of its folder.
std::string basePathOf(const std::string& sourcePath);
// The source path with its extension replaced by `extension` (which starts with '.').
std::string outputPathFor(const std::string& sourcePath, std::string_view extension);
