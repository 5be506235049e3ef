#include "frontend/IncludeResolver.h"

#include <algorithm>

#include "app/AssemblerSettings.h"
#include "app/InstallLayout.h"
#include "frontend/TextScan.h"
#include "platform/FileNameCase.h"
#include "platform/FileSystem.h"

namespace {

std::string_view withoutQuotes(std::string_view name) {
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
    return name.substr(1, name.size() - 2);
  }
  return name;
}

std::optional<std::string> findAsWritten(const std::string& name, std::span<const std::string> directories) {
  for (const std::string& directory : directories) {
    std::string path = platform::joinPath(directory, name);
    if (platform::fileExists(path)) {
      return path;
    }
  }
  return std::nullopt;
}

FileLookup findIgnoringCase(const std::string& name, std::span<const std::string> directories) {
  for (const std::string& directory : directories) {
    std::vector<std::string> matches = platform::filesMatchingIgnoringCase(directory, name);
    if (matches.size() == 1) {
      return FileLookup{std::move(matches.front()), {}};
    }
    if (!matches.empty()) {
      return FileLookup{std::nullopt, std::move(matches)};
    }
  }
  return {};
}

}  // namespace

FileLookup lookUpWrittenName(std::string_view text, std::span<const std::string> directories) {
  std::string name(withoutQuotes(trimSpaces(text)));
  if (name.empty()) {
    return {};
  }
  std::ranges::replace(name, '\\', '/');
  if (std::optional<std::string> path = findAsWritten(name, directories)) {
    return FileLookup{std::move(path), {}};
  }
  return findIgnoringCase(name, directories);
}

std::vector<std::string> includeSearchDirectories() {
  std::vector<std::string> directories{""};
  for (const std::string& dataDirectory : dataDirectories()) {
    directories.push_back(platform::absolutePath(platform::joinPath(dataDirectory, appSettings().includeDir)));
  }
  return directories;
}

std::string describeMatches(std::string_view writtenName, std::span<const std::string> matches) {
  std::string text(writtenName);
  std::string_view separator = " (";
  for (const std::string& match : matches) {
    text += separator;
    text += match;
    separator = ", ";
  }
  return text + ")";
}
