// Writing images through ferra and dorun and taking their .86P files apart.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tests/plugins/support/WriterPlugin.h"

namespace ferratest {

// File offset of the program body: the first byte after the assembly mark 8E 28.
inline constexpr std::size_t BODY_OFFSET = 75;
inline constexpr std::uint32_t LOAD_ADDRESS = 0xD748;

struct SavedProgram {
  int result = -1;
  std::string extension;
  std::vector<std::uint8_t> file;
};

inline SavedProgram saveProgram(const std::string& plugin, std::span<const std::uint8_t> image,
                                const std::string& name = "demo") {
  plugintest::ScratchDirectory dir;
  char extension[PLUGIN_EXTENSION_SIZE] = {'?', '?', '?', '?', '\0'};
  SavedProgram saved;
  saved.result = plugintest::WriterPlugin(plugin).save(image, dir.file(name), extension);
  saved.extension = extension;
  saved.file = plugintest::readBytes(dir.file(name + ".86P"));
  return saved;
}

// The whole .86P file around a data section, as the worked examples give it.
inline std::vector<std::uint8_t> fileAround(std::string_view sectionHex, std::uint16_t checksum) {
  const std::string_view start = "**TI86**\x1A\x0A";
  std::vector<std::uint8_t> file(start.begin(), start.end());
  file.push_back(0x00);
  std::string comment = "Ferra II compressed with Tellic86 v3.1";
  comment.resize(42, '\0');
  file.insert(file.end(), comment.begin(), comment.end());
  const std::vector<std::uint8_t> section = plugintest::hexBytes(sectionHex);
  file.push_back(static_cast<std::uint8_t>(section.size()));
  file.push_back(static_cast<std::uint8_t>(section.size() >> 8));
  file.insert(file.end(), section.begin(), section.end());
  file.push_back(static_cast<std::uint8_t>(checksum));
  file.push_back(static_cast<std::uint8_t>(checksum >> 8));
  return file;
}

// What the calculator loads at LOAD_ADDRESS: the bytes between the mark and the checksum.
inline std::vector<std::uint8_t> programBody(const std::vector<std::uint8_t>& file) {
  if (file.size() < BODY_OFFSET + 2) {
    return {};
  }
  return {file.begin() + BODY_OFFSET, file.end() - 2};
}

inline std::uint32_t wordAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return bytes[offset] + 256U * bytes[offset + 1];
}

// The image's first bytes, padded with distinct bytes to `size` bytes.
inline std::vector<std::uint8_t> imageStarting(std::string_view hex, std::size_t size = 16) {
  std::vector<std::uint8_t> image = plugintest::hexBytes(hex);
  for (std::uint8_t b = 0x40; image.size() < size; ++b) {
    image.push_back(b);
  }
  return image;
}

}  // namespace ferratest
