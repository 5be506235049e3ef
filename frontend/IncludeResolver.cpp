#include "frontend/IncludeResolver.h"

#include "base/TextScan.h"
#include "job/RunSettings.h"
#include "platform/FileNameCase.h"
#include "platform/FileSystem.h"

namespace {

std::string_view withoutQuotes(std::string_view name) {
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
    return name.substr(1, name.size() - 2);
  }
  return name;
}

// Names found in the current directory stay as written; elsewhere they are made
// absolute so that one file reached two ways is recognised as the same.
std::string locatedPath(const std::string& directory, const std::string& path) {
  return directory.empty() ? path : platform::absolutePath(path);
}

std::optional<std::string> findAsWritten(const std::string& name, std::span<const std::string> directories) {
  for (const std::string& directory : directories) {
    const std::string path = platform::joinPath(directory, name);
    if (platform::fileExists(path)) {
      return locatedPath(directory, path);
    }
  }
  return std::nullopt;
}

FileLookup findIgnoringCase(const std::string& name, std::span<const std::string> directories) {
  for (const std::string& directory : directories) {
    std::vector<std::string> matches = platform::filesMatchingIgnoringCase(directory, name);
    if (matches.size() == 1) {
      return FileLookup{locatedPath(directory, matches.front()), {}};
    }
    if (!matches.empty()) {
      return FileLookup{std::nullopt, std::move(matches)};
    }
  }
  return {};
}

}  // namespace

FileLookup lookUpWrittenName(std::string_view text, std::span<const std::string> directories) {
  const std::string name = platform::withForwardSlashes(std::string(withoutQuotes(trimSpaces(text))));
  if (name.empty()) {
    return {};
  }
  if (std::optional<std::string> path = findAsWritten(name, directories)) {
    return FileLookup{std::move(path), {}};
  }
  return findIgnoringCase(name, directories);
}

std::vector<std::string> includeSearchDirectories(const RunSettings& settings) {
  std::vector<std::string> directories{""};
  directories.insert(directories.end(), settings.includeDirectories.begin(), settings.includeDirectories.end());
  return directories;
}

std::vector<std::string> incbinSearchDirectories(const RunSettings& settings) {
  std::vector<std::string> directories = includeSearchDirectories(settings);
  directories.insert(directories.begin() + 1, settings.includeFolder);
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
