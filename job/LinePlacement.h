#pragma once

#include <cstdint>

// Where pass 2 left the image and the location counter once it had assembled one
// line of the preprocessed source. A line's bytes run from the previous line's
// imageEnd to its own, so a listing can find every line's bytes and address.
struct LinePlacement {
  std::uint32_t imageEnd = 0;
  std::uint16_t pcAfter = 0;
};
