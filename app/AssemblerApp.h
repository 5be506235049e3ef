#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "app/AssemblerSettings.h"
#include "app/CommandLine.h"
#include "job/AssemblyJob.h"

// Exit statuses of the program.
inline constexpr int EXIT_ASSEMBLED = 0;         // no errors (warnings allowed); also --help, --version
inline constexpr int EXIT_CANNOT_RUN = 1;        // bad command line, missing table, source or plug-in
inline constexpr int EXIT_ASSEMBLY_FAILED = 2;   // errors, or the run was stopped

// The program: start-up, the command line, and one assembly job.
class AssemblerApp {
public:
  // Runs quarn with the arguments after the program name; returns the exit status.
  int main(std::span<const std::string_view> arguments);

  // The job variant the options select.
  static std::unique_ptr<AssemblyJob> createJob(const CommandLine& commandLine, const AssemblerSettings& settings);
  // The settings of the run: the program's, resolved, and what the command line
  // adds. Paths the user wrote are made absolute against the current directory.
  static RunSettings runSettingsFor(const CommandLine& commandLine, const AssemblerSettings& settings);

private:
  AssemblerSettings settings_;
};
