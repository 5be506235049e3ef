// The calculator variable file shared by every writer plug-in: a 53-byte header,
// the data-section length, one variable entry and a 16-bit checksum.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace calcfile {

// The file families differ in signature and in the fields of the entry header.
enum class Family { Ti86, Ti83Plus, Ti82, Ti83, Ti73, Ti85 };

inline constexpr std::size_t NAME_FIELD_SIZE = 8;
inline constexpr std::size_t COMMENT_FIELD_SIZE = 42;
// The mark by which the TI-86 tells an assembly program from a BASIC one.
inline constexpr std::array<std::uint8_t, 2> TI86_ASM_PROGRAM_MARK{0x8E, 0x28};

// A variable name as stored: its characters, zero-padded to the 8-byte field, and their count.
struct VariableName {
  std::array<std::uint8_t, NAME_FIELD_SIZE> field{};
  std::uint8_t length = 0;
};

// Builds a name from up to the first 8 characters of `text`, unchanged.
VariableName makeVariableName(std::string_view text);

// The last component of a path: the text after its last '\' or '/' (the whole path
// when it has neither). Paths may come from either kind of system.
std::string_view lastPathComponent(std::string_view path);

// The name most writers use: the first 8 characters of the last component, case kept.
VariableName defaultVariableName(std::string_view basePath);

// The name of a program that is picked from the calculator's program menu: the
// last component without its extension, as a splitter into drive, directory,
// name and extension finds it, with ASCII letters upper-cased.
std::string upperCaseTitle(std::string_view basePath);

// That name as stored: its first 8 characters.
VariableName upperCaseTitleName(std::string_view basePath);

struct VariableSpec {
  Family family;
  std::string_view comment;            // at most 42 characters; zero-padded in the file
  std::uint8_t typeId;
  VariableName name;                   // its length byte is stored only by the TI-85 and TI-86 families
  std::span<const std::uint8_t> data;  // the whole variable data, starting with its own length word
};

// Variable data of the usual shape: a length word counting the body, then the body,
// given as consecutive parts. A body too long for the word is refused later by
// buildVariableFile, whose length fields cannot hold it either.
std::vector<std::uint8_t> variableData(std::initializer_list<std::span<const std::uint8_t>> bodyParts);

// The image without its first bytes when they are the token the writer puts in
// front of the code: sources for these calculators often write the token
// themselves, and a second copy would be run as code, two or three bytes off every
// address.
std::span<const std::uint8_t> withoutLeadingToken(std::span<const std::uint8_t> token,
                                                  std::span<const std::uint8_t> image);

// Variable data whose body is the token followed by the code, the token held once.
std::vector<std::uint8_t> tokenProgramData(std::span<const std::uint8_t> token, std::span<const std::uint8_t> image);

// The complete file: header, data-section length, entry header, variable data and
// checksum. Returns std::nullopt when the data does not fit the 16-bit length fields.
std::optional<std::vector<std::uint8_t>> buildVariableFile(const VariableSpec& variable);

// The 16-bit sum of the bytes, each taken as unsigned.
std::uint16_t checksum(std::span<const std::uint8_t> bytes);

// Appends a 16-bit value, low byte first, as every number in these files is stored.
void appendWord(std::vector<std::uint8_t>& out, std::uint16_t value);

}  // namespace calcfile
