#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The file and directory services quarn needs from the operating system.
namespace platform {

// The directory that holds the running executable, without a trailing separator.
std::string programDirectory();
std::string currentDirectory();
// Returns false when the directory cannot be made current.
bool changeDirectory(const std::string& directory);

// True when the name denotes a regular file (directly or through links); asks
// for the file's status without opening it.
bool fileExists(const std::string& path);
std::optional<std::uint64_t> fileSize(const std::string& path);
// The absolute, lexically normalised form of path (relative to the current directory).
std::string absolutePath(const std::string& path);
// Joins a directory and a name with '/'; an absolute name stands alone.
std::string joinPath(const std::string& directory, const std::string& name);

// The path as seen from directory: relative when it lies inside directory, else
// as it stands, so that it still names the same file from there.
std::string pathFrom(const std::string& directory, const std::string& path);
// A new folder inside `parent` under a name no other file has, readable by this
// user only; nullopt when it cannot be made.
std::optional<std::string> createPrivateDirectory(const std::string& parent);
// Removes the folder and everything in it; what cannot be removed stays.
void removeDirectory(const std::string& directory);
// Renames a file onto `to` in one step, replacing a file of that name; false when
// it cannot (for example across file systems).
bool moveFile(const std::string& from, const std::string& to);
// The names of the regular files in a folder, in no particular order; empty when
// the folder cannot be read.
std::vector<std::string> fileNamesIn(const std::string& directory);

// Position just after the last '/' or '\' of path (0 when there is none).
std::size_t nameStart(const std::string& path);

// The path with every '\' turned into '/': sources and command lines written on
// Windows separate folders with '\'.
std::string withForwardSlashes(std::string path);

}  // namespace platform
