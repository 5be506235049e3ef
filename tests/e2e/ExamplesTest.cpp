// Every program under examples/ is assembled by the built quarn exactly as the
// examples' README tells a newcomer to do it, and the calculator file it writes
// is taken apart again: header, checksum, variable data, and the machine code
// inside (unpacked where the writer compressed it, decoded where it wrote hex).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "tests/support/RunQuarn.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Family {
  const char* signature;
  std::uint8_t signatureTail;       // the middle byte of 1A ?? 00
  std::uint16_t entryHeaderLength;  // the word at offset 55, for an unpadded name without the name
  bool hasNameLength;               // TI-85 and TI-86: a byte before the name
  bool padsName;                    // all but the TI-85: the name field is always 8 bytes
  std::size_t nameOffset;
};

const Family TI86{"**TI86**", 0x0A, 12, true, true, 61};
const Family TI83_PLUS{"**TI83F*", 0x0A, 13, false, true, 60};
const Family TI82{"**TI82**", 0x0A, 11, false, true, 60};
const Family TI73{"**TI73**", 0x0A, 11, false, true, 60};
const Family TI83{"**TI83**", 0x0A, 11, false, true, 60};
const Family TI85{"**TI85**", 0x0C, 4, true, false, 61};

// How the writer turned the assembled image into the variable's body.
enum class Body {
  AsmProgram86,   // 8E 28, then the image
  String86,       // the image alone
  HexProgram86,   // 00 "AsmPrgm" D6, then the image as hex text
  HexProgram83,   // the image as hex text on one line, then the lines End, 0000, End
  SelfUnpacking,  // 8E 28, prefix, unpacking stub, compressed rest
  Compressed,     // 8E 28, prefix, compressed rest
  AsmProgram83,   // BB 6D, then the image
  CrashProgram,   // D5 00 11, then the image
  Plain,          // the image alone
  ZShellString,   // 00 FD, the title length, the image, its sum
};

struct Example {
  const char* source;  // below examples/
  const char* output;  // the file quarn must write next to it
  const Family* family;
  std::uint8_t typeId;
  std::string name;  // the 8-byte name field, without its zero padding
  Body body;
  std::uint16_t origin;  // calculator address of the image's first byte
  std::string text;      // the bytes the example stores as text
  bool textIsZeroTerminated;
  std::vector<Bytes> calls;  // system calls that must appear in the code, in this order
};

// call _clrLCD, call _homeup, call _puts (TI-86)
const std::vector<Bytes> TI86_CALLS{{0xCD, 0x7E, 0x4A}, {0xCD, 0x95, 0x4A}, {0xCD, 0x37, 0x4A}};
// bcall ClrLCDFull, HomeUp, PutS (TI-83 Plus): rst 28h and the routine's address
const std::vector<Bytes> TI83_PLUS_CALLS{{0xEF, 0x40, 0x45}, {0xEF, 0x58, 0x45}, {0xEF, 0x0A, 0x45}};
// ROM_CALL CLEARLCD, ROM_CALL D_ZT_STR (CrASH): call $8D74 and the routine's address
const std::vector<Bytes> CRASH_CALLS{{0xCD, 0x74, 0x8D, 0x9A, 0x38}, {0xCD, 0x74, 0x8D, 0xFA, 0x38}};
// bcall ClrScrnFull, PutS (TI-73)
const std::vector<Bytes> TI73_CALLS{{0xEF, 0xAD, 0x44}, {0xEF, 0x71, 0x44}};
// call _clrlcdfull, _puts, _newline (TI-83)
const std::vector<Bytes> TI83_CALLS{{0xCD, 0x55, 0x47}, {0xCD, 0x0D, 0x47}, {0xCD, 0x3D, 0x47}};
// ROM_CALL CLEARLCD, ROM_CALL D_ZT_STR (ZShell): call $8C09 and the routine's number
const std::vector<Bytes> ZSHELL_CALLS{{0xCD, 0x09, 0x8C, 0x08}, {0xCD, 0x09, 0x8C, 0x0B}};

const std::string HELLO = "Hello, world!";

const Example EXAMPLES[] = {
    {"ti86/hello.asm", "hello.86p", &TI86, 0x12, "hello", Body::AsmProgram86, 0xD748, HELLO, true, TI86_CALLS},
    {"ti86-string/data.asm", "data.86s", &TI86, 0x0C, "data", Body::String86, 0, "Hello from quarn", false, {}},
    {"ti86-hex/hello.asm", "hello.86p", &TI86, 0x12, "hello", Body::HexProgram86, 0xD748, HELLO, true, TI86_CALLS},
    {"ti86-compressed/hello.asm", "hello.86P", &TI86, 0x12, "hello", Body::SelfUnpacking, 0xD748, HELLO, true,
     TI86_CALLS},
    {"ti86-dorun/hello.asm", "hello.86P", &TI86, 0x12, "hello", Body::Compressed, 0xD748, HELLO, true, TI86_CALLS},
    {"ti83plus/hello.asm", "hello.8xp", &TI83_PLUS, 0x06, "HELLO", Body::AsmProgram83, 0x9D95, HELLO, true,
     TI83_PLUS_CALLS},
    {"ti82/hello.asm", "hello.82p", &TI82, 0x06, "\xDChello", Body::CrashProgram, 0x9104, HELLO, true, CRASH_CALLS},
    {"ti73/hello.asm", "hello.73p", &TI73, 0x06, "HELLO", Body::Plain, 0x9C37, HELLO, true, TI73_CALLS},
    {"ti83/hello.asm", "hello.83p", &TI83, 0x06, "HELLO", Body::HexProgram83, 0x9327, HELLO, true, TI83_CALLS},
    {"ti85/hello.asm", "hello.85s", &TI85, 0x0C, "hello", Body::ZShellString, 0, HELLO, true, ZSHELL_CALLS},
};

// Failure messages name the example rather than dumping its bytes.
void PrintTo(const Example& example, std::ostream* out) { *out << example.source; }

constexpr std::uint16_t LOAD_ADDRESS = 0xD748;  // where a TI-86 program's first byte runs
constexpr std::size_t STUB_LENGTH = 67;

std::uint16_t word(const Bytes& bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes.at(offset) | bytes.at(offset + 1) << 8);
}

Bytes slice(const Bytes& bytes, std::size_t from, std::size_t to) {
  return Bytes(bytes.begin() + static_cast<long>(from), bytes.begin() + static_cast<long>(to));
}

Bytes textBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

std::size_t nameFieldLength(const Example& example) {
  return example.family->padsName ? 8 : example.name.size();
}

std::uint16_t entryHeaderLength(const Example& example) {
  return static_cast<std::uint16_t>(example.family->entryHeaderLength +
                                    (example.family->padsName ? 0 : example.name.size()));
}

// Of the variable data: behind the name field, the repeated data length.
std::size_t dataOffset(const Example& example) {
  return example.family->nameOffset + nameFieldLength(example) + (example.family == &TI83_PLUS ? 2 : 0) + 2;
}

// Position of `needle` in `haystack` at or after `from`, or npos.
std::size_t find(const Bytes& haystack, const Bytes& needle, std::size_t from = 0) {
  if (from > haystack.size()) {
    return std::string::npos;
  }
  const auto at = std::search(haystack.begin() + static_cast<long>(from), haystack.end(), needle.begin(), needle.end());
  return at == haystack.end() ? std::string::npos : static_cast<std::size_t>(at - haystack.begin());
}

// Unpacks a compressed stream as the calculator does: groups of a flag byte and
// up to eight items, a set flag bit meaning a back-reference (X, Y) or, for
// X = 1F, the end.
Bytes unpack(const Bytes& stream) {
  Bytes out;
  std::size_t in = 0;
  while (true) {
    const std::uint8_t flags = stream.at(in++);
    for (int bit = 7; bit >= 0; --bit) {
      if ((flags >> bit & 1) == 0) {
        out.push_back(stream.at(in++));
        continue;
      }
      const std::uint8_t x = stream.at(in++);
      if (x == 0x1F) {
        EXPECT_EQ(in, stream.size()) << "bytes after the end marker";
        return out;
      }
      const std::uint8_t y = stream.at(in++);
      const std::size_t distance = 2048 - ((x >> 5) * 256 + y);
      const std::size_t length = (x & 0x1F) + 3;
      if (distance > out.size()) {
        ADD_FAILURE() << "back-reference before the start of the output";
        return out;
      }
      for (std::size_t k = 0; k < length; ++k) {
        out.push_back(out[out.size() - distance]);
      }
    }
  }
}

int hexDigit(std::uint8_t c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

// The hex text: two upper-case digits per byte and, when the text has lines,
// the separator D6 before every odd-numbered byte from the third on.
enum class HexLines { TwoBytesEach, One };

Bytes decodeHexText(const Bytes& text, HexLines lines) {
  Bytes image;
  std::size_t i = 0;
  while (i < text.size()) {
    if (lines == HexLines::TwoBytesEach && image.size() >= 2 && image.size() % 2 == 0) {
      if (text[i] != 0xD6) {
        ADD_FAILURE() << "no line separator before byte " << image.size();
        return image;
      }
      ++i;
    }
    if (i + 1 >= text.size() || hexDigit(text[i]) < 0 || hexDigit(text[i + 1]) < 0) {
      ADD_FAILURE() << "not two hex digits at text offset " << i;
      return image;
    }
    image.push_back(static_cast<std::uint8_t>(hexDigit(text[i]) * 16 + hexDigit(text[i + 1])));
    i += 2;
  }
  return image;
}

// The program body after its length word, turned back into the assembled image.
Bytes imageOf(const Example& example, const Bytes& body) {
  const Bytes ti86Mark{0x8E, 0x28};
  switch (example.body) {
    case Body::String86:
      return body;
    case Body::AsmProgram86:
      EXPECT_EQ(slice(body, 0, 2), ti86Mark);
      return slice(body, 2, body.size());
    case Body::AsmProgram83:
      EXPECT_EQ(slice(body, 0, 2), (Bytes{0xBB, 0x6D}));
      return slice(body, 2, body.size());
    case Body::CrashProgram:
      EXPECT_EQ(slice(body, 0, 3), (Bytes{0xD5, 0x00, 0x11}));
      return slice(body, 3, body.size());
    case Body::Plain:
      return body;
    case Body::ZShellString: {
      EXPECT_EQ(slice(body, 0, 2), (Bytes{0x00, 0xFD}));
      const Bytes image = slice(body, 3, body.size() - 1);
      const Bytes title = textBytes("Hello");
      EXPECT_EQ(body.at(2), title.size()) << "title length";
      EXPECT_EQ(slice(image, 0, title.size() + 1), (Bytes{'H', 'e', 'l', 'l', 'o', 0})) << "title first";
      std::uint8_t sum = body.at(2);
      for (const std::uint8_t byte : image) {
        sum = static_cast<std::uint8_t>(sum + byte);
      }
      EXPECT_EQ(body.back(), sum) << "the shell's check byte";
      return image;
    }
    case Body::HexProgram86: {
      const Bytes head{0x00, 'A', 's', 'm', 'P', 'r', 'g', 'm', 0xD6};
      EXPECT_EQ(slice(body, 0, head.size()), head);
      return decodeHexText(slice(body, head.size(), body.size()), HexLines::TwoBytesEach);
    }
    case Body::HexProgram83: {
      const Bytes tail{0x3F, 0xD4, 0x3F, '0', '0', '0', '0', 0x3F, 0xD4};
      if (body.size() < tail.size()) {
        ADD_FAILURE() << "the body is shorter than the End, 0000, End lines";
        return {};
      }
      EXPECT_EQ(slice(body, body.size() - tail.size(), body.size()), tail);
      return decodeHexText(slice(body, 0, body.size() - tail.size()), HexLines::One);
    }
    case Body::SelfUnpacking: {
      EXPECT_EQ(slice(body, 0, 2), ti86Mark);
      // The program opens with jp entry; the stub sits at the entry address.
      EXPECT_EQ(body.at(2), 0xC3) << "the example must start with an absolute jump";
      const std::uint16_t entry = word(body, 3);
      const std::size_t prefix = entry - LOAD_ADDRESS;
      const std::size_t stubAt = 2 + prefix;
      const Bytes stream = slice(body, stubAt + STUB_LENGTH, body.size());
      EXPECT_EQ(word(body, stubAt + 1), entry + 21) << "stub: start of its copied loop";
      EXPECT_EQ(word(body, stubAt + 7), stream.size() + 46) << "stub: bytes to copy";
      EXPECT_EQ(word(body, stubAt + 15), entry) << "stub: where it unpacks to";
      Bytes image = slice(body, 2, stubAt);
      const Bytes rest = unpack(stream);
      image.insert(image.end(), rest.begin(), rest.end());
      return image;
    }
    case Body::Compressed: {
      EXPECT_EQ(slice(body, 0, 2), ti86Mark);
      // nop, jp target: everything up to three bytes past the target stays plain.
      EXPECT_EQ(slice(body, 2, 4), (Bytes{0x00, 0xC3})) << "the example must start with nop and jp";
      const std::size_t prefix = word(body, 4) + 3 - LOAD_ADDRESS;
      Bytes image = slice(body, 2, 2 + prefix);
      const Bytes rest = unpack(slice(body, 2 + prefix, body.size()));
      image.insert(image.end(), rest.begin(), rest.end());
      return image;
    }
  }
  return {};
}

class Examples : public testing::TestWithParam<Example> {};

TEST_P(Examples, AssembleFromAnotherDirectoryIntoACorrectCalculatorFile) {
  const Example& example = GetParam();
  const fs::path original = fs::path(QUARN_SOURCE_DIR) / "examples" / example.source;
  ASSERT_TRUE(fs::exists(original)) << original;

  // The example is copied below examples/ of a scratch tree and assembled from
  // the tree's root, the way the README shows it.
  TempDir tree;
  const fs::path relative = fs::path("examples") / example.source;
  fs::create_directories(tree.path() / relative.parent_path());
  fs::copy_file(original, tree.path() / relative);
  const QuarnRun run = runQuarn({relative.string()}, tree.path());

  EXPECT_EQ(run.exitStatus, 0) << run.out << run.err;
  EXPECT_EQ(run.out.find("Error #"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("Warning #"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Assembly complete - 0 error(s), 0 warning(s)\n"), std::string::npos) << run.out;

  // Exactly one new file, beside the source, named by the writer's extension.
  std::set<std::string> written;
  for (const fs::directory_entry& entry : fs::directory_iterator(tree.path() / relative.parent_path())) {
    written.insert(entry.path().filename().string());
  }
  EXPECT_EQ(written, (std::set<std::string>{relative.filename().string(), example.output}));
  const fs::path outputPath = tree.path() / relative.parent_path() / example.output;
  ASSERT_TRUE(fs::exists(outputPath)) << outputPath;
  const Bytes file = readBytes(outputPath);
  const Family& family = *example.family;
  const std::size_t dataAt = dataOffset(example);
  ASSERT_GE(file.size(), dataAt + 4);

  // Header and entry header.
  Bytes signature = textBytes(family.signature);
  signature.insert(signature.end(), {0x1A, family.signatureTail, 0x00});
  EXPECT_EQ(slice(file, 0, 11), signature);
  EXPECT_EQ(word(file, 53), file.size() - 57) << "data-section length";
  EXPECT_EQ(word(file, 55), entryHeaderLength(example));
  const std::size_t dataLength = file.size() - dataAt - 2;
  EXPECT_EQ(word(file, 57), dataLength);
  EXPECT_EQ(word(file, dataAt - 2), dataLength) << "repeated data length";
  EXPECT_EQ(file[59], example.typeId);
  Bytes name = textBytes(example.name);
  name.resize(nameFieldLength(example), 0);
  EXPECT_EQ(slice(file, family.nameOffset, family.nameOffset + name.size()), name);
  if (family.hasNameLength) {
    EXPECT_EQ(file[60], example.name.size());
  }
  if (&family == &TI83_PLUS) {
    EXPECT_EQ(slice(file, 68, 70), (Bytes{0x01, 0x00})) << "version and flag";
  }

  // The checksum covers the data section, from the entry header length word on.
  std::uint32_t sum = 0;
  for (std::size_t i = 55; i < file.size() - 2; ++i) {
    sum += file[i];
  }
  EXPECT_EQ(word(file, file.size() - 2), sum & 0xFFFF) << "checksum";

  // The variable data: its own length word, then the body.
  const Bytes data = slice(file, dataAt, file.size() - 2);
  EXPECT_EQ(word(data, 0), data.size() - 2);
  const Bytes image = imageOf(example, slice(data, 2, data.size()));
  if (testing::Test::HasFailure()) {
    return;
  }

  // The text the example stores, and the code that uses it.
  Bytes text = textBytes(example.text);
  if (example.textIsZeroTerminated) {
    text.push_back(0);
  }
  if (example.body == Body::String86) {
    EXPECT_EQ(image, text);
    return;
  }
  const std::size_t textAt = find(image, text);
  ASSERT_NE(textAt, std::string::npos) << "the message is not in the program";
  const std::uint16_t textAddress = static_cast<std::uint16_t>(example.origin + textAt);
  // A shell program runs wherever the shell put it: it loads the text's offset
  // into DE and adds the program's address.
  const std::uint8_t load = example.body == Body::ZShellString ? 0x11 : 0x21;
  const Bytes loadText{load, static_cast<std::uint8_t>(textAddress & 0xFF), static_cast<std::uint8_t>(textAddress >> 8)};
  EXPECT_NE(find(image, loadText), std::string::npos) << "no ld hl/de,message with the message's address";
  std::size_t from = 0;
  for (const Bytes& call : example.calls) {
    from = find(image, call, from);
    ASSERT_NE(from, std::string::npos) << "system call " << &call - example.calls.data() << " missing or out of order";
    from += call.size();
  }
  EXPECT_NE(find(image, Bytes{0xC9}, from), std::string::npos) << "no ret after the last system call";
}

std::string exampleName(const testing::TestParamInfo<Example>& info) {
  std::string name = info.param.source;
  name = name.substr(0, name.find('.'));
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Table, Examples, testing::ValuesIn(EXAMPLES), exampleName);

// A new example must join the table above, and every one must be in the README.
TEST(ExampleList, EveryExampleIsTestedAndListedInTheReadme) {
  const fs::path root = fs::path(QUARN_SOURCE_DIR) / "examples";
  std::set<std::string> onDisk;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    if (entry.path().extension() == ".asm" && entry.path().parent_path() != root) {
      onDisk.insert(fs::relative(entry.path(), root).generic_string());
    }
  }
  std::set<std::string> tested;
  for (const Example& example : EXAMPLES) {
    tested.insert(example.source);
  }
  EXPECT_EQ(onDisk, tested);
  const std::string readme = readText(root / "README.md");
  for (const std::string& source : tested) {
    EXPECT_NE(readme.find("examples/" + source), std::string::npos) << source << " is not in examples/README.md";
  }
}

}  // namespace
