#include "platform/FileNameCase.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/FileSystem.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

char foldCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return foldCase(x) == foldCase(y); });
}

std::vector<std::string> componentsOf(const std::string& name) {
  std::vector<std::string> components;
  std::size_t start = 0;
  while (start <= name.size()) {
    const std::size_t end = std::min(name.find('/', start), name.size());
    if (end > start) {
      components.push_back(name.substr(start, end - start));
    }
    start = end + 1;
  }
  return components;
}

bool isDirectory(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

// The entries of `base` that match `component`: directories on the way, files at
// the end of the name.
void addMatchingEntries(const std::string& base, const std::string& component, bool last,
                        std::vector<std::string>& found) {
  std::error_code error;
  for (fs::directory_iterator entry(base.empty() ? "." : base, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string entryName = entry->path().filename().string();
    if (!sameIgnoringCase(entryName, component)) {
      continue;
    }
    const std::string path = joinPath(base, entryName);
    if (last ? fileExists(path) : isDirectory(path)) {
      found.push_back(path);
    }
  }
}

}  // namespace

std::vector<std::string> filesMatchingIgnoringCase(const std::string& directory, const std::string& name) {
  const std::vector<std::string> components = componentsOf(name);
  std::vector<std::string> paths{name.starts_with('/') ? std::string("/") : directory};
  for (std::size_t i = 0; i < components.size() && !paths.empty(); ++i) {
    const bool last = i + 1 == components.size();
    std::vector<std::string> found;
    for (const std::string& base : paths) {
      if (components[i] == "." || components[i] == "..") {
        if (!last) {
          found.push_back(joinPath(base, components[i]));
        }
      } else {
        addMatchingEntries(base, components[i], last, found);
      }
    }
    paths = std::move(found);
  }
  if (components.empty()) {
    paths.clear();
  }
  std::ranges::sort(paths);
  return paths;
}

}  // namespace platform
