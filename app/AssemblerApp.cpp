#include "app/AssemblerApp.h"

#include <cstdio>

#include "app/InstallLayout.h"
#include "app/UsageText.h"
#include "job/ProgramExit.h"
#include "job/RunJob.h"
#include "platform/StartUp.h"

std::unique_ptr<AssemblyJob> AssemblerApp::createJob(const CommandLine& commandLine,
                                                     const AssemblerSettings& settings) {
  if (commandLine.symbolOutput) {
    return std::make_unique<SymbolFileJob>(settings.optionFlags, nullptr);
  }
  if (commandLine.hexOutput) {
    return std::make_unique<HexListingJob>(settings.optionFlags, nullptr);
  }
  const std::string& pluginName = commandLine.pluginGiven ? commandLine.pluginArg : settings.pluginName;
  return std::make_unique<PluginOutputJob>(settings.optionFlags, pluginName, nullptr);
}

int AssemblerApp::main(std::span<const std::string_view> arguments) {
  if (!platform::startUp()) {
    std::fputs("Fatal Error: MFC initialization failed\n", stderr);
    return EXIT_CANNOT_RUN;
  }
  const CommandLine commandLine = parseCommandLine(arguments);
  if (commandLine.usageError) {
    std::fwrite(USAGE_TEXT.data(), 1, USAGE_TEXT.size(), stdout);
    return EXIT_CANNOT_RUN;
  }
  try {
    const JobStatus status = runJob(
        JobRequest{createJob(commandLine, settings_), commandLine.sourcePath, resolveRunSettings(settings_)});
    return status <= STATUS_WARNINGS ? EXIT_ASSEMBLED : EXIT_ASSEMBLY_FAILED;
  } catch (const ProgramExit& exit) {
    return exit.exitStatus;
  }
}
