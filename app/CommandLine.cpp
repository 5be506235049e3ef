#include "app/CommandLine.h"

#include <optional>

#include "base/CharClass.h"

namespace {

constexpr std::string_view HELP_OPTION = "--help";
constexpr std::string_view VERSION_OPTION = "--version";

void reject(CommandLine& result, std::string problem) {
  result.usageError = true;
  result.problem = std::move(problem);
}

// What the value of an option that takes one stands for, to say what is missing.
std::string_view valueNameOf(char option) {
  switch (option) {
    case 'p':
      return "a plug-in name";
    case 'o':
      return "a file name";
    case 'I':
      return "a folder";
    default:
      return "a name";
  }
}

bool takesValue(char option) { return option == 'p' || option == 'o' || option == 'I' || option == 'D'; }

bool isName(std::string_view text) {
  if (text.empty() || isDigit(text.front())) {
    return false;
  }
  for (const char c : text) {
    if (!isWordChar(c)) {
      return false;
    }
  }
  return true;
}

// NAME or NAME=VALUE; a name alone stands for 1, as a C compiler's -D does.
std::optional<Predefine> parsePredefine(std::string_view text) {
  const std::size_t equals = text.find('=');
  const std::string_view name = text.substr(0, equals);
  if (!isName(name)) {
    return std::nullopt;
  }
  const std::string_view value = equals == std::string_view::npos ? "1" : text.substr(equals + 1);
  return Predefine{std::string(name), std::string(value)};
}

void applyValue(CommandLine& result, char option, std::string_view value) {
  switch (option) {
    case 'p':
      result.pluginArg = std::string(value);
      result.pluginGiven = true;
      break;
    case 'o':
      result.outputPath = std::string(value);
      break;
    case 'I':
      result.includeDirs.emplace_back(value);
      break;
    default:
      if (std::optional<Predefine> predefine = parsePredefine(value)) {
        result.predefines.push_back(std::move(*predefine));
      } else {
        reject(result, "quarn: -D needs a name made of letters, digits and _: " + std::string(value));
      }
      break;
  }
}

// Sets the flag of a one-letter option; false when the letter is no option.
bool applyFlag(CommandLine& result, char option) {
  switch (option) {
    case 's':
      result.symbolOutput = true;
      return true;
    case 'h':
      result.hexOutput = true;
      return true;
    case 'l':
      result.listingWanted = true;
      return true;
    case 'g':
      result.gnuDiagnostics = true;
      return true;
    case 'q':
      result.quiet = true;
      return true;
    case 'M':
      result.dependencyFileWanted = true;
      return true;
    default:
      return false;
  }
}

// The classic line reads only the letter of "-plugin heron": the next word is the
// plug-in. "-pNAME" names the plug-in itself only where that reading fails, when
// no plain word follows before the source.
bool nextIsClassicPluginName(std::span<const std::string_view> arguments, std::size_t i, std::size_t last) {
  return i + 1 < last && !arguments[i + 1].empty() && arguments[i + 1][0] != '-';
}

// --help and --version answer at once, wherever they stand, even last.
bool applyInformationOption(CommandLine& result, std::string_view argument) {
  result.helpWanted = argument == HELP_OPTION;
  result.versionWanted = argument == VERSION_OPTION;
  return result.helpWanted || result.versionWanted;
}

}  // namespace

CommandLine parseCommandLine(std::span<const std::string_view> arguments) {
  CommandLine result;
  if (arguments.empty()) {
    reject(result, "quarn: no source file given");
    return result;
  }
  // The last argument is always the source, never an option: "quarn -s" assembles
  // a file named -s.
  const std::size_t last = arguments.size() - 1;
  result.sourcePath = std::string(arguments[last]);
  for (std::size_t i = 0; i < last && !result.usageError; ++i) {
    const std::string_view argument = arguments[i];
    if (applyInformationOption(result, argument)) {
      return result;
    }
    if (argument.empty() || argument[0] != '-') {
      reject(result, "quarn: unexpected argument " + std::string(argument) + " (the source file comes last)");
      break;
    }
    // A lone minus has no letter: '\0' names no option.
    const char option = argument.size() > 1 ? argument[1] : '\0';
    if (!takesValue(option)) {
      // Only the letter after the minus counts: -sym acts as -s, -hexdump as -h.
      if (option == '-' || !applyFlag(result, option)) {
        reject(result, "quarn: unknown option " + std::string(argument));
      }
      continue;
    }
    const std::string_view attached = argument.substr(2);
    if (!attached.empty() && !(option == 'p' && nextIsClassicPluginName(arguments, i, last))) {
      applyValue(result, option, attached);
    } else if (i + 1 < last) {
      applyValue(result, option, arguments[++i]);
    } else {
      reject(result, "quarn: -" + std::string(1, option) + " needs " + std::string(valueNameOf(option)) +
                         " before the source file");
    }
  }
  if (!result.usageError) {
    applyInformationOption(result, arguments[last]);
  }
  return result;
}
