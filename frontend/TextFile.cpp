#include "frontend/TextFile.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "job/FileError.h"
#include "platform/FileSystem.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

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

// The C library's files rather than a stream: opening a stream sets up the
// locale machinery, which costs a run more than reading a small file does.
std::optional<std::string> readTextFile(const std::string& path) {
  // A directory opens as a file on this platform but is no file to read.
  if (!platform::fileExists(path)) {
    return std::nullopt;
  }
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    return std::nullopt;
  }
  // One read of the size the file has now; a file that grew since is read on in
  // blocks.
  std::string text(static_cast<std::size_t>(platform::fileSize(path).value_or(0)), '\0');
  text.resize(std::fread(text.data(), 1, text.size(), file.get()));
  std::array<char, 4096> block{};
  while (const std::size_t count = std::fread(block.data(), 1, block.size(), file.get())) {
    text.append(block.data(), count);
  }
  if (std::ferror(file.get()) != 0) {
    throw FileError("Cannot read " + path + ": " + std::strerror(errno));
  }
  joinCarriageReturns(text);
  return text;
}
