#include <array>
#include <cstdio>
#include <span>

#include "job/AssemblyJob.h"
#include "job/OutputGuard.h"
#include "job/OutputNames.h"
#include "job/PluginInterface.h"
#include "job/PluginLoading.h"
#include "job/ProgramExit.h"
#include "job/WriterExtensions.h"
#include "platform/FileSystem.h"

namespace {

struct LoadedWriter {
  std::unique_ptr<platform::SharedLibrary> library;
  SavePrgmFileFn savePrgmFile;
};

// The job's plug-in, loaded, with its SavePrgmFile; nothing when either is missing.
std::optional<LoadedWriter> loadWriter(const AssemblyJob& job) {
  std::unique_ptr<platform::SharedLibrary> library =
      loadPlugin(job.pluginFile, job.pluginDirective.has_value(), job.settings().pluginDirectories);
  if (!library) {
    return std::nullopt;
  }
  const auto savePrgmFile = reinterpret_cast<SavePrgmFileFn>(library->symbol(SAVE_PRGM_FILE_SYMBOL));
  if (savePrgmFile == nullptr) {
    return std::nullopt;
  }
  return LoadedWriter{std::move(library), savePrgmFile};
}

void printPluginMissing(ConsoleSink& console, const std::string& pluginFile) {
  console.print("Plugin file \"" + pluginFile + "\" does not exist or is an invalid file.\n");
}

std::string listed(const std::vector<std::string>& names) {
  if (names.empty()) {
    return "none";
  }
  std::string text = names.front();
  for (std::size_t i = 1; i < names.size(); ++i) {
    text += ", " + names[i];
  }
  return text;
}

[[noreturn]] void endProgram() {
  std::fflush(stdout);
  throw ProgramExit{1};
}

struct WriterResult {
  bool written = false;
  std::string extension;  // what the writer says it appended, also when it failed
};

WriterResult callWriter(SavePrgmFileFn savePrgmFile, std::span<const std::uint8_t> bytes, const std::string& basePath) {
  std::array<char, PLUGIN_EXTENSION_SIZE> extension{};
  const int result =
      savePrgmFile(bytes.data(), static_cast<std::uint32_t>(bytes.size()), basePath.c_str(), extension.data());
  // A writer that filled the whole buffer left no NUL.
  extension.back() = '\0';
  return {result != 0, extension.data()};
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

void cannotCreate(AssemblyJob& job, const std::string& path) {
  job.console->print("Cannot create file " + path + "\n");
  job.raiseStatus(STATUS_ERRORS);
}

// The classic way: the writer gets the source's path without its extension and
// adds its own.
void writeBesideSource(AssemblyJob& job, SavePrgmFileFn savePrgmFile, std::span<const std::uint8_t> bytes,
                       const std::string& sourcePath) {
  const std::string basePath = basePathOf(sourcePath);
  if (!mayCallWriter(job, basePath)) {
    return;
  }
  const WriterResult result = callWriter(savePrgmFile, bytes, basePath);
  const std::string path = basePath + result.extension;
  if (!result.written) {
    cannotCreate(job, path);
    return;
  }
  job.writtenOutput =
      WrittenFile{path, basePathOf(job.displayPath) + result.extension, platform::fileSize(path).value_or(0)};
}

// A writer appends its own extension to the base path it is given. When its
// extension is not the one of the file the user named with -o (or is not known),
// it writes into a private folder beside that file, under the file's name without
// its extension (the calculator's variable name comes from that name), and its
// file is then renamed onto the one the user asked for. Returns whether it is there.
bool writeThroughPrivateFolder(SavePrgmFileFn savePrgmFile, std::span<const std::uint8_t> bytes,
                               const std::string& target) {
  const std::optional<std::string> folder = platform::createPrivateDirectory(target.substr(0, platform::nameStart(target)));
  if (!folder) {
    return false;
  }
  const std::string basePath = platform::joinPath(*folder, basePathOf(target).substr(platform::nameStart(target)));
  const WriterResult result = callWriter(savePrgmFile, bytes, basePath);
  const bool inPlace = result.written && platform::moveFile(basePath + result.extension, target);
  platform::removeDirectory(*folder);
  return inPlace;
}

// A shipped writer whose extension the named file has writes it directly, so what
// it reports names the file the user asked for.
bool writesFilesLike(const AssemblyJob& job, const std::string& target) {
  const std::string_view extension = std::string_view(target).substr(basePathOf(target).size());
  const std::vector<std::string_view> extensions = extensionsWrittenBy(libraryFileName(job.pluginFile));
  return extensions.size() == 1 && extensions.front() == extension;
}

void writeToNamedFile(AssemblyJob& job, SavePrgmFileFn savePrgmFile, std::span<const std::uint8_t> bytes,
                      const OutputTarget& target) {
  if (!mayWriteOutput(job, target.path)) {
    return;
  }
  const bool inPlace = writesFilesLike(job, target.path)
                           ? callWriter(savePrgmFile, bytes, basePathOf(target.path)).written
                           : writeThroughPrivateFolder(savePrgmFile, bytes, target.path);
  if (!inPlace) {
    cannotCreate(job, target.path);
    return;
  }
  job.writtenOutput = WrittenFile{target.path, target.shownName, platform::fileSize(target.path).value_or(0)};
}

}  // namespace

PluginOutputJob::PluginOutputJob(std::int32_t optionFlags, const std::string& pluginName,
                                 const char* predefinedNames)
    : ImageJob(optionFlags, predefinedNames) {
  keepsExportSymbols = false;
  pluginFile = completePluginName(pluginName);
}

// A plug-in the user named is looked for before the passes, so that a mistyped
// name costs no assembly; the list of those installed shows the right spelling.
void PluginOutputJob::run(const std::string& sourcePath) {
  if (checkPluginFirst && !loadWriter(*this)) {
    printPluginMissing(*console, pluginFile);
    console->print("Installed plug-ins: " + listed(installedPlugins(settings().pluginDirectories)) + "\n");
    endProgram();
  }
  ImageJob::run(sourcePath);
}

void PluginOutputJob::writeOutput(const std::string& sourcePath, OutputImage& image) {
  const std::optional<LoadedWriter> writer = loadWriter(*this);
  if (!writer) {
    printPluginMissing(*console, pluginFile);
    if (pluginDirective) {
      const std::string& file = pluginDirective->fileName;
      console->print("The plug-in was named by .PLUGIN in " + file.substr(platform::nameStart(file)) + ", line " +
                     std::to_string(pluginDirective->line) + "\n");
    }
    endProgram();
  }
  // The writer only reads the bytes during the call; the image keeps them for a
  // listing written after it.
  const std::span<const std::uint8_t> bytes = image.bytes();
  if (settings().outputPath.empty()) {
    writeBesideSource(*this, writer->savePrgmFile, bytes, sourcePath);
  } else {
    writeToNamedFile(*this, writer->savePrgmFile, bytes, mainOutputTarget(*this, sourcePath, {}));
  }
}
