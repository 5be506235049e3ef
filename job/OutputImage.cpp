#include "job/OutputImage.h"

#include <algorithm>

void OutputImage::write(std::span<const std::uint8_t> bytes) {
  const std::size_t end = position_ + bytes.size();
  if (end > bytes_.size()) {
    bytes_.resize(end);
  }
  std::copy(bytes.begin(), bytes.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(position_));
  position_ = end;
}

int OutputImage::read(std::uint8_t& byte) {
  if (position_ >= bytes_.size()) {
    return 0;
  }
  byte = bytes_[position_++];
  return 1;
}

std::span<const std::uint8_t> OutputImage::readRest() {
  const std::size_t start = std::min(position_, bytes_.size());
  position_ = std::max(position_, bytes_.size());
  return std::span<const std::uint8_t>(bytes_).subspan(start);
}

std::vector<std::uint8_t> OutputImage::detach() {
  std::vector<std::uint8_t> taken = std::move(bytes_);
  bytes_.clear();
  position_ = 0;
  return taken;
}
