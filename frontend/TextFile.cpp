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
void joinCarriageReturns(TextBuffer& buffer) {
  const std::size_t first = buffer.view().find('\r');
  if (first == std::string_view::npos) {
    return;
  }
  const std::span<char> text = buffer.chars();
  std::size_t kept = first;
  for (std::size_t i = first; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      continue;
    }
    text[kept++] = text[i];
  }
  buffer.truncate(kept);
}

}  // namespace

// The C library's files rather than a stream: opening a stream sets up the
// locale machinery, which costs a run more than reading a small file does.
std::optional<TextBuffer> readFileText(const std::string& path) {
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
  TextBuffer text;
  text.reserve(static_cast<std::size_t>(platform::fileSize(path).value_or(0)));
  text.extend(std::fread(text.room().data(), 1, text.room().size(), file.get()));
  std::array<char, 4096> block{};
  while (const std::size_t count = std::fread(block.data(), 1, block.size(), file.get())) {
    text.append({block.data(), count});
  }
  if (std::ferror(file.get()) != 0) {
    throw FileError("Cannot read " + path + ": " + std::strerror(errno));
  }
  joinCarriageReturns(text);
  return text;
}

std::optional<std::string> readTextFile(const std::string& path) {
  const std::optional<TextBuffer> text = readFileText(path);
  if (!text) {
    return std::nullopt;
  }
  return std::string(text->view());
}
