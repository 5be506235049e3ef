#include "plugins/common/VariableFile.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace calcfile {
namespace {

constexpr std::uint8_t TI83_PLUS_VERSION = 0x01;
constexpr std::uint8_t TI83_PLUS_FLAG = 0x00;
constexpr std::size_t MAX_WORD = std::numeric_limits<std::uint16_t>::max();
constexpr std::size_t SIGNATURE_SIZE = 8;
constexpr std::size_t SIGNATURE_TAIL_SIZE = 3;

// Everything that tells one family's file apart from another's.
struct FamilyLayout {
  std::string_view signature;  // 8 characters
  std::array<std::uint8_t, SIGNATURE_TAIL_SIZE> signatureTail;
  bool hasNameLength;
  bool padsName;  // the name field is always 8 bytes; otherwise it holds just the name
  bool hasVersionAndFlag;
};

// Indexed by Family. The TI-85 alone marks its files with 0x0C in the tail, and
// stores only the name's own characters.
constexpr std::array<FamilyLayout, 6> FAMILY_LAYOUTS{{
    {"**TI86**", {0x1A, 0x0A, 0x00}, true, true, false},
    {"**TI83F*", {0x1A, 0x0A, 0x00}, false, true, true},
    {"**TI82**", {0x1A, 0x0A, 0x00}, false, true, false},
    {"**TI83**", {0x1A, 0x0A, 0x00}, false, true, false},
    {"**TI73**", {0x1A, 0x0A, 0x00}, false, true, false},
    {"**TI85**", {0x1A, 0x0C, 0x00}, true, false, false},
}};

const FamilyLayout& layoutOf(Family family) {
  return FAMILY_LAYOUTS.at(static_cast<std::size_t>(family));
}

std::size_t nameFieldSize(const FamilyLayout& layout, const VariableName& name) {
  return layout.padsName ? NAME_FIELD_SIZE : name.length;
}

// The entry header's own length word counts the fields behind it up to, not
// including, the repeated data length.
std::size_t entryHeaderLength(const FamilyLayout& layout, const VariableName& name) {
  return 2 + 1 + (layout.hasNameLength ? 1 : 0) + nameFieldSize(layout, name) + (layout.hasVersionAndFlag ? 2 : 0);
}

// The file-name part of a path, as a splitter into drive, directory, name and
// extension finds it: a leading drive letter and ':' belong to the drive.
std::string_view fileTitle(std::string_view basePath) {
  const bool hasDrive = basePath.size() >= 2 && basePath[1] == ':';
  std::string_view component = lastPathComponent(hasDrive ? basePath.substr(2) : basePath);
  if (component == "." || component == "..") {
    return {};
  }
  return component.substr(0, component.find_last_of('.'));
}

void appendText(std::vector<std::uint8_t>& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

void appendHeader(std::vector<std::uint8_t>& out, const FamilyLayout& layout, std::string_view comment) {
  appendText(out, layout.signature);
  out.insert(out.end(), layout.signatureTail.begin(), layout.signatureTail.end());
  const std::string_view fitted = comment.substr(0, COMMENT_FIELD_SIZE);
  appendText(out, fitted);
  out.insert(out.end(), COMMENT_FIELD_SIZE - fitted.size(), 0);
}

void appendEntry(std::vector<std::uint8_t>& out, const FamilyLayout& layout, const VariableSpec& variable) {
  const auto dataLength = static_cast<std::uint16_t>(variable.data.size());
  appendWord(out, static_cast<std::uint16_t>(entryHeaderLength(layout, variable.name)));
  appendWord(out, dataLength);
  out.push_back(variable.typeId);
  if (layout.hasNameLength) {
    out.push_back(variable.name.length);
  }
  const auto nameField = std::span(variable.name.field).first(nameFieldSize(layout, variable.name));
  out.insert(out.end(), nameField.begin(), nameField.end());
  if (layout.hasVersionAndFlag) {
    out.push_back(TI83_PLUS_VERSION);
    out.push_back(TI83_PLUS_FLAG);
  }
  appendWord(out, dataLength);
  out.insert(out.end(), variable.data.begin(), variable.data.end());
}

}  // namespace

VariableName makeVariableName(std::string_view text) {
  VariableName name;
  const std::string_view kept = text.substr(0, NAME_FIELD_SIZE);
  std::copy(kept.begin(), kept.end(), name.field.begin());
  name.length = static_cast<std::uint8_t>(kept.size());
  return name;
}

std::string_view lastPathComponent(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

VariableName defaultVariableName(std::string_view basePath) {
  return makeVariableName(lastPathComponent(basePath));
}

std::string upperCaseTitle(std::string_view basePath) {
  std::string title(fileTitle(basePath));
  std::transform(title.begin(), title.end(), title.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
  return title;
}

VariableName upperCaseTitleName(std::string_view basePath) { return makeVariableName(upperCaseTitle(basePath)); }

std::vector<std::uint8_t> variableData(std::initializer_list<std::span<const std::uint8_t>> bodyParts) {
  const std::size_t bodySize = std::accumulate(bodyParts.begin(), bodyParts.end(), std::size_t{0},
                                               [](std::size_t sum, auto part) { return sum + part.size(); });
  std::vector<std::uint8_t> data;
  data.reserve(2 + bodySize);
  appendWord(data, static_cast<std::uint16_t>(bodySize));
  for (const auto part : bodyParts) {
    data.insert(data.end(), part.begin(), part.end());
  }
  return data;
}

std::span<const std::uint8_t> withoutLeadingToken(std::span<const std::uint8_t> token,
                                                  std::span<const std::uint8_t> image) {
  if (image.size() >= token.size() && std::equal(token.begin(), token.end(), image.begin())) {
    return image.subspan(token.size());
  }
  return image;
}

std::vector<std::uint8_t> tokenProgramData(std::span<const std::uint8_t> token, std::span<const std::uint8_t> image) {
  return variableData({token, withoutLeadingToken(token, image)});
}

std::optional<std::vector<std::uint8_t>> buildVariableFile(const VariableSpec& variable) {
  const FamilyLayout& layout = layoutOf(variable.family);
  const std::size_t sectionLength = 2 + entryHeaderLength(layout, variable.name) + 2 + variable.data.size();
  if (sectionLength > MAX_WORD) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> file;
  file.reserve(SIGNATURE_SIZE + SIGNATURE_TAIL_SIZE + COMMENT_FIELD_SIZE + 2 + sectionLength + 2);
  appendHeader(file, layout, variable.comment);
  appendWord(file, static_cast<std::uint16_t>(sectionLength));
  const std::size_t sectionStart = file.size();
  appendEntry(file, layout, variable);
  appendWord(file, checksum(std::span(file).subspan(sectionStart)));
  return file;
}

std::uint16_t checksum(std::span<const std::uint8_t> bytes) {
  unsigned sum = 0;
  for (const std::uint8_t byte : bytes) {
    sum += byte;
  }
  return static_cast<std::uint16_t>(sum);
}

void appendWord(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

}  // namespace calcfile
