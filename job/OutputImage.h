#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <vector>

// Thrown when the program would grow past the largest image, which ends the stage
// with an error (see AssemblyJob::guardStage).
struct ImageTooLarge {};

// The assembled program: a growable in-memory byte file with one position.
// Pass 2 writes it; the output step reads it or takes its buffer over.
//
// The bytes live at the front of a zero-filled store with room to spare, so that
// writing the few bytes of one statement is a plain copy. Nothing past the length
// is ever written, which keeps a gap that a seek past the end leaves zero.
class OutputImage {
public:
  // The job counts the bytes in 32-bit signed numbers, and the plug-ins take the
  // length as a 32-bit number.
  static constexpr std::size_t MAX_LENGTH = std::numeric_limits<std::int32_t>::max();

  void write(std::span<const std::uint8_t> bytes) {
    if (position_ + bytes.size() > store_.size()) {
      makeRoomFor(position_ + bytes.size());
    }
    // A statement writes a handful of bytes: a plain loop beats a call to copy them.
    for (const std::uint8_t byte : bytes) {
      store_[position_++] = byte;
    }
    length_ = std::max(length_, position_);
  }
  void writeByte(std::uint8_t byte) { write({&byte, 1}); }
  // Writes the `count` low bytes of `value`, low byte first: an instruction
  // gathered into one number. count is at most 8.
  void writeLowBytes(std::uint64_t value, std::size_t count) {
    if constexpr (std::endian::native == std::endian::little) {
      // At the end of the image with a word's room to spare, the whole word is
      // stored at once: the bytes past the written ones land past the length,
      // where the store holds zeros, and zeros are what they get.
      if (position_ == length_ && store_.size() - position_ >= sizeof value) {
        const std::uint64_t written = count < sizeof value ? value & ((std::uint64_t{1} << (8 * count)) - 1) : value;
        std::memcpy(store_.data() + position_, &written, sizeof written);
        position_ += count;
        length_ = position_;
        return;
      }
    }
    std::uint8_t* out = claim(count);
    for (std::size_t i = 0; i < count; ++i) {
      out[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
  }
  void seek(std::size_t offset) { position_ = offset; }
  // Makes room for this many bytes in all, so that writing them does not copy the image.
  void reserve(std::size_t length) {
    if (length > store_.size()) {
      store_.resize(length);
    }
  }
  // Reads one byte at the position; returns 1, or 0 at the end.
  int read(std::uint8_t& byte);
  // Reads every byte from the position to the end at once.
  std::span<const std::uint8_t> readRest();
  std::size_t length() const { return length_; }
  std::span<const std::uint8_t> bytes() const { return std::span(store_).first(length_); }

private:
  // Moves the position past the next `count` bytes and returns where they go.
  std::uint8_t* claim(std::size_t count) {
    const std::size_t start = position_;
    position_ += count;
    if (position_ > store_.size()) {
      makeRoomFor(position_);
    }
    length_ = std::max(length_, position_);
    return store_.data() + start;
  }
  // Grows the store to hold `end` bytes; throws ImageTooLarge past MAX_LENGTH.
  void makeRoomFor(std::size_t end);

  std::vector<std::uint8_t> store_;  // the bytes, then zeros
  std::size_t length_ = 0;
  std::size_t position_ = 0;
};
