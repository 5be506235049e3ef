#include <cstdio>

#include "core/DirectiveHandlers.h"

namespace {

constexpr int USER_ERROR = 2;
constexpr int USER_WARNING = 3;

}  // namespace

void passOneError(const DirectiveLine& line) { line.report(USER_ERROR, line.rest.value_or(std::string_view{})); }

void passOneWarning(const DirectiveLine& line) { line.report(USER_WARNING, line.rest.value_or(std::string_view{})); }

// Written to standard output directly, past the job's console: the text is the
// user's own, printed once while pass 1 meets it. The console sink writes to the
// same stream, so the order of the lines is kept.
void passOneMessage(const DirectiveLine& line) {
  if (line.rest && !line.rest->empty()) {
    std::fwrite(line.rest->data(), 1, line.rest->size(), stdout);
  }
  std::fputc('\n', stdout);
}
