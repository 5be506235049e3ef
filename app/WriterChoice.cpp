#include "app/WriterChoice.h"

#include <vector>

#include "job/OutputNames.h"
#include "job/WriterExtensions.h"

namespace {

// The plug-in name without the library extension, as the writers are listed.
std::string_view withoutLibraryExtension(std::string_view plugin) {
  return plugin.ends_with(PLUGIN_LIBRARY_EXTENSION) ? plugin.substr(0, plugin.size() - PLUGIN_LIBRARY_EXTENSION.size()) : plugin;
}

}  // namespace

std::optional<std::string> writerForOutputFile(std::string_view path, std::string_view defaultPlugin) {
  const std::string_view extension = path.substr(basePathOf(std::string(path)).size());
  std::vector<std::string_view> writers;
  for (const WriterExtension& writer : SHIPPED_WRITERS) {
    if (writer.extension == extension) {
      writers.push_back(writer.plugin);
    }
  }
  if (writers.size() == 1) {
    return std::string(writers.front());
  }
  const std::string_view preferred = withoutLibraryExtension(defaultPlugin);
  for (const std::string_view writer : writers) {
    if (writer == preferred) {
      return std::string(writer);
    }
  }
  return std::nullopt;
}
