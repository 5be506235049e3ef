#include "frontend/TextFile.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "job/FileError.h"
#include "platform/FileSystem.h"

namespace {

// Text before the first carriage return stays where it is.
void joinCarriageReturns(std::string& text) {
  const std::size_t first = text.find('\r');
  if (first == std::string::npos) {
    return;
  }
  std::size_t kept = first;
  for (std::size_t i = first; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      continue;
    }
    text[kept++] = text[i];
  }
  text.resize(kept);
}

}  // namespace

std::optional<std::string> readTextFile(const std::string& path) {
  // A directory opens as a stream on this platform but is no file to read.
  if (!platform::fileExists(path)) {
    return std::nullopt;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return std::nullopt;
  }
  // One read of the size the file has now; a file that grew since is read on in
  // blocks.
  std::string text(static_cast<std::size_t>(platform::fileSize(path).value_or(0)), '\0');
  file.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(file.gcount()));
  std::array<char, 4096> block;
  while (file.read(block.data(), block.size()) || file.gcount() > 0) {
    text.append(block.data(), static_cast<std::size_t>(file.gcount()));
  }
  if (file.bad()) {
    throw FileError("Cannot read " + path + ": " + std::strerror(errno));
  }
  joinCarriageReturns(text);
  return text;
}
