#pragma once

#include <string_view>

#include "job/DiagnosticRecord.h"

// Where all console text of a job goes. The default sink writes to standard
// output; tests and other hosts derive from it to capture the text or to offer
// a cancel button.
class ConsoleSink {
public:
  virtual ~ConsoleSink() = default;

  virtual void print(std::string_view text);
  virtual bool cancelRequested() { return false; }
  void printDiagnostic(const DiagnosticRecord& record);
};
