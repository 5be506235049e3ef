// Finds, for the Ferra II encoder, the longest earlier match of the bytes at a
// position, with the nearest candidate on ties: the same answer as comparing
// every position of the window, found through hash chains instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "plugins/common/FerraStreamFormat.h"

namespace ferra {

class FerraMatchFinder {
 public:
  explicit FerraMatchFinder(std::span<const std::uint8_t> input);

  // The best back-reference for the bytes at `position`, or nullopt when no
  // candidate reaches MIN_MATCH_LENGTH. Positions must be asked in increasing
  // order, as a greedy encoder does.
  std::optional<BackReference> bestMatchAt(std::size_t position);

 private:
  void indexPositionsBefore(std::size_t position);
  std::size_t hashAt(std::size_t position) const;
  std::size_t matchLength(std::size_t candidate, std::size_t position, std::size_t limit) const;

  std::span<const std::uint8_t> input_;
  // Per hash value the latest indexed position with that hash...
  std::vector<std::size_t> latest_;
  // ...and per position (modulo the window) the one indexed before it with the
  // same hash, so a chain runs from the nearest candidate to the farthest.
  std::vector<std::size_t> earlier_;
  std::size_t indexedUpTo_ = 0;
};

}  // namespace ferra
