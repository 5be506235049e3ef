#include <cstdio>
#include <string>

#include "core/DataList.h"
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

// Like .MESSAGE, one line printed once in pass 1, but built from a list: strings
// give their characters (read as .DB reads them), expressions their value in
// decimal. A label defined further down is still 0 here.
void passOneEcho(const DirectiveLine& line) {
  std::string text;
  const bool complete = walkByteList(
      line.rest.value_or(std::string_view{}), [&](std::uint8_t byte) { text += static_cast<char>(byte); },
      [&](std::string_view item) { text += std::to_string(line.evaluateWord(item)); });
  if (!complete) {
    line.report(ERR_STRING_NOT_CLOSED);
  }
  text += '\n';
  std::fwrite(text.data(), 1, text.size(), stdout);
}
