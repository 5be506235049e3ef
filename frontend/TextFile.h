#pragma once

#include <optional>
#include <string>

// The whole text of a file, read in large blocks, with every CR LF pair read as a
// single line feed, so that files written on Windows read the same. Nothing when
// the name is no regular file or cannot be opened; a file that opens but cannot
// be read throws FileError.
std::optional<std::string> readTextFile(const std::string& path);
