#include "core/DirectiveHandlers.h"
#include "core/OperandText.h"

namespace {

// The character of a word written as a double quote, one character and a double quote.
std::optional<char> quotedCharacter(std::optional<std::string_view> word) {
  if (!word || word->size() != 3 || word->front() != '"' || word->back() != '"') {
    return std::nullopt;
  }
  return (*word)[1];
}

// Both passes take the same decision on the same line, so every label is
// qualified alike in pass 1 and pass 2.
bool applyModule(const DirectiveLine& line) {
  const std::optional<std::string_view> name = nextWord(line.rest);
  if (name) {
    line.job.moduleName.assign(*name);
  }
  return name.has_value();
}

bool applyLocalLabelChar(const DirectiveLine& line) {
  const std::optional<char> marker = quotedCharacter(nextWord(line.rest));
  if (marker) {
    line.job.localLabelChar = *marker;
  }
  return marker.has_value();
}

}  // namespace

void passOneModule(const DirectiveLine& line) {
  line.mark();
  if (!applyModule(line)) {
    line.report(ERR_MODULE_NAME_EXPECTED);
  }
}

void passTwoModule(const DirectiveLine& line, OutputImage&) { applyModule(line); }

void passOneLocalLabelChar(const DirectiveLine& line) {
  line.mark();
  if (!applyLocalLabelChar(line)) {
    line.report(ERR_LOCAL_LABEL_CHAR_FORM);
  }
}

void passTwoLocalLabelChar(const DirectiveLine& line, OutputImage&) { applyLocalLabelChar(line); }
