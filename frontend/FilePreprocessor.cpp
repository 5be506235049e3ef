#include "frontend/FilePreprocessor.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "base/TextScan.h"
#include "frontend/BoundedLine.h"
#include "frontend/ConditionalBlocks.h"
#include "frontend/IncludeResolver.h"
#include "frontend/MacroDefinition.h"
#include "frontend/MacroExpander.h"
#include "frontend/MacroTable.h"
#include "frontend/SourceLineReader.h"
#include "frontend/StatementSplitter.h"
#include "job/AssemblyJob.h"
#include "job/FileError.h"
#include "platform/FileSystem.h"

namespace {

// A line whose first word starts with "#" is a directive line, indented or not.
bool isDirectiveLine(std::string_view text) {
  const std::size_t first = skipSpacesFrom(text, 0);
  return first < text.size() && text[first] == '#';
}

class FilePreprocessor {
public:
  FilePreprocessor(AssemblyJob& job, MacroTable& macros, const std::string& path)
      : job_(job),
        console_(*job.console),
        macros_(macros),
        reader_(path, *job.console),
        expander_(macros, [this](DiagnosticCode code, std::string_view macroName) { report(code, macroName); }) {
    ++job_.fileCount;
    job_.inputFiles.record(reader_.fullPath());
    fileIndex_ = static_cast<std::uint32_t>(job_.source->addFile(reader_.fullPath()));
    job_.source->expect(reader_.length(), reader_.lineCount());
  }

  void run() {
    job_.guardStage([&] {
      while (!ended_) {
        const std::optional<SourceLineReader::Line> line = reader_.nextLine();
        if (!line) {
          break;
        }
        if (line->tooLong) {
          report(ERR_LINE_TOO_LONG);
        }
        processLine(line->text);
      }
    });
    if (blocks_.depth() != 0) {
      report(ERR_UNCLOSED_CONDITIONAL);
    }
  }

private:
  // `read` is the line as the reader hands it out, with its line end.
  void processLine(std::string_view read) {
    if (console_.cancelRequested()) {
      job_.status = STATUS_CANCELED;
    }
    const std::string_view line = withoutLineEnd(read);
    // Definitions and the name tests see the line before expansion, so that they
    // name the macros themselves.
    if (isDirectiveLine(line) && handleRawDirective(line)) {
      return;
    }
    // Expansion runs in inactive blocks too: the #IF, #ELSE and #ENDIF found there
    // are seen through it, and so are its diagnostics. Most lines call no macro and
    // are taken as they were read.
    const bool unchanged = expander_.leavesUnchanged(line);
    if (!unchanged) {
      expander_.expand(line, expanded_);
    }
    const std::string_view text = unchanged ? line : expanded_.view();
    const std::size_t wordStart = skipSpacesFrom(text, 0);
    if (wordStart == text.size()) {
      return;
    }
    // Most words start with neither "#" nor "." and are not read to their end.
    const char lead = text[wordStart];
    if (lead == '#') {
      handleExpandedDirective(splitFirstWord(text));
      return;
    }
    if (lead == '.' && handleFileStatement(splitFirstWord(text))) {
      return;
    }
    if (job_.status > STATUS_ERRORS) {
      ended_ = true;
    } else if (blocks_.active()) {
      writeStatements(unchanged ? read : std::string_view{});
    }
  }

  bool handleRawDirective(std::string_view line) {
    const SplitWord directive = splitFirstWord(line);
    if (equalsIgnoringCase(directive.word, "#IFDEF")) {
      openNameBlock(directive.rest, true);
    } else if (equalsIgnoringCase(directive.word, "#IFNDEF")) {
      openNameBlock(directive.rest, false);
    } else if (blocks_.active() && equalsIgnoringCase(directive.word, "#DEFINE")) {
      define(directive.rest);
    } else if (blocks_.active() && equalsIgnoringCase(directive.word, "#UNDEF")) {
      undefine(directive.rest);
    } else if (blocks_.active() && equalsIgnoringCase(directive.word, "#DEFCONT")) {
      continueDefinition(directive.rest);
    } else {
      return false;
    }
    return true;
  }

  void handleExpandedDirective(const SplitWord& directive) {
    if (equalsIgnoringCase(directive.word, "#IF")) {
      openExpressionBlock(directive.rest);
    } else if (equalsIgnoringCase(directive.word, "#ELSE")) {
      if (!blocks_.switchToElse()) {
        report(ERR_ELSE_WITHOUT_IF);
      }
    } else if (equalsIgnoringCase(directive.word, "#ENDIF")) {
      if (!blocks_.close()) {
        report(ERR_ENDIF_WITHOUT_IF);
      }
    } else if (!blocks_.active()) {
      return;
    } else if (equalsIgnoringCase(directive.word, "#INCLUDE")) {
      include(directive.rest);
    } else if (equalsIgnoringCase(directive.word, "#NOLIST") || equalsIgnoringCase(directive.word, "#LIST")) {
      writeListingSwitch(directive.word);
    } else {
      report(ERR_UNKNOWN_PREPROCESSOR_DIRECTIVE, directive.word);
    }
  }

  // The statements that end the file or read another one in its place, written
  // with a dot: .END ends the file, unless a condition skips it; .INCLUDE is
  // #INCLUDE. False for any other statement.
  bool handleFileStatement(const SplitWord& statement) {
    if (equalsIgnoringCase(statement.word, ".END")) {
      ended_ = blocks_.active();
    } else if (equalsIgnoringCase(statement.word, ".INCLUDE")) {
      if (blocks_.active()) {
        include(statement.rest);
      }
    } else {
      return false;
    }
    return true;
  }

  // #NOLIST and #LIST are the statements .NOLIST and .LIST, which pass 1 applies
  // where the line stands.
  void writeListingSwitch(std::string_view directiveWord) {
    const std::string statement = "." + std::string(directiveWord.substr(1)) + "\n";
    writeOneLine(statement);
  }

  // A condition is only tested in active text; a missing name or expression is
  // reported and the block then counts as true.
  void openNameBlock(std::string_view rest, bool wantDefined) {
    bool holds = true;
    if (blocks_.active()) {
      const std::string_view name = splitFirstWord(rest).word;
      if (name.empty()) {
        report(ERR_MACRO_NAME_EXPECTED);
      } else {
        holds = macros_.contains(name) == wantDefined;
      }
    }
    blocks_.open(holds);
  }

  void openExpressionBlock(std::string_view rest) {
    bool holds = true;
    if (blocks_.active()) {
      const std::string_view expression = trimSpaces(rest);
      if (expression.empty()) {
        report(ERR_EXPRESSION_EXPECTED);
      } else {
        holds = job_.evaluateAt(expression, reader_.fullPath(), reader_.lineNumber(), false) != 0;
      }
    }
    blocks_.open(holds);
  }

  void define(std::string_view rest) {
    const ParsedDefine parsed = parseMacroDefinition(rest);
    if (parsed.error) {
      report(*parsed.error, parsed.name);
    }
    if (parsed.definition) {
      macros_.defineContinuable(parsed.name, *parsed.definition);
    }
  }

  // #DEFCONT lets the macro defined last go on over another line; its text usually
  // starts with the statement separator.
  void continueDefinition(std::string_view rest) {
    if (!macros_.continueLast(skipSpaces(rest))) {
      report(ERR_DEFCONT_WITHOUT_DEFINE);
    }
  }

  void undefine(std::string_view rest) {
    const std::string_view name = splitFirstWord(rest).word;
    if (name.empty()) {
      report(ERR_MACRO_NAME_EXPECTED);
    } else {
      macros_.remove(name);
    }
  }

  void include(std::string_view rest) {
    const std::string_view name = trimSpaces(rest);
    if (name.empty()) {
      report(ERR_FILENAME_EXPECTED);
      return;
    }
    const FileLookup file = lookUpWrittenName(name, includeSearchDirectories(job_.settings()));
    if (!file.matches.empty()) {
      report(ERR_SEVERAL_FILES_MATCH, describeMatches(name, file.matches));
    } else if (!file.path) {
      report(ERR_CANNOT_FIND_FILE, name);
    } else if (job_.source->isIncluded(platform::absolutePath(*file.path))) {
      report(WARN_INCLUDED_TWICE, name);
    } else {
      job_.source->enterInclude(reader_.lineNumber());
      job_.preprocess(*file.path, &macros_);
      job_.source->leaveInclude();
    }
  }

  // Every statement of the line gets a record of its own, all naming this line.
  // `read` is the line as read, line end included, when expansion left it as it
  // was: without a backslash it is one statement and is written as it stands.
  // Otherwise the line ends are counted in the text itself, so that one that came
  // in with a built-in name (a file name may hold one) still gets its record.
  void writeStatements(std::string_view read) {
    if (!read.empty() && read.find('\\') == std::string_view::npos) {
      writeOneLine(read);
      return;
    }
    if (!read.empty()) {
      expanded_.clear();
      expanded_.append(withoutLineEnd(read));
    }
    splitStatements(expanded_.chars());
    const std::string_view statements = expanded_.terminated();
    job_.source->writeLine(statements);
    for (std::size_t end = statements.find('\n'); end != std::string_view::npos;
         end = statements.find('\n', end + 1)) {
      job_.source->addLine(fileIndex_, reader_.lineNumber());
    }
  }

  // One line of the buffer, "\n" included, recorded as this line of the file.
  void writeOneLine(std::string_view line) {
    job_.source->writeLine(line);
    job_.source->addLine(fileIndex_, reader_.lineNumber());
  }

  void report(DiagnosticCode code, DiagnosticArg arg = {}) {
    job_.reportAt(code, reader_.fullPath(), reader_.lineNumber(), arg);
  }

  AssemblyJob& job_;
  ConsoleSink& console_;  // asked about every line; the job keeps it for the whole run
  MacroTable& macros_;
  SourceLineReader reader_;
  MacroExpander expander_;
  ConditionalBlocks blocks_;
  BoundedLine expanded_;
  std::uint32_t fileIndex_ = 0;
  bool ended_ = false;
};

// Counts the file as closed again however its reading ends.
struct OpenFileCount {
  AssemblyJob& job;
  ~OpenFileCount() { --job.openFiles; }
};

}  // namespace

void preprocessFile(AssemblyJob& job, MacroTable& macros, const std::string& path) {
  // Every nested include costs stack; a chain of thousands would overflow it. Like
  // running out of file handles, this ends the stage with a file error.
  if (job.openFiles >= MAX_OPEN_SOURCE_FILES) {
    throw FileError("Cannot open " + path + ": more than " + std::to_string(MAX_OPEN_SOURCE_FILES) +
                    " nested source files");
  }
  ++job.openFiles;
  const OpenFileCount closeOnExit{job};
  // Held on the heap: includes nest one reader per file, and the stack stays small.
  const auto file = std::make_unique<FilePreprocessor>(job, macros, path);
  file->run();
}
