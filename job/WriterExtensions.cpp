#include "job/WriterExtensions.h"

#include <algorithm>

#include "platform/FileSystem.h"

namespace {


// The writer a library file is, when it is one of the shipped ones; a name with a
// directory part counts by its last component.
const WriterExtension* shippedWriterNamed(const std::string& libraryFileName) {
  const std::string_view name = std::string_view(libraryFileName).substr(platform::nameStart(libraryFileName));
  for (const WriterExtension& writer : SHIPPED_WRITERS) {
    if (name.size() == writer.plugin.size() + PLUGIN_LIBRARY_EXTENSION.size() && name.starts_with(writer.plugin) &&
        name.ends_with(PLUGIN_LIBRARY_EXTENSION)) {
      return &writer;
    }
  }
  return nullptr;
}

}  // namespace

std::vector<std::string_view> extensionsWrittenBy(const std::string& libraryFileName) {
  if (const WriterExtension* writer = shippedWriterNamed(libraryFileName)) {
    return {writer->extension};
  }
  std::vector<std::string_view> extensions;
  for (const WriterExtension& writer : SHIPPED_WRITERS) {
    if (std::ranges::find(extensions, writer.extension) == extensions.end()) {
      extensions.push_back(writer.extension);
    }
  }
  return extensions;
}
