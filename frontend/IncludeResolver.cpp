#include "frontend/IncludeResolver.h"

#include "base/TextScan.h"
#include "platform/FileSystem.h"

namespace {

std::string_view withoutQuotes(std::string_view name) {
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
    return name.substr(1, name.size() - 2);
  }
  return name;
}

}  // namespace

std::optional<std::string> resolveWrittenName(std::string_view text,
                                              std::span<const std::string> includeDirectories) {
  std::string name = platform::withForwardSlashes(std::string(withoutQuotes(trimSpaces(text))));
  if (name.empty()) {
    return std::nullopt;
  }
  if (platform::fileExists(name)) {
    return name;
  }
  for (const std::string& directory : includeDirectories) {
    std::string candidate = platform::absolutePath(platform::joinPath(directory, name));
    if (platform::fileExists(candidate)) {
      return candidate;
    }
  }
  return std::nullopt;
}
