#include "tests/core/DirectiveHarness.h"

#include <gtest/gtest.h>

#include <regex>

DirectiveHarness::DirectiveHarness(std::vector<std::string> lines) : lines_(std::move(lines)) {
  job.symbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  job.exportSymbols = std::make_unique<SymbolMap>(SYMBOL_BUCKETS);
  job.source = std::make_unique<SourceBuffer>();
  job.source->addFile("/src/test.asm");
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    job.source->addLine(0, static_cast<int>(i + 1));
    job.source->writeLine(lines_[i] + "\n");
  }
}

DirectiveHarness::Statement DirectiveHarness::split(std::string_view line) {
  Statement statement;
  std::size_t pos = 0;
  if (!line.empty() && line.front() != ' ' && line.front() != '\t') {
    pos = line.find_first_of(" \t");
    statement.label = line.substr(0, pos == std::string_view::npos ? line.size() : pos);
    if (statement.label.ends_with(':')) {
      statement.label.remove_suffix(1);
    }
    pos = pos == std::string_view::npos ? line.size() : pos;
  }
  pos = line.find_first_not_of(" \t", pos);
  if (pos == std::string_view::npos) {
    return statement;
  }
  const std::size_t end = line.find_first_of(" \t", pos);
  statement.word = line.substr(pos, end == std::string_view::npos ? line.size() - pos : end - pos);
  if (end != std::string_view::npos) {
    statement.rest = line.substr(end + 1);
  }
  return statement;
}

void DirectiveHarness::passOne() {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Statement statement = split(lines_[i]);
    const int index = static_cast<int>(i);
    if (!statement.label.empty()) {
      job.defineSymbol(job.qualifyLocalLabel(statement.label), SYM_LABEL, job.pc, index);
    }
    if (!statement.word.empty()) {
      job.directivePassOne(statement.word, statement.rest, index);
    }
  }
  pcAfterPassOne = job.pc;
}

void DirectiveHarness::passTwo() {
  job.moduleName.clear();
  job.localLabelChar = '@';
  job.pc = 0;
  job.origin = 0;
  job.originOffset = 0;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Statement statement = split(lines_[i]);
    if (!statement.label.empty()) {
      offsets_.emplace_back(job.qualifyLocalLabel(statement.label), image.length());
    }
    if (marked(static_cast<int>(i)) && !statement.word.empty()) {
      job.directivePassTwo(statement.word, statement.rest, static_cast<int>(i), image);
    }
  }
}

void DirectiveHarness::assemble() {
  passOne();
  if (job.status <= STATUS_WARNINGS) {
    passTwo();
  }
}

void DirectiveHarness::assembleAll() {
  passOne();
  passTwo();
}

std::vector<std::uint8_t> DirectiveHarness::bytes() const { return {image.bytes().begin(), image.bytes().end()}; }

std::vector<int> DirectiveHarness::diagnosticCodes() const {
  static const std::regex code(R"((?:Error|Warning) #(\d+) in )");
  std::vector<int> codes;
  const std::string& text = job.consoleText();
  for (auto it = std::sregex_iterator(text.begin(), text.end(), code); it != std::sregex_iterator(); ++it) {
    codes.push_back(std::stoi((*it)[1]));
  }
  return codes;
}

std::uint16_t DirectiveHarness::labelValue(std::string_view name) const {
  const Symbol* symbol = job.symbols->find(job.symbolKey(name));
  EXPECT_NE(symbol, nullptr) << name;
  return symbol ? symbol->value : 0;
}

std::size_t DirectiveHarness::imageOffsetAt(std::string_view name) const {
  for (const auto& [label, offset] : offsets_) {
    if (label == name) {
      return offset;
    }
  }
  ADD_FAILURE() << "no label " << name;
  return 0;
}

std::string hexBytes(const std::vector<std::uint8_t>& bytes) {
  static constexpr char DIGITS[] = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t byte : bytes) {
    if (!text.empty()) {
      text += ' ';
    }
    text += DIGITS[byte >> 4];
    text += DIGITS[byte & 0x0F];
  }
  return text;
}
