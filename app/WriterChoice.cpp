#include "app/WriterChoice.h"

#include <array>
#include <string>

#include "job/OutputNames.h"

namespace {

struct ExtensionWriter {
  std::string_view extension;
  std::string_view plugin;
};

// .86p is also what heron writes, but a TI-86 program file is curlew's, the
// default writer.
constexpr std::array<ExtensionWriter, 4> WRITERS_BY_EXTENSION{{
    {".86p", "curlew"},
    {".86s", "avocet"},
    {".8xp", "plover"},
    {".82p", "tern"},
}};

}  // namespace

std::optional<std::string_view> writerForOutputFile(std::string_view path) {
  const std::string_view extension = path.substr(basePathOf(std::string(path)).size());
  for (const ExtensionWriter& writer : WRITERS_BY_EXTENSION) {
    if (writer.extension == extension) {
      return writer.plugin;
    }
  }
  return std::nullopt;
}
