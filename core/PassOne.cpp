#include <algorithm>
#include <string>

#include "base/CharClass.h"
#include "base/TextScan.h"
#include "core/LineCursor.h"
#include "core/MnemonicIndex.h"
#include "core/StatementLine.h"
#include "job/AssemblyJob.h"

namespace {

// Pass 1 over the preprocessed source: defines the labels and equates, finds the
// table entry of every instruction, sizes everything and marks the lines pass 2
// must handle.
class PassOne {
public:
  explicit PassOne(AssemblyJob& job) : job_(job), mnemonics_(job.instructionTable) {}

  void run(LineCursor& lines);

private:
  void handleLine(std::string_view line);
  // False when the line was an equate and is done.
  bool handleLabel(const StatementLine& statement);
  void defineEquate(std::string_view writtenName, std::string_view equateWord,
                    std::optional<std::string_view> rest);
  void warnIfMnemonic(std::string_view labelWord);
  void assembleInstruction(std::string_view word, std::optional<std::string_view> operands);

  AssemblyJob& job_;
  MnemonicIndex mnemonics_;
  int lineIndex_ = -1;
  std::string keyBuffer_;
  std::string qualifiedBuffer_;  // a local label's qualified name; most labels need none
};

// A word of punctuation only: no letter, digit, '_' or local label character.
bool isPunctuation(std::string_view word, char localLabelChar) {
  return std::ranges::none_of(word, [localLabelChar](char c) { return isWordChar(c) || c == localLabelChar; });
}

bool isEquateWord(std::string_view word) {
  return equalsIgnoringCase(word, ".EQU") || equalsIgnoringCase(word, "EQU") || word.front() == '=';
}

void PassOne::run(LineCursor& lines) {
  while (lines.more()) {
    const std::string_view line = lines.nextLine();
    lineIndex_ = lines.index();
    if (job_.console->cancelRequested()) {
      job_.status = STATUS_CANCELED;
    }
    if (job_.status > STATUS_ERRORS) {
      return;
    }
    handleLine(line);
  }
}

void PassOne::handleLine(std::string_view line) {
  const StatementLine statement = splitStatement(line, job_.localLabelChar);
  if (statement.label && !handleLabel(statement)) {
    return;
  }
  if (!statement.word) {
    return;
  }
  const std::string_view word = *statement.word;
  if (word.front() == '.') {
    job_.directivePassOne(word, statement.rest, lineIndex_);
  } else if (isLetter(word.front())) {
    assembleInstruction(word, statement.rest);
  } else if (statement.label && isPunctuation(word, job_.localLabelChar)) {
    // Written after a label ("here: $"), such a word most likely means nothing;
    // the user still hears of it.
    job_.report(WARN_STATEMENT_WORD_IGNORED, lineIndex_, word);
  } else {
    // Such a word is neither an instruction nor a directive; dropping it silently
    // would lose code (an indented "_loop: djnz _loop", say).
    job_.report(ERR_UNKNOWN_INSTRUCTION, lineIndex_, word);
  }
}

bool PassOne::handleLabel(const StatementLine& statement) {
  std::string_view label = *statement.label;
  if (label.size() > 1 && label.back() == ':') {
    label.remove_suffix(1);
  }
  const std::string_view writtenName = job_.qualifyLocalLabel(label, qualifiedBuffer_);
  if (statement.word && isEquateWord(*statement.word)) {
    defineEquate(writtenName, *statement.word, statement.rest);
    return false;
  }
  warnIfMnemonic(label);
  job_.defineSymbol(writtenName, SYM_LABEL, job_.pc, lineIndex_);
  return true;
}

// "size =10+2" has its expression start inside the word itself; the separator
// after the word stands as a blank between the two parts.
void PassOne::defineEquate(std::string_view writtenName, std::string_view equateWord,
                           std::optional<std::string_view> rest) {
  std::uint16_t value = 0;
  if (equateWord.front() == '=' && equateWord.size() > 1) {
    std::string expression(equateWord.substr(1));
    expression += ' ';
    expression += rest.value_or(std::string_view{});
    value = job_.evaluate(expression, lineIndex_);
  } else {
    value = job_.evaluate(rest, lineIndex_);
  }
  job_.defineSymbol(writtenName, SYM_EQUATE, value, lineIndex_);
}

// A mnemonic in column 1 is taken as a label; most likely the line lost its indent.
void PassOne::warnIfMnemonic(std::string_view labelWord) {
  // Qualifying and folding never shorten a name, and no mnemonic is longer.
  if (labelWord.size() > MNEMONIC_MAX) {
    return;
  }
  job_.buildSymbolKey(labelWord, keyBuffer_);
  if (mnemonics_.formsFor(keyBuffer_) != nullptr) {
    job_.report(WARN_NO_SPACE_BEFORE_INSTRUCTION, lineIndex_, keyBuffer_);
  }
}

void PassOne::assembleInstruction(std::string_view word, std::optional<std::string_view> operands) {
  const MnemonicForms* forms = mnemonics_.formsFor(word);
  if (forms == nullptr) {
    job_.report(ERR_UNKNOWN_INSTRUCTION, lineIndex_, word);
    return;
  }
  const TableEntry* entry = forms->firstMatch(operands);
  if (entry == nullptr) {
    job_.report(ERR_UNKNOWN_ARGUMENT_FORMAT, lineIndex_, word);
    return;
  }
  job_.pc = static_cast<std::uint16_t>(job_.pc + entry->size);
  job_.countCodeBytes(entry->size);
  job_.source->setInstruction(lineIndex_, entry);
}

// The preprocessor always leaves a line; a source buffer filled some other way may
// not have one to name.
void reportEmptyOutput(AssemblyJob& job, int lastLineIndex) {
  if (lastLineIndex >= 0) {
    job.report(ERR_OUTPUT_EMPTY, lastLineIndex);
    return;
  }
  const auto& files = job.source->files();
  job.reportAt(ERR_OUTPUT_EMPTY, files.empty() ? std::string_view{} : std::string_view(files.front()), 0);
}

}  // namespace

void AssemblyJob::passOne() {
  if (symbols) {
    return;
  }
  symbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  if (exportSymbols) {
    return;
  }
  exportSymbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  printProgress("First pass...\n");
  if (!source) {
    source = std::make_unique<SourceBuffer>();
  }
  pc = 0;
  LineCursor lines(*source);
  guardStage([&] { PassOne(*this).run(lines); });
  if (std::int64_t{codeBytes} + dataBytes == 0) {
    reportEmptyOutput(*this, lines.index());
  }
}
