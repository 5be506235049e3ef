#include "app/CommandLine.h"

CommandLine parseCommandLine(std::span<const std::string_view> arguments) {
  CommandLine result;
  if (arguments.empty()) {
    result.usageError = true;
    return result;
  }
  // The last argument is always the source, never an option: "quarn -s" assembles
  // a file named -s.
  const std::size_t last = arguments.size() - 1;
  result.sourcePath = std::string(arguments[last]);
  for (std::size_t i = 0; i < last && !result.usageError; ++i) {
    const std::string_view argument = arguments[i];
    // Only the letter after the minus counts: -sym acts as -s, -hexdump as -h.
    const char option = argument.size() >= 2 && argument[0] == '-' ? argument[1] : '\0';
    switch (option) {
      case 'p':
        if (i + 1 < last) {
          result.pluginArg = std::string(arguments[++i]);
          result.pluginGiven = true;
        } else {
          result.usageError = true;
        }
        break;
      case 's':
        result.symbolOutput = true;
        break;
      case 'h':
        result.hexOutput = true;
        break;
      default:
        result.usageError = true;
        break;
    }
  }
  return result;
}
