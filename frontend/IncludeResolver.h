#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What looking for a file named in the source found: the file, or, when the name
// matches several files once letter case is ignored, all of them (and no file).
struct FileLookup {
  std::optional<std::string> path;
  std::vector<std::string> matches;
};

// Looks for the file a name written in the source refers to (#INCLUDE, .INCBIN).
// Surrounding white space, then double quotes at both ends, are dropped and '\'
// separators become '/'. The name is looked for as written in each directory in
// turn ("" is the current directory, the main source's, also for names inside
// included files); when it is in none of them, each directory is searched again
// with letter case ignored in every path component, since the sources were often
// written where file names ignore case. The first directory with one match gives
// the file; one with several gives them all. The current directory never changes.
FileLookup lookUpWrittenName(std::string_view text, std::span<const std::string> directories);

// The directories #INCLUDE looks in: the current one, then quarn's include folder.
std::vector<std::string> includeSearchDirectories();

// The text that names the files a name matched: "name (first, second)".
std::string describeMatches(std::string_view writtenName, std::span<const std::string> matches);
