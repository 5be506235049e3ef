#include "frontend/TextBuffer.h"

void TextBuffer::reserve(std::size_t capacity) {
  if (capacity <= capacity_) {
    return;
  }
  std::unique_ptr<char[]> larger = std::make_unique_for_overwrite<char[]>(capacity);
  std::copy(chars_.get(), chars_.get() + size_, larger.get());
  chars_ = std::move(larger);
  capacity_ = capacity;
}

// Room grows at least geometrically, so that appending line by line copies the
// text a bounded number of times.
void TextBuffer::growFor(std::size_t more) { reserve(std::max(size_ + more, 2 * capacity_)); }
