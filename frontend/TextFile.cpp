#include "frontend/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "job/FileError.h"
#include "platform/FileSystem.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Text before the first carriage return stays where it is; returns the new length.
std::size_t joinCarriageReturns(std::span<char> text) {
  const auto first = std::find(text.begin(), text.end(), '\r');
  std::size_t kept = static_cast<std::size_t>(first - text.begin());
  for (std::size_t i = kept; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      continue;
    }
    text[kept++] = text[i];
  }
  return kept;
}

// A block of `capacity` characters that is not cleared first: the file's text
// overwrites it.
std::unique_ptr<char[]> uninitializedBlock(std::size_t capacity) {
  return std::make_unique_for_overwrite<char[]>(std::max<std::size_t>(capacity, 1));
}

}  // namespace

// The C library's files rather than a stream: opening a stream sets up the
// locale machinery, which costs a run more than reading a small file does.
std::optional<FileText> readTextFile(const std::string& path) {
  // A directory opens as a file on this platform but is no file to read.
  if (!platform::fileExists(path)) {
    return std::nullopt;
  }
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    return std::nullopt;
  }
  // One read of the size the file has now, and one more that finds its end; a file
  // that grew since is read on into ever larger blocks.
  std::size_t capacity = static_cast<std::size_t>(platform::fileSize(path).value_or(0)) + 1;
  FileText text;
  text.data_ = uninitializedBlock(capacity);
  while (const std::size_t count = std::fread(text.data_.get() + text.size_, 1, capacity - text.size_, file.get())) {
    text.size_ += count;
    if (text.size_ == capacity) {
      capacity *= 2;
      auto larger = uninitializedBlock(capacity);
      std::copy_n(text.data_.get(), text.size_, larger.get());
      text.data_ = std::move(larger);
    }
  }
  if (std::ferror(file.get()) != 0) {
    throw FileError("Cannot read " + path + ": " + std::strerror(errno));
  }
  text.size_ = joinCarriageReturns(text.chars());
  return text;
}
