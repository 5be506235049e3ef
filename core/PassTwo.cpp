#include "core/InstructionEncoder.h"
#include "core/LineCursor.h"
#include "core/StatementLine.h"
#include "frontend/CharClass.h"
#include "job/AssemblyJob.h"

namespace {

// Pass 1 split the line under the same local label character and kept where the
// statement lies.
StatementLine statementOf(const AssemblyJob& job, std::string_view line, int lineIndex) {
  const StatementSpan span = job.source->statementOf(lineIndex);
  return span.described() ? statementAt(line, span) : splitStatement(line, job.localLabelChar);
}

void assembleLine(AssemblyJob& job, std::string_view line, int lineIndex, OutputImage& image) {
  const StatementLine statement = statementOf(job, line, lineIndex);
  if (!statement.word) {
    return;
  }
  const std::string_view word = *statement.word;
  if (word.front() == '.') {
    job.directivePassTwo(word, statement.rest, lineIndex, image);
  } else if (isLetter(word.front())) {
    if (const TableEntry* entry = job.source->entryOf(lineIndex)) {
      encodeInstruction(job, *entry, statement.rest, lineIndex, image);
    }
  }
}

}  // namespace

void AssemblyJob::passTwo(OutputImage& image) {
  // Every line is read under the module and local label character pass 1 began with.
  moduleName.clear();
  localLabelChar = '@';
  console->print("Second pass...\n");
  if (!source) {
    return;
  }
  pc = 0;
  origin = 0;
  originOffset = 0;
  LineCursor lines(*source);
  guardStage([&] {
    while (const auto line = lines.next()) {
      if (status > STATUS_ERRORS) {
        return;
      }
      if (source->emitsOf(lines.index()) != 0) {
        assembleLine(*this, *line, lines.index(), image);
      }
    }
  });
}
