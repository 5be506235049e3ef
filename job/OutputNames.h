#pragma once

#include <string>
#include <string_view>

class AssemblyJob;

// The source path without its extension. Only a '.' in the last path component
// counts, so a dot in a directory name never moves the output out of its folder.
std::string basePathOf(const std::string& sourcePath);
// The source path with its extension replaced by `extension` (which starts with '.').
std::string outputPathFor(const std::string& sourcePath, std::string_view extension);

// Where the main output of a run goes, and how the user sees that file.
struct OutputTarget {
  std::string path;       // absolute
  std::string shownName;  // as the user would open it from where quarn was started
};

// The -o file when the user named one, else the source's name with `extension`.
OutputTarget mainOutputTarget(const AssemblyJob& job, const std::string& sourcePath, std::string_view extension);
