#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "job/OutputImage.h"

namespace {

std::vector<std::uint8_t> asVector(std::span<const std::uint8_t> bytes) { return {bytes.begin(), bytes.end()}; }

TEST(OutputImage, WritesBytesAtTheEndAndOverTheOldOnes) {
  OutputImage image;
  image.writeByte(1);
  image.writeByte(2);
  image.writeByte(3);
  image.seek(1);
  image.writeByte(9);
  EXPECT_EQ(asVector(image.bytes()), (std::vector<std::uint8_t>{1, 9, 3}));
  image.seek(3);
  image.writeByte(4);
  EXPECT_EQ(asVector(image.bytes()), (std::vector<std::uint8_t>{1, 9, 3, 4}));
}

TEST(OutputImage, ReadsTheRestFromThePositionAndEndsThere) {
  OutputImage image;
  image.write(std::vector<std::uint8_t>{1, 2, 3});
  image.seek(1);
  EXPECT_EQ(asVector(image.readRest()), (std::vector<std::uint8_t>{2, 3}));
  std::uint8_t byte = 0;
  EXPECT_EQ(image.read(byte), 0);
  EXPECT_TRUE(image.readRest().empty());
  image.seek(7);
  EXPECT_TRUE(image.readRest().empty());
}

// A write past the largest image stops before anything is allocated for it.
TEST(OutputImage, RefusesToGrowPastItsLargestLength) {
  OutputImage image;
  image.writeByte(1);
  image.seek(OutputImage::MAX_LENGTH);
  EXPECT_THROW(image.writeByte(2), ImageTooLarge);
  EXPECT_THROW(image.writeLowBytes(0x0102, 2), ImageTooLarge);
  EXPECT_EQ(image.length(), 1u);
}

// The room that is made in advance holds no bytes yet; a gap that a seek past the
// end leaves reads as zeros, also where a byte was written and then handed over.
TEST(OutputImage, RoomMadeInAdvanceHoldsNoBytes) {
  OutputImage image;
  image.reserve(8);
  EXPECT_EQ(image.length(), 0u);
  image.write(std::vector<std::uint8_t>{1, 2});
  image.seek(4);
  image.writeByte(5);
  EXPECT_EQ(asVector(image.bytes()), (std::vector<std::uint8_t>{1, 2, 0, 0, 5}));
  image.seek(12);
  image.write(std::vector<std::uint8_t>{6, 7});
  EXPECT_EQ(image.length(), 14u);
  EXPECT_EQ(asVector(image.bytes().subspan(5, 7)), (std::vector<std::uint8_t>(7, 0)));
}

// An instruction is written as the low bytes of one number: at the end of the
// image with room to spare, near the end of the store, over older bytes after a
// seek back and past the end after a seek forward. Only the bytes asked for are
// ever written, and a gap left behind reads as zeros.
TEST(OutputImage, WritesTheLowBytesOfANumber) {
  struct Case {
    std::size_t room;        // made in advance
    std::size_t seekTo;      // after four bytes 0xAA were written
    std::uint64_t value;
    std::size_t count;
    std::vector<std::uint8_t> expected;
  };
  const Case cases[] = {
      {64, 4, 0x8877665544332211u, 3, {0xAA, 0xAA, 0xAA, 0xAA, 0x11, 0x22, 0x33}},
      {64, 4, 0x8877665544332211u, 8, {0xAA, 0xAA, 0xAA, 0xAA, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88}},
      {64, 4, 0x01, 0, {0xAA, 0xAA, 0xAA, 0xAA}},
      {6, 4, 0x332211, 2, {0xAA, 0xAA, 0xAA, 0xAA, 0x11, 0x22}},  // no word's room left
      {64, 1, 0xFFFF0211, 2, {0xAA, 0x11, 0x02, 0xAA}},           // over older bytes
      {64, 6, 0x2211, 2, {0xAA, 0xAA, 0xAA, 0xAA, 0, 0, 0x11, 0x22}},
  };
  for (const Case& c : cases) {
    OutputImage image;
    image.reserve(c.room);
    image.write(std::vector<std::uint8_t>(4, 0xAA));
    image.seek(c.seekTo);
    image.writeLowBytes(c.value, c.count);
    EXPECT_EQ(asVector(image.bytes()), c.expected) << c.seekTo << " " << c.count;
    // Whatever the word held above the bytes written stays out of the image.
    image.seek(image.length() + 2);
    image.writeByte(0x77);
    const std::size_t end = image.length();
    EXPECT_EQ(image.bytes()[end - 3], 0) << c.seekTo << " " << c.count;
    EXPECT_EQ(image.bytes()[end - 2], 0) << c.seekTo << " " << c.count;
  }
}

}  // namespace
