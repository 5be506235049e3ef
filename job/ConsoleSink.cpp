#include "job/ConsoleSink.h"

#include <cstdio>
#include <string>

#include "platform/FileSystem.h"

void ConsoleSink::print(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void ConsoleSink::printError(std::string_view text) {
  // What went to standard output before the diagnostic stays before it.
  std::fflush(stdout);
  std::fwrite(text.data(), 1, text.size(), stderr);
}

void ConsoleSink::printDiagnostic(const DiagnosticRecord& record) {
  const std::string shownName = record.fileName.substr(platform::nameStart(record.fileName));
  std::string line = record.isWarning ? "Warning #" : "Error #";
  line += std::to_string(record.code) + " in " + shownName + ", line " + std::to_string(record.line) + ": " +
          record.message + "\n";
  print(line);
}

void ConsoleSink::printGnuDiagnostic(const DiagnosticRecord& record, std::string_view shownPath) {
  std::string line(shownPath);
  line += ":" + std::to_string(record.line) + (record.isWarning ? ": warning: " : ": error: ") + record.message +
          " [#" + std::to_string(record.code) + "]\n";
  printError(line);
}
