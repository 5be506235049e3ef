#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>

// Text that only ever grows at its end, in storage that is not cleared before it is
// written. Appending a short line to a std::string costs several times the copy
// itself; here it is one bounds check and one copy.
class AppendOnlyText {
public:
  void append(std::string_view text) {
    if (text.size() > capacity_ - size_) {
      reserve(std::max(size_ + text.size(), 2 * capacity_));
    }
    // std::copy, unlike memcpy, may be given no storage when there is nothing to copy.
    std::copy(text.begin(), text.end(), chars_.get() + size_);
    size_ += text.size();
  }

  // Makes room for at least `capacity` characters in all; what is written stays.
  void reserve(std::size_t capacity) {
    if (capacity <= capacity_) {
      return;
    }
    std::unique_ptr<char[]> larger = std::make_unique_for_overwrite<char[]>(capacity);
    std::copy(chars_.get(), chars_.get() + size_, larger.get());
    chars_ = std::move(larger);
    capacity_ = capacity;
  }

  std::size_t size() const { return size_; }
  std::size_t capacity() const { return capacity_; }
  std::string_view view() const { return {chars_.get(), size_}; }

private:
  std::unique_ptr<char[]> chars_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};
