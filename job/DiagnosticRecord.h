#pragma once

#include <string>

// One numbered error or warning, built for a report and printed at once.
struct DiagnosticRecord {
  bool isWarning = false;
  std::string fileName;
  int line = 0;
  int code = 0;
  std::string message;
};
