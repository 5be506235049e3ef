#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

// Text that grows at its end, in storage that is not cleared before it is written:
// a file's text is read straight into it, and appending a short line costs one
// bounds check and one copy, where a std::string costs several times the copy.
class TextBuffer {
public:
  void append(std::string_view text) {
    if (text.size() > capacity_ - size_) {
      growFor(text.size());
    }
    // std::copy, unlike memcpy, may be given no storage when there is nothing to copy.
    std::copy(text.begin(), text.end(), chars_.get() + size_);
    size_ += text.size();
  }

  // Makes room for at least `capacity` characters in all; what is written stays.
  void reserve(std::size_t capacity);

  // The room after the text, to be written in place and then taken in with
  // `extend`.
  std::span<char> room() { return {chars_.get() + size_, capacity_ - size_}; }
  void extend(std::size_t written) { size_ += std::min(written, capacity_ - size_); }
  void truncate(std::size_t size) { size_ = std::min(size, size_); }

  std::size_t size() const { return size_; }
  std::size_t capacity() const { return capacity_; }
  std::span<char> chars() { return {chars_.get(), size_}; }
  std::string_view view() const { return {chars_.get(), size_}; }

private:
  // Kept out of line, so that append stays small enough to be inlined.
  void growFor(std::size_t more);

  std::unique_ptr<char[]> chars_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};
