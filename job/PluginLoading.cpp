#include "job/PluginLoading.h"

#include <algorithm>

#include "job/WriterExtensions.h"
#include "platform/FileSystem.h"

namespace {

constexpr std::string_view LEGACY_EXTENSION = ".dll";

bool hasDirectoryPart(const std::string& name) { return platform::nameStart(name) != 0; }

// Candidate paths in search order. A name from the command line with a directory
// part is used as it stands; a bare name is looked up next to the program and then
// in the current directory (the source's). A name set by the source itself is
// only looked up among the installed plug-ins, so assembling a downloaded source
// cannot load an arbitrary library.
std::vector<std::string> candidatePaths(const std::string& fileName, bool fromSource,
                                        const std::vector<std::string>& pluginDirectories) {
  std::vector<std::string> candidates;
  if (hasDirectoryPart(fileName)) {
    if (!fromSource) {
      candidates.push_back(fileName);
    }
    return candidates;
  }
  for (const std::string& directory : pluginDirectories) {
    candidates.push_back(platform::joinPath(directory, fileName));
  }
  if (!fromSource) {
    candidates.push_back(platform::joinPath(platform::currentDirectory(), fileName));
  }
  return candidates;
}


}  // namespace

std::string libraryFileName(const std::string& pluginFile) {
  if (pluginFile.ends_with(LEGACY_EXTENSION)) {
    return pluginFile.substr(0, pluginFile.size() - LEGACY_EXTENSION.size()) + std::string(PLUGIN_LIBRARY_EXTENSION);
  }
  if (pluginFile.find('.', platform::nameStart(pluginFile)) == std::string::npos) {
    return pluginFile + std::string(PLUGIN_LIBRARY_EXTENSION);
  }
  return pluginFile;
}

std::string completePluginName(const std::string& name) {
  if (name.ends_with(PLUGIN_LIBRARY_EXTENSION) || (name.size() >= 4 && name[name.size() - 4] == '.')) {
    return name;
  }
  return name + std::string(PLUGIN_LIBRARY_EXTENSION);
}

std::unique_ptr<platform::SharedLibrary> loadPlugin(const std::string& pluginFile, bool fromSource,
                                                    const std::vector<std::string>& pluginDirectories) {
  for (const std::string& path : candidatePaths(libraryFileName(pluginFile), fromSource, pluginDirectories)) {
    if (platform::fileExists(path)) {
      return platform::SharedLibrary::load(path);
    }
  }
  return nullptr;
}

std::vector<std::string> installedPlugins(const std::vector<std::string>& pluginDirectories) {
  std::vector<std::string> names;
  for (const std::string& directory : pluginDirectories) {
    for (const std::string& fileName : platform::fileNamesIn(directory)) {
      if (fileName.size() > PLUGIN_LIBRARY_EXTENSION.size() && fileName.ends_with(PLUGIN_LIBRARY_EXTENSION)) {
        names.push_back(fileName.substr(0, fileName.size() - PLUGIN_LIBRARY_EXTENSION.size()));
      }
    }
  }
  // The iterator forms: clang 14 cannot build ranges::unique's result with libstdc++ 12.
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}
