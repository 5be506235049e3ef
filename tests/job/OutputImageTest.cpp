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
  EXPECT_EQ(image.detach().size(), 14u);
  EXPECT_EQ(image.length(), 0u);
  image.seek(2);
  image.writeByte(9);
  EXPECT_EQ(asVector(image.bytes()), (std::vector<std::uint8_t>{0, 0, 9}));
}

}  // namespace
