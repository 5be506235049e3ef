#include <string>

#include "job/AssemblyJob.h"

void AssemblyJob::raiseStatus(JobStatus atLeast) {
  if (status < atLeast) {
    status = atLeast;
  }
}

void AssemblyJob::reportAt(DiagnosticCode code, std::string_view fileName, int line, DiagnosticArg arg) {
  DiagnosticRecord record;
  record.fileName = std::string(fileName);
  record.line = line;
  record.code = code;
  record.message = diagnosticMessage(code, arg);
  record.isWarning = isWarningCode(code);
  if (record.isWarning) {
    ++warningCount;
    raiseStatus(STATUS_WARNINGS);
  } else {
    ++errorCount;
    raiseStatus(STATUS_ERRORS);
  }
  if (settings().gnuDiagnostics) {
    console->printGnuDiagnostic(record, pathForUser(record.fileName));
  } else {
    console->printDiagnostic(record);
  }
}

void AssemblyJob::report(DiagnosticCode code, int lineIndex, DiagnosticArg arg) {
  reportAt(code, source->fileNameOf(lineIndex), source->lineNumberOf(lineIndex), arg);
}

void AssemblyJob::printProgress(std::string_view text) {
  if (!settings().quiet) {
    console->print(text);
  }
}

void AssemblyJob::printSummary() {
  switch (status) {
    case STATUS_CANCELED:
      console->print("Assembly canceled by user\n");
      break;
    case STATUS_FILE_ERROR:
      console->print("File I/O error, aborting...\n");
      break;
    case STATUS_NO_MEMORY:
      console->print("Out of memory, aborting...\n");
      break;
    default:
      console->print("Assembly complete - " + std::to_string(errorCount) + " error(s), " +
                     std::to_string(warningCount) + " warning(s)\n");
      if (writtenOutput) {
        printProgress("Wrote " + writtenOutput->shownName + " (" + std::to_string(writtenOutput->size) + " bytes)\n");
      }
      break;
  }
}
