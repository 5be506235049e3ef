#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The outcome of running the built quarn program.
struct QuarnRun {
  int exitStatus = -1;
  std::string out;  // standard output
  std::string err;  // standard error
};

// Runs QUARN_BIN_DIR/quarn with the arguments, in the working directory given.
QuarnRun runQuarn(const std::vector<std::string>& arguments, const std::filesystem::path& workingDirectory);
// The same for any program (used for reference tools).
QuarnRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const std::filesystem::path& workingDirectory);

std::string quarnBinary();

// The line after the summary that names the file written, shown as `shownName`,
// with the size `file` has.
std::string wroteLine(const std::string& shownName, const std::filesystem::path& file);
