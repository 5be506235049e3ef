// Whether the calculator will list and run a program under the name the user
// means. The writers store names by their fixed rules whatever this finds; it only
// tells the user, one line on standard error per problem.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "plugins/common/VariableFile.h"

namespace calcfile {

// What a calculator accepts as a variable's name, and the name the user means.
// It has no default: every writer states the rules of its calculator.
struct NameRules {
  constexpr NameRules(std::string (*intended)(std::string_view basePath), std::size_t length, bool lowerCase)
      : intendedName(intended), length(length), lowerCase(lowerCase) {}

  // The writer's naming rule applied to the base path, before the name is cut to
  // the calculator's length: the name the user expects to run the program by.
  std::string (*intendedName)(std::string_view basePath);
  std::size_t length;  // the characters of the name the file stores
  bool lowerCase;      // whether the calculator's names hold lower-case letters
};

// The last component of the base path, as the default naming rule takes it.
std::string lastComponentName(std::string_view basePath);

// The TI-86: the first 8 characters of the name as written, in either case.
// The TI-85 names its variables the same way.
inline constexpr NameRules TI86_NAMES{lastComponentName, NAME_FIELD_SIZE, true};

// The TI-73, TI-83 and TI-83 Plus, whose programs are picked from a menu of
// capitals: 8 characters of the file's title, upper-cased.
inline constexpr NameRules PROGRAM_MENU_NAMES{upperCaseTitle, NAME_FIELD_SIZE, false};

// The problems of an intended name under the rules, each a sentence that quotes
// the name as stored: an empty name, a name cut to the calculator's length, one
// that starts with a digit, one that holds characters the calculator's names cannot.
std::vector<std::string> nameProblems(std::string_view intended, const NameRules& rules);

// Warns on standard error about each problem of the name the rules give the base
// path, naming the file written.
void warnAboutName(const NameRules& rules, std::string_view basePath, std::string_view filePath);

}  // namespace calcfile
