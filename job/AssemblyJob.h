#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Symbol.h"
#include "core/TableEntry.h"
#include "frontend/SourceBuffer.h"
#include "job/ConsoleSink.h"
#include "job/DiagnosticArg.h"
#include "job/DiagnosticCodes.h"
#include "job/InputFiles.h"
#include "job/JobStatus.h"
#include "job/LinePlacement.h"
#include "job/OutputImage.h"
#include "job/RunSettings.h"

class MacroTable;

// A line of a source file.
struct SourcePlace {
  std::string fileName;
  int line = 0;
};

// The main output once it has been written, as the summary names it.
struct WrittenFile {
  std::string path;       // absolute: a listing and a make rule go beside it
  std::string shownName;  // as the user would open it from where quarn was started
  std::uint64_t size = 0;
};

// One assembly of one source file. Every stage is an operation of the job and all
// state that the stages share lives in its fields. The variants differ only in
// their pass sequence (run) and their output step (writeOutput).
class AssemblyJob {
public:
  AssemblyJob(std::int32_t optionFlags, const char* predefinedNames);
  virtual ~AssemblyJob();
  AssemblyJob(const AssemblyJob&) = delete;
  AssemblyJob& operator=(const AssemblyJob&) = delete;

  // The pass sequence of the variant. sourcePath is absolute; displayPath is the
  // path as the user wrote it.
  virtual void run(const std::string& sourcePath) = 0;
  // Takes over the symbols and the preprocessed source of another job.
  virtual void adoptTables(AssemblyJob& other);
  virtual void printSummary();
  // Reads path and its includes into `source`. Called with no macro table for the
  // main file; the preprocessor passes its table down to included files.
  virtual void preprocess(const std::string& path, MacroTable* macros);
  virtual void passOne();
  virtual void passTwo(OutputImage& image);

  // Instruction table (returns 1 when the whole file was read, 0 after a bad entry).
  // The path is opened as it stands.
  int loadInstructionTable(const std::string& path);
  // Parses one table line (upper-cased in place) and appends its entry.
  int parseTableEntry(std::string& text);

  // Diagnostics.
  // Raises the status to `atLeast` (warnings or errors); never lowers it, so a
  // run that was stopped stays stopped.
  void raiseStatus(JobStatus atLeast);
  void reportAt(DiagnosticCode code, std::string_view fileName, int line, DiagnosticArg arg = {});
  void report(DiagnosticCode code, int lineIndex, DiagnosticArg arg = {});
  // A line that only tells the user how the run goes (the progress, the file
  // written); left out when the run is quiet.
  void printProgress(std::string_view text);

  // Expressions: the low 16 bits of the value; nullopt stands for a missing operand.
  std::uint16_t evaluateAt(std::optional<std::string_view> text, std::string_view fileName, int line,
                           bool byteContext);
  std::uint16_t evaluate(std::optional<std::string_view> text, int lineIndex);
  // The whole 32-bit value with no range check, for callers whose range is narrower.
  std::int32_t evaluateUncheckedAt(std::string_view text, std::string_view fileName, int line);

  // Symbols.
  std::string qualifyLocalLabel(std::string_view name) const;
  // The same without a string of its own: the name itself unless it is local, else
  // its qualified form in `buffer`, which the view then points into.
  std::string_view qualifyLocalLabel(std::string_view name, std::string& buffer) const;
  std::string symbolKey(std::string_view name) const;  // qualified, folded when case-insensitive
  void buildSymbolKey(std::string_view name, std::string& key) const;  // the same, into a reused buffer
  void defineSymbol(std::string_view writtenName, SymbolKind kind, std::uint16_t value, int lineIndex);

  // Directives: each handler has its pass-1 and pass-2 half side by side. `word` is
  // the directive word as written; `rest` is the text after the character that
  // ended the word, up to the line feed (nullopt when the word ends the line).
  void directivePassOne(std::string_view word, std::optional<std::string_view> rest, int lineIndex);
  void directivePassTwo(std::string_view word, std::optional<std::string_view> rest, int lineIndex,
                        OutputImage& image);

  // A path the job holds (absolute) as the user would name it.
  std::string pathForUser(const std::string& path) const;
  // After the main output: the listing and the make rule the settings ask for.
  // `image` is what pass 2 assembled (nothing without pass 2).
  void writeCompanionFiles(std::span<const std::uint8_t> image);

  // The settings of the program that started the run. Pass 2 reads its option
  // bits from here rather than from the job's own copy, optionFlags.
  const RunSettings& settings() const { return settings_; }
  void useSettings(RunSettings settings) { settings_ = std::move(settings); }

  // Shared state.
  std::unique_ptr<ConsoleSink> console;
  std::int32_t optionFlags;
  const char* predefinedNames;
  std::string pluginFile;
  // Where .PLUGIN named pluginFile, if it did: such names are only looked up next
  // to the program, and a missing one is reported with this place.
  std::optional<SourcePlace> pluginDirective;
  std::string moduleName;
  char localLabelChar = '@';
  std::string displayPath;  // the source path as given on the command line
  // The current directory when the run began: paths shown to the user are given
  // from there, so that they open the file from where the user works.
  std::string invocationDirectory;
  std::vector<std::string> binaryFiles;  // read by .INCBIN, in the order first read

  // Entries live at stable addresses: LineRecord::entry points into the table
  // while .ADDINSTR appends to it.
  std::deque<TableEntry> instructionTable;
  std::unique_ptr<SymbolMap> symbols;
  std::unique_ptr<SymbolMap> exportSymbols;
  // The export map serves the symbol file only; variants that write other output
  // leave it empty and spare every definition its second entry.
  bool keepsExportSymbols = true;
  std::unique_ptr<SourceBuffer> source;
  // Every file the run has read: no output may replace one of them.
  InputFiles inputFiles;
  // Kept by pass 2 only for a listing: one entry per line of `source`.
  bool tracesPlacements = false;
  std::vector<LinePlacement> placements;

  std::uint16_t pc = 0;
  std::uint16_t origin = 0;        // pass 2: the address of the latest .ORG
  std::size_t originOffset = 0;    // pass 2: the image offset at which that .ORG took effect
  JobStatus status = STATUS_OK;
  std::int32_t errorCount = 0;
  std::int32_t warningCount = 0;
  std::int32_t fileCount = 0;
  std::int32_t openFiles = 0;  // preprocessor: the main file and the includes being read inside it
  std::int32_t codeBytes = 0;
  std::int32_t dataBytes = 0;
  std::optional<WrittenFile> writtenOutput;  // named after the summary

  // Pass 1: counts the bytes an instruction or a data directive will write.
  // Throws ImageTooLarge when the image would outgrow OutputImage::MAX_LENGTH.
  void countCodeBytes(std::uint64_t count) { countImageBytes(codeBytes, count); }
  void countDataBytes(std::uint64_t count) { countImageBytes(dataBytes, count); }

  // Runs one stage's body; a file error or running out of memory ends the stage
  // with STATUS_FILE_ERROR or STATUS_NO_MEMORY and one line on standard error. A
  // program too large for an image ends it with STATUS_ERRORS and one line on
  // the console.
  template <class Body>
  void guardStage(Body&& body);

protected:
  void stageFailed(JobStatus failure, const char* description);

private:
  void countImageBytes(std::int32_t& counter, std::uint64_t count);

  RunSettings settings_;
};

// The job variant of option -s: no pass 2; writes the symbol file.
class SymbolOnlyJob : public AssemblyJob {
public:
  using AssemblyJob::AssemblyJob;
  void run(const std::string& sourcePath) override;
  virtual void writeOutput(const std::string& sourcePath) = 0;
};

class SymbolFileJob : public SymbolOnlyJob {
public:
  using SymbolOnlyJob::SymbolOnlyJob;
  void writeOutput(const std::string& sourcePath) override;
};

// The variants that assemble into an image and write it out.
class ImageJob : public AssemblyJob {
public:
  using AssemblyJob::AssemblyJob;
  void run(const std::string& sourcePath) override;
  virtual void writeOutput(const std::string& sourcePath, OutputImage& image) = 0;
};

class HexListingJob : public ImageJob {
public:
  HexListingJob(std::int32_t optionFlags, const char* predefinedNames);
  void writeOutput(const std::string& sourcePath, OutputImage& image) override;
};

class PluginOutputJob : public ImageJob {
public:
  PluginOutputJob(std::int32_t optionFlags, const std::string& pluginName, const char* predefinedNames);
  void run(const std::string& sourcePath) override;
  void writeOutput(const std::string& sourcePath, OutputImage& image) override;

  // The user chose the plug-in (-p, or the -o file's extension), so a missing one
  // is worth finding out before assembling rather than after.
  bool checkPluginFirst = false;
};

#include "job/GuardStage.h"
