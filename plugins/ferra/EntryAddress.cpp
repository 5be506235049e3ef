#include "plugins/ferra/EntryAddress.h"

#include <optional>

#include "plugins/common/CompressedProgram.h"

namespace ferra {
namespace {

constexpr std::uint8_t NOP = 0x00;
constexpr std::uint8_t JP = 0xC3;
constexpr std::uint8_t JR = 0x18;
// Shorter images are never searched for a leading jump.
constexpr std::size_t MIN_IMAGE_WITH_JUMP = 4;

struct LeadingJump {
  std::size_t length;     // of the jump, with a no-op in front of it
  std::uint32_t target;
};

std::uint32_t word(std::uint8_t low, std::uint8_t high) {
  return low + 256U * high;
}

// A relative jump whose offset has its top bit set goes backward on the Z80,
// before the start of the program: no place in the program to put a stub.
std::optional<LeadingJump> leadingJump(std::span<const std::uint8_t> image) {
  if (image.size() < MIN_IMAGE_WITH_JUMP) {
    return std::nullopt;
  }
  if (image[0] == NOP && image[1] == JP) {
    return LeadingJump{4, word(image[2], image[3])};
  }
  if (image[0] == JP) {
    return LeadingJump{3, word(image[1], image[2])};
  }
  if (image[0] == JR && image[1] < 0x80) {
    return LeadingJump{2, LOAD_ADDRESS + 2 + image[1]};
  }
  return std::nullopt;
}

}  // namespace

// The stub overwrites what lies at the jump's target. A target inside the jump
// itself would let the stub overwrite the jump, and a target outside the image
// leaves no image bytes to stand for; in both cases the stub goes to the start
// of the program instead, unpacks all of it and returns to the program's own
// jump.
std::size_t uncompressedPrefixLength(std::span<const std::uint8_t> image) {
  const auto jump = leadingJump(image);
  if (!jump || jump->target < LOAD_ADDRESS) {
    return 0;
  }
  const std::size_t prefix = jump->target - LOAD_ADDRESS;
  if (prefix > image.size() || prefix < jump->length) {
    return 0;
  }
  return prefix;
}

}  // namespace ferra
