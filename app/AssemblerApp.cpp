#include "app/AssemblerApp.h"

#include <cstdio>

#include "app/InstallLayout.h"
#include "app/UsageText.h"
#include "app/Version.h"
#include "app/WriterChoice.h"
#include "job/ProgramExit.h"
#include "job/RunJob.h"
#include "platform/FileSystem.h"
#include "platform/StartUp.h"

namespace {

void writeOut(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// The usage text stays on standard output byte for byte as it always was; what
// was wrong goes to standard error, where scripts and users look for it.
int rejectCommandLine(const CommandLine& commandLine) {
  if (!commandLine.problem.empty()) {
    std::fputs((commandLine.problem + "\n").c_str(), stderr);
  }
  writeOut(USAGE_TEXT);
  return EXIT_CANNOT_RUN;
}

// With -o and no plug-in named, the file's extension must name the writer; a
// file no writer makes is refused before anything is assembled.
bool outputNeedsAWriter(const CommandLine& commandLine, const AssemblerSettings& settings) {
  return !commandLine.symbolOutput && !commandLine.hexOutput && !commandLine.pluginGiven &&
         !commandLine.outputPath.empty() && !writerForOutputFile(commandLine.outputPath, settings.pluginName);
}

int showInformation(const CommandLine& commandLine) {
  if (commandLine.helpWanted) {
    writeOut(USAGE_TEXT);
    writeOut(ADDED_OPTIONS_TEXT);
  } else {
    writeOut("quarn " + std::string(programVersion()) + "\n");
  }
  return EXIT_ASSEMBLED;
}

}  // namespace

std::unique_ptr<AssemblyJob> AssemblerApp::createJob(const CommandLine& commandLine,
                                                     const AssemblerSettings& settings) {
  if (commandLine.symbolOutput) {
    return std::make_unique<SymbolFileJob>(settings.optionFlags, nullptr);
  }
  if (commandLine.hexOutput) {
    return std::make_unique<HexListingJob>(settings.optionFlags, nullptr);
  }
  const std::optional<std::string> writerOfFile =
      commandLine.outputPath.empty() ? std::nullopt : writerForOutputFile(commandLine.outputPath, settings.pluginName);
  const std::string pluginName = commandLine.pluginGiven ? commandLine.pluginArg
                                 : writerOfFile          ? *writerOfFile
                                                         : settings.pluginName;
  auto job = std::make_unique<PluginOutputJob>(settings.optionFlags, pluginName, nullptr);
  job->checkPluginFirst = commandLine.pluginGiven || writerOfFile.has_value();
  return job;
}

RunSettings AssemblerApp::runSettingsFor(const CommandLine& commandLine, const AssemblerSettings& settings) {
  RunSettings run = resolveRunSettings(settings);
  std::vector<std::string> includeDirectories;
  for (const std::string& directory : commandLine.includeDirs) {
    includeDirectories.push_back(platform::absolutePath(directory));
  }
  includeDirectories.insert(includeDirectories.end(), run.includeDirectories.begin(), run.includeDirectories.end());
  run.includeDirectories = std::move(includeDirectories);
  if (!commandLine.outputPath.empty()) {
    run.outputPath = platform::absolutePath(commandLine.outputPath);
    run.outputName = commandLine.outputPath;
  }
  run.predefines = commandLine.predefines;
  run.listingWanted = commandLine.listingWanted;
  run.gnuDiagnostics = commandLine.gnuDiagnostics;
  run.quiet = commandLine.quiet;
  run.dependencyFileWanted = commandLine.dependencyFileWanted;
  return run;
}

int AssemblerApp::main(std::span<const std::string_view> arguments) {
  if (!platform::startUp()) {
    std::fputs("Fatal Error: MFC initialization failed\n", stderr);
    return EXIT_CANNOT_RUN;
  }
  const CommandLine commandLine = parseCommandLine(arguments);
  if (commandLine.usageError) {
    return rejectCommandLine(commandLine);
  }
  if (commandLine.helpWanted || commandLine.versionWanted) {
    return showInformation(commandLine);
  }
  if (outputNeedsAWriter(commandLine, settings_)) {
    std::fputs(("quarn: no writer is chosen by the extension of " + commandLine.outputPath +
                "; name one with -p\n").c_str(),
               stderr);
    return EXIT_CANNOT_RUN;
  }
  try {
    const JobStatus status = runJob(JobRequest{createJob(commandLine, settings_), commandLine.sourcePath,
                                               runSettingsFor(commandLine, settings_)});
    return status <= STATUS_WARNINGS ? EXIT_ASSEMBLED : EXIT_ASSEMBLY_FAILED;
  } catch (const ProgramExit& exit) {
    return exit.exitStatus;
  }
}
