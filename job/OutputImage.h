#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The assembled program: a growable in-memory byte file with one position.
// Pass 2 writes it; the output step reads it or takes its buffer over.
class OutputImage {
public:
  void write(std::span<const std::uint8_t> bytes);
  // Pass 2 appends most bytes one by one at the end.
  void writeByte(std::uint8_t byte) {
    if (position_ == bytes_.size()) {
      bytes_.push_back(byte);
      ++position_;
    } else {
      write({&byte, 1});
    }
  }
  void seek(std::size_t offset) { position_ = offset; }
  // Makes room for this many bytes in all, so that writing them does not copy the image.
  void reserve(std::size_t length) { bytes_.reserve(length); }
  // Reads one byte at the position; returns 1, or 0 at the end.
  int read(std::uint8_t& byte);
  // Reads every byte from the position to the end at once.
  std::span<const std::uint8_t> readRest();
  std::size_t length() const { return bytes_.size(); }
  std::span<const std::uint8_t> bytes() const { return bytes_; }
  // Hands the bytes over to the caller and leaves the image empty.
  std::vector<std::uint8_t> detach();

private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};
