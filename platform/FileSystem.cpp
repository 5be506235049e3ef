#include "platform/FileSystem.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {

std::string programDirectory() {
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  if (error) {
    return currentDirectory();
  }
  return executable.parent_path().string();
}

std::string currentDirectory() {
  std::error_code error;
  const fs::path current = fs::current_path(error);
  return error ? std::string(".") : current.string();
}

bool changeDirectory(const std::string& directory) {
  std::error_code error;
  fs::current_path(directory, error);
  return !error;
}

bool fileExists(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  // Devices and pipes are no files to assemble: reading /dev/zero would never end.
  return !error && fs::is_regular_file(status);
}

std::optional<std::uint64_t> fileSize(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  if (error) {
    return std::nullopt;
  }
  return size;
}

std::string absolutePath(const std::string& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

std::string joinPath(const std::string& directory, const std::string& name) {
  if (directory.empty() || (!name.empty() && name.front() == '/')) {
    return name;
  }
  if (directory.back() == '/') {
    return directory + name;
  }
  return directory + "/" + name;
}

std::string pathFrom(const std::string& directory, const std::string& path) {
  if (directory.empty() || path.size() <= directory.size() || path.compare(0, directory.size(), directory) != 0) {
    return path;
  }
  if (directory.back() == '/') {
    return path.substr(directory.size());
  }
  return path[directory.size()] == '/' ? path.substr(directory.size() + 1) : path;
}

std::optional<std::string> createPrivateDirectory(const std::string& parent) {
  std::string pattern = joinPath(parent, ".quarn-XXXXXX");
  if (mkdtemp(pattern.data()) == nullptr) {
    return std::nullopt;
  }
  return pattern;
}

void removeDirectory(const std::string& directory) {
  std::error_code error;
  fs::remove_all(directory, error);
}

bool moveFile(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::rename(from, to, error);
  return !error;
}

std::vector<std::string> fileNamesIn(const std::string& directory) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator entry(directory, error), end; !error && entry != end; entry.increment(error)) {
    if (entry->is_regular_file(error)) {
      names.push_back(entry->path().filename().string());
    }
  }
  return names;
}

std::size_t nameStart(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? 0 : separator + 1;
}

std::string withForwardSlashes(std::string path) {
  std::ranges::replace(path, '\\', '/');
  return path;
}

}  // namespace platform
