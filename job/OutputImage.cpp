#include "job/OutputImage.h"

// The store at least doubles, so appending byte by byte copies the image a
// bounded number of times.
void OutputImage::makeRoomFor(std::size_t end) {
  if (end > MAX_LENGTH) {
    throw ImageTooLarge{};
  }
  reserve(std::min(MAX_LENGTH, std::max(end, 2 * store_.size())));
}

int OutputImage::read(std::uint8_t& byte) {
  if (position_ >= length_) {
    return 0;
  }
  byte = store_[position_++];
  return 1;
}

std::span<const std::uint8_t> OutputImage::readRest() {
  const std::size_t start = std::min(position_, length_);
  position_ = std::max(position_, length_);
  return bytes().subspan(start);
}


