#include "app/InstallLayout.h"

#include "platform/FileSystem.h"

std::vector<std::string> dataDirectories() {
  const std::string programDir = platform::programDirectory();
  return {programDir, platform::joinPath(programDir, "../share/quarn")};
}

std::vector<std::string> pluginDirectories() {
  const std::string programDir = platform::programDirectory();
  return {programDir, platform::joinPath(programDir, "../lib/quarn")};
}

std::string locateDataFile(const std::string& name) {
  if (!name.empty() && name.front() == '/') {
    return name;
  }
  const std::vector<std::string> directories = dataDirectories();
  for (const std::string& directory : directories) {
    const std::string candidate = platform::absolutePath(platform::joinPath(directory, name));
    if (platform::fileExists(candidate)) {
      return candidate;
    }
  }
  return platform::absolutePath(platform::joinPath(directories.front(), name));
}
