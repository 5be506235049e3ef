#include "app/InstallLayout.h"

#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace {

std::vector<std::string> dataDirectories() {
  const std::string programDir = platform::programDirectory();
  return {programDir, platform::joinPath(programDir, "../share/quarn")};
}

std::vector<std::string> pluginDirectories() {
  const std::string programDir = platform::programDirectory();
  return {programDir, platform::joinPath(programDir, "../lib/quarn")};
}

bool isAbsolute(const std::string& name) { return !name.empty() && name.front() == '/'; }

std::string locateDataFile(const std::string& name) {
  if (isAbsolute(name)) {
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

std::vector<std::string> includeDirectories(const std::string& includeDir) {
  if (isAbsolute(includeDir)) {
    return {includeDir};
  }
  std::vector<std::string> directories;
  for (const std::string& directory : dataDirectories()) {
    directories.push_back(platform::joinPath(directory, includeDir));
  }
  return directories;
}

}  // namespace

RunSettings resolveRunSettings(const AssemblerSettings& settings) {
  RunSettings run;
  run.tableFile = locateDataFile(settings.tableFile);
  run.includeDirectories = includeDirectories(settings.includeDir);
  run.includeFolder = settings.includeDir;
  run.pluginDirectories = pluginDirectories();
  run.optionFlags = settings.optionFlags;
  return run;
}
