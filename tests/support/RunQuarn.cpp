#include "tests/support/RunQuarn.h"

#include <cstdlib>

#include "tests/support/TempDir.h"

namespace {

std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

}  // namespace

std::string quarnBinary() { return std::string(QUARN_BIN_DIR) + "/quarn"; }

QuarnRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const std::filesystem::path& workingDirectory) {
  TempDir capture;
  const auto outPath = capture.path() / "out";
  const auto errPath = capture.path() / "err";
  const auto statusPath = capture.path() / "status";
  std::string command = "cd " + shellQuoted(workingDirectory.string()) + " && " + shellQuoted(program);
  for (const std::string& argument : arguments) {
    command += " " + shellQuoted(argument);
  }
  command += " >" + shellQuoted(outPath.string()) + " 2>" + shellQuoted(errPath.string()) + " </dev/null";
  // The shell reports the program's own exit status, also after a signal (128 + n).
  command = "(" + command + "); echo $? >" + shellQuoted(statusPath.string());
  QuarnRun run;
  if (std::system(command.c_str()) == 0) {
    run.exitStatus = std::stoi(readText(statusPath));
  }
  run.out = readText(outPath);
  run.err = readText(errPath);
  return run;
}

QuarnRun runQuarn(const std::vector<std::string>& arguments, const std::filesystem::path& workingDirectory) {
  return runProgram(quarnBinary(), arguments, workingDirectory);
}

std::string wroteLine(const std::string& shownName, const std::filesystem::path& file) {
  return "Wrote " + shownName + " (" + std::to_string(std::filesystem::file_size(file)) + " bytes)\n";
}
