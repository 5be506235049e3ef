// What the two compressed TI-86 writers, ferra and dorun, share: the file they
// write around the program body, their about box and their failure messages.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace ferra {

// Where the TI-86 places the first byte of an assembly program when it runs it.
inline constexpr std::uint32_t LOAD_ADDRESS = 0xD748;

struct CompressedProgramFormat {
  std::string_view caption;  // of the error messages
  // The program as stored after the assembly mark: the uncompressed prefix, what
  // follows it and the compressed rest of the image.
  std::vector<std::uint8_t> (*programBodyFor)(std::span<const std::uint8_t> image);
};

// SavePrgmFile of both writers: reports ".86P" in `extensionOut` first (when
// given), then writes basePath + ".86P". Returns 1 when the whole file is in
// place, 0 otherwise (missing arguments, a program too large for the file's
// 16-bit lengths, a failed write); a failure leaves any earlier file as it was.
int saveCompressedProgram(const CompressedProgramFormat& format, const unsigned char* image, std::uint32_t length,
                          const char* basePath, char* extensionOut) noexcept;

int showCompressedProgramAbout();

}  // namespace ferra
