#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct RunSettings;

// What looking for a file named in the source found: the file, or, when the name
// matches several files once letter case is ignored, all of them (and no file).
struct FileLookup {
  std::optional<std::string> path;
  std::vector<std::string> matches;
};

// Finds the file a name written in the source refers to, for #INCLUDE and
// .INCBIN alike. Surrounding white space, then double quotes at both ends, are
// dropped and '\' separators become '/'. The name is looked for as written in
// each directory in turn ("" is the current directory, the main source's, also
// for names inside included files; a file found elsewhere gets an absolute path);
// when it is in none of them, each directory is searched again with letter case
// ignored in every path component, since the sources were often written where
// file names ignore case. The first directory with one match gives the file; one
// with several gives them all. An empty name finds nothing. The current
// directory never changes.
FileLookup lookUpWrittenName(std::string_view text, std::span<const std::string> directories);

// Where #INCLUDE looks: the current directory, then the include directories.
std::vector<std::string> includeSearchDirectories(const RunSettings& settings);

// Where .INCBIN looks: as #INCLUDE, but with the include folder beside the source
// (taken relative to the current directory) searched right after the current one.
std::vector<std::string> incbinSearchDirectories(const RunSettings& settings);

// The text that names the files a name matched: "name (first, second)".
std::string describeMatches(std::string_view writtenName, std::span<const std::string> matches);
