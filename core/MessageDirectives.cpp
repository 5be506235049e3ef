#include <cstdio>

#include "core/DirectiveHandlers.h"

void passOneError(const DirectiveLine& line) {
  line.report(ERR_USER_DIRECTIVE, line.rest.value_or(std::string_view{}));
}

void passOneWarning(const DirectiveLine& line) {
  line.report(WARN_USER_DIRECTIVE, line.rest.value_or(std::string_view{}));
}

// Written to standard output directly, past the job's console: the text is the
// user's own, printed once while pass 1 meets it. The console sink writes to the
// same stream, so the order of the lines is kept.
void passOneMessage(const DirectiveLine& line) {
  if (line.rest && !line.rest->empty()) {
    std::fwrite(line.rest->data(), 1, line.rest->size(), stdout);
  }
  std::fputc('\n', stdout);
}
