#pragma once

#include <span>
#include <string>
#include <string_view>

// What the command line asks for: quarn [options] source.asm
struct CommandLine {
  bool symbolOutput = false;  // -s
  bool hexOutput = false;     // -h
  bool pluginGiven = false;   // -p name
  std::string pluginArg;
  bool usageError = false;
  std::string sourcePath;  // the last argument, exactly as given
};

// Parses the arguments after the program name.
CommandLine parseCommandLine(std::span<const std::string_view> arguments);
