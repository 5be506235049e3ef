#include "plugins/common/FerraMatchFinder.h"

#include <algorithm>
#include <limits>

namespace ferra {
namespace {

constexpr std::size_t HASH_BITS = 15;
constexpr std::size_t NO_POSITION = std::numeric_limits<std::size_t>::max();

}  // namespace

FerraMatchFinder::FerraMatchFinder(std::span<const std::uint8_t> input)
    : input_(input), latest_(std::size_t{1} << HASH_BITS, NO_POSITION), earlier_(WINDOW_SIZE, NO_POSITION) {
}

// Every match worth encoding shares its first MIN_MATCH_LENGTH bytes with the
// bytes at `position`, so it lies on the chain of their hash. The chain may also
// hold positions whose bytes merely collide in the hash; they never match far
// enough to count. Walking from the nearest candidate and replacing the best
// only on a strictly longer match keeps the nearest of the longest.
std::optional<BackReference> FerraMatchFinder::bestMatchAt(std::size_t position) {
  const std::size_t available = std::min(MAX_MATCH_LENGTH, input_.size() - position);
  if (available < MIN_MATCH_LENGTH) {
    return std::nullopt;
  }
  indexPositionsBefore(position);

  std::size_t bestLength = MIN_MATCH_LENGTH - 1;
  std::size_t bestDistance = 0;
  for (std::size_t candidate = latest_[hashAt(position)];
       candidate != NO_POSITION && position - candidate <= WINDOW_SIZE;
       candidate = earlier_[candidate % WINDOW_SIZE]) {
    const std::size_t distance = position - candidate;
    // Matching up to `limit` only gives the length the encoder can write.
    const std::size_t limit = std::min(available, longestEncodableMatch(distance));
    if (limit <= bestLength) {
      break;  // farther candidates have the same or a lower limit
    }
    // A longer match must agree on the byte just past the best length.
    if (input_[candidate + bestLength] != input_[position + bestLength]) {
      continue;
    }
    const std::size_t length = matchLength(candidate, position, limit);
    if (length > bestLength) {
      bestLength = length;
      bestDistance = distance;
    }
  }
  if (bestLength < MIN_MATCH_LENGTH) {
    return std::nullopt;
  }
  return BackReference{bestDistance, bestLength};
}

// A slot of `earlier_` is reused only by a position a whole window later, and
// such a position is indexed only after every candidate that could reach the
// old one has gone out of the window.
void FerraMatchFinder::indexPositionsBefore(std::size_t position) {
  for (; indexedUpTo_ < position; ++indexedUpTo_) {
    std::size_t& latest = latest_[hashAt(indexedUpTo_)];
    earlier_[indexedUpTo_ % WINDOW_SIZE] = latest;
    latest = indexedUpTo_;
  }
}

std::size_t FerraMatchFinder::hashAt(std::size_t position) const {
  const std::uint32_t key = (std::uint32_t{input_[position]} << 16) | (std::uint32_t{input_[position + 1]} << 8) |
                            input_[position + 2];
  return (key * 2654435761U) >> (32 - HASH_BITS);
}

// The source may run into the bytes being matched (candidate + k >= position):
// the decoder copies byte by byte, so an overlapping match repeats a pattern.
std::size_t FerraMatchFinder::matchLength(std::size_t candidate, std::size_t position, std::size_t limit) const {
  std::size_t length = 0;
  while (length < limit && input_[candidate + length] == input_[position + length]) {
    ++length;
  }
  return length;
}

}  // namespace ferra
