#pragma once

#include <string_view>

#include "job/DiagnosticRecord.h"

// Where all console text of a job goes. The default sink writes to standard
// output, and diagnostics in the GNU form to standard error; tests and other
// hosts derive from it to capture the text or to offer a cancel button.
class ConsoleSink {
public:
  virtual ~ConsoleSink() = default;

  virtual void print(std::string_view text);
  virtual void printError(std::string_view text);
  virtual bool cancelRequested() { return false; }
  // "Error #201 in prog.asm, line 12: ..." on standard output.
  void printDiagnostic(const DiagnosticRecord& record);
  // "src/prog.asm:12: error: ... [#201]" on standard error, the form editors and
  // build tools read; `shownPath` is the file as the user opens it.
  void printGnuDiagnostic(const DiagnosticRecord& record, std::string_view shownPath);
};
