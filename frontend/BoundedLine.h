#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// The text of one expanded line, without its line end, in a fixed buffer. What
// does not fit is dropped; full() tells that the line reached its limit, so
// that the caller can report it.
class BoundedLine {
public:
  // 254 characters and the line end make the longest line the passes read.
  static constexpr std::size_t CAPACITY = 254;

  void clear() { size_ = 0; }

  void push(char c) {
    if (size_ < CAPACITY) {
      buffer_[size_++] = c;
    }
  }

  void append(std::string_view text) {
    const std::size_t count = std::min(text.size(), CAPACITY - size_);
    std::copy_n(text.begin(), count, buffer_.begin() + static_cast<std::ptrdiff_t>(size_));
    size_ += count;
  }

  bool full() const { return size_ == CAPACITY; }
  std::string_view view() const { return {buffer_.data(), size_}; }
  // The text followed by a line end, which has a place of its own behind the text.
  std::string_view terminated() {
    buffer_[size_] = '\n';
    return {buffer_.data(), size_ + 1};
  }
  std::span<char> chars() { return {buffer_.data(), size_}; }

private:
  std::array<char, CAPACITY + 1> buffer_{};
  std::size_t size_ = 0;
};
