#include "frontend/IncludeResolver.h"

#include <algorithm>

#include "app/AssemblerSettings.h"
#include "app/InstallLayout.h"
#include "frontend/TextScan.h"
#include "platform/FileSystem.h"

namespace {

std::string_view withoutQuotes(std::string_view name) {
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
    return name.substr(1, name.size() - 2);
  }
  return name;
}

}  // namespace

std::optional<ResolvedInclude> resolveInclude(std::string_view text) {
  std::string name(withoutQuotes(trimSpaces(text)));
  if (name.empty()) {
    return std::nullopt;
  }
  std::ranges::replace(name, '\\', '/');
  if (platform::fileExists(name)) {
    std::string fullPath = platform::absolutePath(name);
    return ResolvedInclude{std::move(name), std::move(fullPath)};
  }
  const std::string candidate = locateDataFile(platform::joinPath(appSettings().includeDir, name));
  if (platform::fileExists(candidate)) {
    return ResolvedInclude{candidate, candidate};
  }
  return std::nullopt;
}
