#include "plugins/common/PluginMessages.h"

#include <cstdio>

namespace calcfile {
namespace {

void writeText(std::FILE* stream, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

}  // namespace

int showAbout(std::string_view caption, std::string_view text) {
  writeText(stdout, caption);
  writeText(stdout, "\n");
  writeText(stdout, text);
  if (!text.ends_with('\n')) {
    writeText(stdout, "\n");
  }
  std::fflush(stdout);
  return MESSAGE_OK;
}

void showError(std::string_view caption, std::string_view message) {
  writeText(stderr, caption);
  writeText(stderr, ": ");
  writeText(stderr, message);
  writeText(stderr, "\n");
  std::fflush(stderr);
}

void showWarning(std::string_view subject, std::string_view message) {
  writeText(stderr, "Warning: ");
  showError(subject, message);
}

}  // namespace calcfile
