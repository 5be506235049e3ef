#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "job/RunSettings.h"

// What the command line asks for: quarn [options] source.asm
//
// The classic options (-p, -s, -h) keep their rule that only the letter after the
// minus counts (-hex is -h); the added flags (-l, -g, -q, -M) follow it too. The
// options that take a value (-p, -o, -I, -D) also accept it attached, as GNU tools
// do: -pheron, -oout.86p, -Iinc, -DDEBUG.
struct CommandLine {
  bool symbolOutput = false;  // -s
  bool hexOutput = false;     // -h
  bool pluginGiven = false;   // -p name
  std::string pluginArg;
  bool usageError = false;
  // Why the line was rejected, for standard error; empty when there is nothing to
  // name (no arguments at all).
  std::string problem;
  std::string sourcePath;  // the last argument, exactly as given

  bool helpWanted = false;     // --help
  bool versionWanted = false;  // --version
  std::string outputPath;      // -o file, exactly as given; empty: beside the source
  std::vector<std::string> includeDirs;  // -I dir, in the order given
  std::vector<Predefine> predefines;     // -D name[=value], in the order given
  bool listingWanted = false;            // -l
  bool gnuDiagnostics = false;           // -g
  bool quiet = false;                    // -q
  bool dependencyFileWanted = false;     // -M
};

// Parses the arguments after the program name.
CommandLine parseCommandLine(std::span<const std::string_view> arguments);
