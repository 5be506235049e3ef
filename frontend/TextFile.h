#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The text of a file, owned in one block that never moves, so that views into it
// stay valid wherever the text is handed on. The text can be changed in place but
// not lengthened.
class FileText {
public:
  FileText() = default;

  std::string_view view() const { return {data_.get(), size_}; }
  std::span<char> chars() { return {data_.get(), size_}; }
  std::size_t size() const { return size_; }

private:
  friend std::optional<FileText> readTextFile(const std::string& path);

  std::unique_ptr<char[]> data_;
  std::size_t size_ = 0;
};

// The whole text of a file, read in large blocks, with every CR LF pair read as a
// single line feed, so that files written on Windows read the same. Nothing when
// the name is no regular file or cannot be opened; a file that opens but cannot
// be read throws FileError.
std::optional<FileText> readTextFile(const std::string& path);
