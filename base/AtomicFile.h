// Replacing an output file so that a failed write never leaves a truncated file
// behind or destroys the previous good one.
#pragma once

#include <cstdint>
#include <span>
#include <string>

// Writes the bytes to a temporary file in the same directory and moves it into
// `path`'s place only when everything was written and closed, so that `path` never
// names a partly written file; on any failure removes the temporary file, leaves an
// existing `path` untouched and returns false.
bool writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
