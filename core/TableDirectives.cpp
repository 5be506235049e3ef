#include <string>

#include "core/DirectiveHandlers.h"
#include "core/OperandText.h"

// White space that stood before a comment is not part of the name: the loader
// would look for a file whose name ends in blanks.
void passOnePlugin(const DirectiveLine& line) {
  const std::string_view name = trimSpaces(line.rest.value_or(std::string_view{}));
  if (name.empty()) {
    line.report(ERR_PLUGIN_NAME_EXPECTED);
    return;
  }
  line.job.pluginFile.assign(name);
  line.job.pluginDirective =
      SourcePlace{line.job.source->fileNameOf(line.lineIndex), line.job.source->lineNumberOf(line.lineIndex)};
}

// The parser prints its own line about a rejected entry; the directive adds the
// numbered error that makes the assembly fail.
void passOneAddInstr(const DirectiveLine& line) {
  if (!line.rest) {
    line.report(ERR_INVALID_ADDINSTR);
    return;
  }
  std::string entry(*line.rest);
  if (line.job.parseTableEntry(entry) == 0) {
    line.report(ERR_INVALID_ADDINSTR);
  }
}
