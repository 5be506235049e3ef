// Every writer plug-in, loaded from the build's runtime directory as quarn loads
// it, given random images and base names. A file reported as written is read back:
// its length fields, checksum and program body must agree with the image; a file
// reported as not written must not exist, and no temporary file may stay behind.
//
// Input: byte 0 picks the writer (and, with its top bit, stretches the image of a
// writer that may store it unchanged close to the largest size its 16-bit fields
// hold); byte 1 picks the base name; the rest is the image.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <numeric>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "job/PluginInterface.h"
#include "platform/SharedLibrary.h"
#include "plugins/common/FerraDecoder.h"
#include "tests/fuzz/FuzzSupport.h"

namespace fs = std::filesystem;

namespace {

enum class Body { Plain, Hex, Ti83Program, Compressed, CompressedWithStub, ShellString };

struct Writer {
  std::string_view name;
  std::span<const std::uint8_t> bodyPrefix;  // what a plain writer puts before the image
  Body body;
  SavePrgmFileFn save = nullptr;
  std::unique_ptr<platform::SharedLibrary> library;
};

constexpr std::array<std::uint8_t, 2> ASM_MARK{0x8E, 0x28};
constexpr std::array<std::uint8_t, 2> PLOVER_TOKEN{0xBB, 0x6D};
constexpr std::array<std::uint8_t, 3> TERN_PREFIX{0xD5, 0x00, 0x11};
constexpr std::array<std::uint8_t, 2> ZSHELL_MARK{0x00, 0xFD};
constexpr std::size_t FERRA_STUB_SIZE = 67;

std::array<Writer, 10> WRITERS{{
    {"curlew", ASM_MARK, Body::Plain, nullptr, nullptr},
    {"avocet", {}, Body::Plain, nullptr, nullptr},
    {"plover", PLOVER_TOKEN, Body::Plain, nullptr, nullptr},
    {"tern", TERN_PREFIX, Body::Plain, nullptr, nullptr},
    {"heron", {}, Body::Hex, nullptr, nullptr},
    {"ferra", ASM_MARK, Body::CompressedWithStub, nullptr, nullptr},
    {"dorun", ASM_MARK, Body::Compressed, nullptr, nullptr},
    {"dunlin", {}, Body::Plain, nullptr, nullptr},
    {"knot", {}, Body::Ti83Program, nullptr, nullptr},
    {"stint", ZSHELL_MARK, Body::ShellString, nullptr, nullptr},
}};

const std::string_view BASE_NAMES[] = {
    "prog", "blackjack2", "a.b.c", "with space", "back\\slash\\name", "", "\xE9t\xE9", "x",
    "a-name-far-longer-than-the-eight-characters-of-a-variable-name-and-then-some-more-to-pass-the-path-limits-of-"
    "the-writers-that-keep-fixed-buffers",
};

std::uint16_t wordAt(std::span<const std::uint8_t> file, std::size_t offset) {
  fuzz::check(offset + 2 <= file.size(), "a length field lies outside the file");
  return static_cast<std::uint16_t>(file[offset] | file[offset + 1] << 8);
}

// Where the families differ: the signature tail and the offset of the repeated
// data length; the data follows it. File size = that offset + 4 + D.
std::size_t repeatedLengthOffset(std::span<const std::uint8_t> file) {
  const std::string_view signature(reinterpret_cast<const char*>(file.data()), 8);
  fuzz::check(file[8] == 0x1A && file[9] == (signature == "**TI85**" ? 0x0C : 0x0A) && file[10] == 0x00,
              "signature tail");
  if (signature == "**TI86**") {
    fuzz::check(wordAt(file, 55) == 12, "TI-86 entry header length");
    return 69;
  }
  if (signature == "**TI83F*") {
    fuzz::check(wordAt(file, 55) == 13, "TI-83 Plus entry header length");
    return 70;
  }
  if (signature == "**TI85**") {
    // The name is stored unpadded: the header length counts its characters.
    const std::size_t nameLength = file[60];
    fuzz::check(nameLength <= 8 && wordAt(file, 55) == 4 + nameLength, "TI-85 entry header length");
    return 61 + nameLength;
  }
  fuzz::check(signature == "**TI82**" || signature == "**TI83**" || signature == "**TI73**", "unknown signature");
  fuzz::check(wordAt(file, 55) == 11, "TI-73, TI-82 or TI-83 entry header length");
  return 68;
}

// The variable data, after checking every length field and the checksum around it.
std::span<const std::uint8_t> checkedVariableData(std::span<const std::uint8_t> file) {
  fuzz::check(file.size() >= 65, "file shorter than any header");
  const std::size_t dataOffset = repeatedLengthOffset(file) + 2;
  fuzz::check(file.size() >= dataOffset + 4, "file too short for its variable data");
  const std::size_t dataLength = file.size() - dataOffset - 2;
  fuzz::check(wordAt(file, 53) == file.size() - 57, "data-section length");
  fuzz::check(wordAt(file, 57) == dataLength && wordAt(file, dataOffset - 2) == dataLength, "data length fields");
  fuzz::check(wordAt(file, dataOffset) == dataLength - 2, "variable data length word");
  std::uint32_t sum = 0;
  for (std::size_t i = 55; i < file.size() - 2; ++i) {
    sum += file[i];
  }
  fuzz::check(wordAt(file, file.size() - 2) == static_cast<std::uint16_t>(sum), "checksum");
  return file.subspan(dataOffset + 2, dataLength - 2);
}

bool startsWith(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

// The image as upper-case hex digits, with `separator` before every
// `bytesPerLine`-th byte after the first (never, for a bytesPerLine of 0).
std::vector<std::uint8_t> hexDigitsOf(std::span<const std::uint8_t> image, std::size_t bytesPerLine,
                                      std::uint8_t separator) {
  static constexpr char DIGITS[] = "0123456789ABCDEF";
  std::vector<std::uint8_t> text;
  for (std::size_t i = 0; i < image.size(); ++i) {
    if (bytesPerLine != 0 && i != 0 && i % bytesPerLine == 0) {
      text.push_back(separator);
    }
    text.push_back(static_cast<std::uint8_t>(DIGITS[image[i] >> 4]));
    text.push_back(static_cast<std::uint8_t>(DIGITS[image[i] & 0x0F]));
  }
  return text;
}

// The TI-83's shells read a program's first bytes as code: ret, or xor a and jr nc.
bool isTi83ShellProgram(std::span<const std::uint8_t> image) {
  return (!image.empty() && image[0] == 0xC9) || (image.size() >= 2 && image[0] == 0xAF && image[1] == 0x30);
}

// The program editor's "AsmPrgm" line (heron), and the End, 0000, End lines (knot).
constexpr std::array<std::uint8_t, 9> ASM_PRGM_LINE{0x00, 'A', 's', 'm', 'P', 'r', 'g', 'm', 0xD6};
constexpr std::array<std::uint8_t, 9> TI83_HEX_END{0x3F, 0xD4, 0x3F, '0', '0', '0', '0', 0x3F, 0xD4};

// A compressed body is the prefix of the image, the stub (ferra), then a stream
// that unpacks to the rest. The prefix length comes from the entry jump; any
// length for which the rest unpacks to the image will do.
bool unpacksTo(std::span<const std::uint8_t> body, std::span<const std::uint8_t> image, std::size_t stubSize) {
  std::size_t prefix = 0;
  while (true) {
    if (body.size() >= prefix + stubSize) {
      const auto decoded = ferra::decodeFerraStream(body.subspan(prefix + stubSize));
      if (decoded && decoded->streamLength == body.size() - prefix - stubSize &&
          std::ranges::equal(decoded->bytes, image.subspan(prefix))) {
        return true;
      }
    }
    if (prefix >= image.size() || prefix >= body.size() || body[prefix] != image[prefix]) {
      return false;
    }
    ++prefix;
  }
}

void checkBody(const Writer& writer, std::span<const std::uint8_t> data, std::span<const std::uint8_t> image) {
  fuzz::check(startsWith(data, writer.bodyPrefix), "the program mark or prefix is missing");
  const std::span<const std::uint8_t> body = data.subspan(writer.bodyPrefix.size());
  // A program token the source wrote itself is held once, behind the writer's own
  // (the shell string's mark frames the image and is never taken from it).
  const std::span<const std::uint8_t> code =
      writer.body != Body::ShellString && startsWith(image, writer.bodyPrefix) ? image.subspan(writer.bodyPrefix.size())
                                                                               : image;
  switch (writer.body) {
    case Body::Plain:
      fuzz::check(std::ranges::equal(body, code), "the image is not stored unchanged");
      break;
    case Body::Hex: {
      std::vector<std::uint8_t> expected(ASM_PRGM_LINE.begin(), ASM_PRGM_LINE.end());
      std::ranges::copy(hexDigitsOf(image, 2, 0xD6), std::back_inserter(expected));
      fuzz::check(std::ranges::equal(body, expected), "the hex text is not the image, two bytes a line");
      break;
    }
    case Body::Ti83Program: {
      if (isTi83ShellProgram(image)) {
        fuzz::check(std::ranges::equal(body, image), "a shell program is not stored unchanged");
        break;
      }
      std::vector<std::uint8_t> expected = hexDigitsOf(image, 0, 0);
      expected.insert(expected.end(), TI83_HEX_END.begin(), TI83_HEX_END.end());
      fuzz::check(std::ranges::equal(body, expected), "the hex text is not the image followed by End, 0000, End");
      break;
    }
    case Body::Compressed:
      fuzz::check(unpacksTo(body, code, 0), "the compressed program does not unpack to the image");
      break;
    case Body::CompressedWithStub:
      fuzz::check(unpacksTo(body, code, FERRA_STUB_SIZE), "the compressed program does not unpack to the image");
      break;
    case Body::ShellString: {
      // The title length, the image, and the sum of both modulo 256.
      fuzz::check(body.size() == image.size() + 2, "the shell string is not the image and two bytes");
      fuzz::check(std::ranges::equal(body.subspan(1, image.size()), image), "the image is not stored unchanged");
      const auto title = std::ranges::find(image, std::uint8_t{0}) - image.begin();
      fuzz::check(body[0] == std::min<std::ptrdiff_t>(title, 255), "the title length");
      const unsigned sum = std::accumulate(image.begin(), image.end(), unsigned{body[0]});
      fuzz::check(body.back() == static_cast<std::uint8_t>(sum), "the shell's check byte");
      break;
    }
  }
}

std::vector<std::uint8_t> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t entriesIn(const fs::path& directory) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory), fs::directory_iterator()));
}

const fuzz::Workspace& workspace() {
  static const fuzz::Workspace instance("writers");
  return instance;
}

std::vector<std::uint8_t> imageFrom(std::span<const std::uint8_t> bytes, bool stretch, std::uint8_t amount) {
  std::vector<std::uint8_t> image(bytes.begin(), bytes.end());
  if (stretch && !image.empty()) {
    // Around the largest image the 16-bit fields hold (65511 to 65517 bytes), both sides.
    const std::size_t target = 65440 + amount;
    while (image.size() < target) {
      image.push_back(image[image.size() % bytes.size()]);
    }
  }
  return image;
}

void saveAndCheck(const Writer& writer, std::span<const std::uint8_t> image, std::string_view name) {
  const fs::path base = workspace().path() / name;
  char extension[PLUGIN_EXTENSION_SIZE] = {'?', '?', '?', '?', '?'};
  const int result = writer.save(image.data(), static_cast<std::uint32_t>(image.size()), base.c_str(), extension);
  fuzz::check(result == 0 || result == 1, "SavePrgmFile returned something other than 0 or 1");
  if (result == 0) {
    fuzz::check(entriesIn(workspace().path()) == 0, "a failed save left a file behind");
    return;
  }
  fuzz::check(extension[4] == '\0' && extension[0] == '.', "the extension reported is not 4 characters");
  const fs::path written = base.string() + extension;
  fuzz::check(entriesIn(workspace().path()) == 1 && fs::exists(written), "the file written is not the only one");
  const std::vector<std::uint8_t> file = readFile(written);
  checkBody(writer, checkedVariableData(file), image);
  fs::remove(written);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  for (Writer& writer : WRITERS) {
    writer.library = platform::SharedLibrary::load(std::string(QUARN_BIN_DIR) + "/" + std::string(writer.name) + ".so");
    fuzz::check(writer.library != nullptr, "cannot load a writer plug-in");
    writer.save = reinterpret_cast<SavePrgmFileFn>(writer.library->symbol(SAVE_PRGM_FILE_SYMBOL));
    fuzz::check(writer.save != nullptr, "a writer plug-in lacks SavePrgmFile");
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) {
    return 0;
  }
  const Writer& writer = WRITERS[(data[0] & 0x7F) % WRITERS.size()];
  const std::string_view name = BASE_NAMES[data[1] % std::size(BASE_NAMES)];
  const bool stretch = (data[0] & 0x80) != 0 && (writer.body == Body::Plain || writer.body == Body::Ti83Program);
  const std::vector<std::uint8_t> image = imageFrom(std::span(data + 2, size - 2), stretch, data[1]);
  saveAndCheck(writer, image, name);
  return 0;
}
