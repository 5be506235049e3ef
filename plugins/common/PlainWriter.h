// The whole of SavePrgmFile for a writer that builds its variable data in one go
// from the image: only the format's constants and two rules differ between them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "plugins/common/NameCheck.h"
#include "plugins/common/VariableFile.h"

namespace calcfile {

struct PlainWriterFormat {
  Family family;
  std::string_view extension;  // 4 characters, reported to the host on success
  std::string_view comment;
  std::uint8_t typeId;
  VariableName (*nameFor)(std::string_view basePath);
  NameRules names;  // what the calculator makes of that name, told after writing
  std::vector<std::uint8_t> (*variableDataFor)(std::span<const std::uint8_t> image);
};

// Variable data whose body is the image itself: a string's characters, or a
// program that carries whatever header its calculator or shell needs.
std::vector<std::uint8_t> unchangedImageData(std::span<const std::uint8_t> image);

// Writes basePath + extension and, on success, the extension with its NUL into
// `extensionOut` when given, and a warning for each problem of the stored name. Returns 1 when the whole file is in place, 0 otherwise:
// for missing arguments, an image too large for the format, or a failed write; a
// failure leaves any earlier file of that name as it was and `extensionOut` untouched.
int savePlainVariableFile(const PlainWriterFormat& format, const unsigned char* image, std::uint32_t length,
                          const char* basePath, char* extensionOut) noexcept;

// Copies the 4-character extension and a terminating NUL into the host's 5-character buffer.
void reportExtension(std::string_view extension, char* extensionOut);

}  // namespace calcfile
