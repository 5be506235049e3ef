#include "base/CharClass.h"
#include "core/InstructionEncoder.h"
#include "core/LineCursor.h"
#include "core/StatementLine.h"
#include "job/AssemblyJob.h"

namespace {

// The record is the line's own, which pass 1 filled in. The line is split again
// under the local label character pass 1 had at this line, which the directives
// of pass 2 set alike.
void assembleLine(AssemblyJob& job, std::string_view line, const LineRecord& record, int lineIndex,
                  OutputImage& image, bool checkIndirection) {
  const StatementLine statement = splitStatement(line, job.localLabelChar);
  if (!statement.word) {
    return;
  }
  const std::string_view word = *statement.word;
  if (word.front() == '.') {
    job.directivePassTwo(word, statement.rest, lineIndex, image);
  } else if (isLetter(word.front())) {
    if (record.entry) {
      encodeInstruction(job, *record.entry, statement.rest, lineIndex, image, checkIndirection);
    }
  }
}

}  // namespace

void AssemblyJob::passTwo(OutputImage& image) {
  // Every line is read under the module and local label character pass 1 began with.
  moduleName.clear();
  localLabelChar = '@';
  printProgress("Second pass...\n");
  if (!source) {
    return;
  }
  pc = 0;
  origin = 0;
  originOffset = 0;
  LineCursor lines(*source);
  placements.clear();
  // Pass 1 counted every byte the lines will write.
  image.reserve(image.length() + static_cast<std::size_t>(std::int64_t{codeBytes} + dataBytes));
  // Read from the program's settings, not the job's copy.
  const bool checkIndirection = (settings().optionFlags & OPT_CHECK_INDIRECTION) != 0;
  // Pass 2 writes no record, so the records can be read in place, beside the lines.
  const std::vector<LineRecord>& records = source->lines();
  guardStage([&] {
    while (lines.more()) {
      const int lineIndex = lines.index() + 1;
      const LineRecord& record = records[static_cast<std::size_t>(lineIndex)];
      const std::string_view line = lines.nextLine();
      if (status > STATUS_ERRORS) {
        return;
      }
      if (record.emits != 0) {
        assembleLine(*this, line, record, lineIndex, image, checkIndirection);
      }
      if (tracesPlacements) {
        placements.push_back(LinePlacement{static_cast<std::uint32_t>(image.length()), pc});
      }
    }
  });
}
