#include <array>
#include <cstdio>

#include "job/AssemblyJob.h"
#include "job/OutputGuard.h"
#include "job/OutputNames.h"
#include "job/PluginInterface.h"
#include "job/ProgramExit.h"
#include "job/WriterExtensions.h"
#include "platform/FileSystem.h"
#include "platform/SharedLibrary.h"

namespace {

constexpr std::string_view LIBRARY_EXTENSION = ".so";
constexpr std::string_view LEGACY_EXTENSION = ".dll";

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// A plug-in name without an extension gets ".so"; a three-letter extension counts
// as present (tern.x86 stays), a longer one does not (tern.plugin.so).
std::string completePluginName(const std::string& name) {
  if (endsWith(name, LIBRARY_EXTENSION) || (name.size() >= 4 && name[name.size() - 4] == '.')) {
    return name;
  }
  return name + std::string(LIBRARY_EXTENSION);
}

// The file to load for a name as the job holds it: old sources and command lines
// name the plug-ins "x.dll"; a name without any extension gets ".so".
std::string libraryFileName(const std::string& pluginFile) {
  if (endsWith(pluginFile, LEGACY_EXTENSION)) {
    return pluginFile.substr(0, pluginFile.size() - LEGACY_EXTENSION.size()) + std::string(LIBRARY_EXTENSION);
  }
  if (pluginFile.find('.', platform::nameStart(pluginFile)) == std::string::npos) {
    return pluginFile + std::string(LIBRARY_EXTENSION);
  }
  return pluginFile;
}

bool hasDirectoryPart(const std::string& name) { return platform::nameStart(name) != 0; }

// Candidate paths in search order. A name from the command line with a directory
// part is used as it stands; a bare name is looked up next to the program and then
// in the current directory (the source's). A name set by the source itself is
// only looked up among the installed plug-ins, so assembling a downloaded source
// cannot load an arbitrary library.
std::vector<std::string> candidatePaths(const std::string& fileName, bool fromSource,
                                        const std::vector<std::string>& pluginDirectories) {
  std::vector<std::string> candidates;
  if (hasDirectoryPart(fileName)) {
    if (!fromSource) {
      candidates.push_back(fileName);
    }
    return candidates;
  }
  for (const std::string& directory : pluginDirectories) {
    candidates.push_back(platform::joinPath(directory, fileName));
  }
  if (!fromSource) {
    candidates.push_back(platform::joinPath(platform::currentDirectory(), fileName));
  }
  return candidates;
}

std::unique_ptr<platform::SharedLibrary> loadPlugin(const std::string& pluginFile, bool fromSource,
                                                    const std::vector<std::string>& pluginDirectories) {
  for (const std::string& path : candidatePaths(libraryFileName(pluginFile), fromSource, pluginDirectories)) {
    if (platform::fileExists(path)) {
      return platform::SharedLibrary::load(path);
    }
  }
  return nullptr;
}

// The writer's file is the base path and its extension. The writer replaces it
// without asking, so every path it may write is checked against the run's inputs
// before it is called.
bool mayCallWriter(AssemblyJob& job, const std::string& basePath) {
  for (const std::string_view extension : extensionsWrittenBy(libraryFileName(job.pluginFile))) {
    if (!mayWriteOutput(job, basePath + std::string(extension))) {
      return false;
    }
  }
  return true;
}

[[noreturn]] void pluginMissing(ConsoleSink& console, const std::string& pluginFile) {
  console.print("Plugin file \"" + pluginFile + "\" does not exist or is an invalid file.\n");
  std::fflush(stdout);
  throw ProgramExit{1};
}

}  // namespace

PluginOutputJob::PluginOutputJob(std::int32_t optionFlags, const std::string& pluginName,
                                 const char* predefinedNames)
    : ImageJob(optionFlags, predefinedNames) {
  keepsExportSymbols = false;
  pluginFile = completePluginName(pluginName);
}

void PluginOutputJob::writeOutput(const std::string& sourcePath, OutputImage& image) {
  const std::string basePath = basePathOf(sourcePath);
  const std::unique_ptr<platform::SharedLibrary> library = loadPlugin(pluginFile, pluginFromSource, settings().pluginDirectories);
  if (!library) {
    pluginMissing(*console, pluginFile);
  }
  const auto savePrgmFile = reinterpret_cast<SavePrgmFileFn>(library->symbol(SAVE_PRGM_FILE_SYMBOL));
  if (savePrgmFile == nullptr) {
    pluginMissing(*console, pluginFile);
  }
  if (!mayCallWriter(*this, basePath)) {
    return;
  }
  // The plug-in only reads the bytes during the call; the image keeps them for a
  // listing written after it.
  const std::span<const std::uint8_t> bytes = image.bytes();
  const auto length = static_cast<std::uint32_t>(bytes.size());
  std::array<char, PLUGIN_EXTENSION_SIZE> extension{};
  const bool written = savePrgmFile(bytes.data(), length, basePath.c_str(), extension.data()) != 0;
  extension.back() = '\0';
  if (written) {
    writtenFile = basePath + extension.data();
    return;
  }
  console->print("Cannot create file " + basePath + extension.data() + "\n");
  raiseStatus(STATUS_ERRORS);
}
