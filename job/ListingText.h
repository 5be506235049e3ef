#pragma once

#include <cstdint>
#include <span>
#include <string>

class AssemblyJob;

// The listing of a finished run: every line of every source file in the order the
// assembler read them, each with its file and line number, the address and the
// bytes it produced (long data goes on over further rows) and its text as
// written; the begin and end of every included file; then the symbols sorted by
// name. Without pass 2 (the symbol-file run) lines carry no address or bytes.
// Throws FileError when a source file can no longer be read.
std::string listingText(const AssemblyJob& job, std::span<const std::uint8_t> image);
