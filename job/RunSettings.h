#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::int32_t OPT_CHECK_INDIRECTION = 1;  // pass 2 warns about "(expr)" operands
inline constexpr std::int32_t OPT_CASE_INSENSITIVE = 2;   // symbol names are folded to upper case

// A name defined before the source's first line, as "#DEFINE name value" would.
struct Predefine {
  std::string name;
  std::string value;
  bool operator==(const Predefine&) const = default;
};

// What a run takes from the program that starts it: the program's settings, with
// the names of the files quarn ships with already resolved to where they were
// found, and what the command line asked for. The job holds them unchanged for the
// whole run.
struct RunSettings {
  std::string tableFile;
  // Where #INCLUDE and .INCBIN look, in order, for a name that the source's own
  // folder does not hold: the command line's folders, then quarn's own.
  std::vector<std::string> includeDirectories;
  // The include folder's name as set; .INCBIN also looks for it beside the source.
  std::string includeFolder;
  // Where a plug-in named without a folder is looked for, in order.
  std::vector<std::string> pluginDirectories;
  std::int32_t optionFlags = OPT_CHECK_INDIRECTION | OPT_CASE_INSENSITIVE;

  // The main output's file: absolute, so that it names the same file after the
  // run moved into the source's folder; empty for the file beside the source.
  std::string outputPath;
  std::string outputName;  // the same as the user wrote it, for messages
  std::vector<Predefine> predefines;
  bool listingWanted = false;         // also write a listing beside the output
  bool gnuDiagnostics = false;        // diagnostics as FILE:LINE: error: TEXT on standard error
  bool quiet = false;                 // no progress lines
  bool dependencyFileWanted = false;  // also write a make rule of the files read
};
