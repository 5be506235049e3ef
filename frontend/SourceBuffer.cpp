#include "frontend/SourceBuffer.h"

#include <algorithm>

#include "base/TextScan.h"

int SourceBuffer::addFile(std::string path) {
  files_.push_back(std::move(path));
  fileSet_.insert(files_.back());
  return static_cast<int>(files_.size() - 1);
}

bool SourceBuffer::isIncluded(std::string_view path) const { return fileSet_.contains(std::string(path)); }

void SourceBuffer::enterInclude(int includingLine) {
  includeMarks_.push_back(IncludeMark{lines_.size(), true, static_cast<std::uint32_t>(files_.size()), includingLine});
}

void SourceBuffer::leaveInclude() { includeMarks_.push_back(IncludeMark{lines_.size(), false, 0, 0}); }

namespace {

template <class Container>
void reserveAtLeast(Container& container, std::size_t needed) {
  if (needed > container.capacity()) {
    container.reserve(std::max(needed, 2 * container.capacity()));
  }
}

}  // namespace

void SourceBuffer::expect(std::size_t textBytes, std::size_t lineCount) {
  reserveAtLeast(text_, text_.size() + textBytes);
  reserveAtLeast(lines_, lines_.size() + lineCount);
}

std::optional<std::string_view> SourceBuffer::readLine(std::size_t max) {
  if (position_ >= text_.size()) {
    return std::nullopt;
  }
  const std::string_view rest = slice(text_.view(), position_, text_.size());
  const std::size_t lineEnd = rest.find('\n');
  const std::size_t count = std::min(lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1, max);
  position_ += count;
  return slice(rest, 0, count);
}

const std::string& SourceBuffer::fileNameOf(int lineIndex) const {
  return files_[lines_[static_cast<std::size_t>(lineIndex)].fileIndex];
}

int SourceBuffer::lineNumberOf(int lineIndex) const { return lines_[static_cast<std::size_t>(lineIndex)].lineNumber; }

void SourceBuffer::setEmits(int lineIndex, int value) {
  lines_[static_cast<std::size_t>(lineIndex)].emits = static_cast<std::uint8_t>(value != 0);
}

int SourceBuffer::emitsOf(int lineIndex) const { return lines_[static_cast<std::size_t>(lineIndex)].emits; }

void SourceBuffer::setStatement(int lineIndex, StatementSpan statement) {
  lines_[static_cast<std::size_t>(lineIndex)].statement = statement;
}

StatementSpan SourceBuffer::statementOf(int lineIndex) const {
  return lines_[static_cast<std::size_t>(lineIndex)].statement;
}

void SourceBuffer::setInstruction(int lineIndex, const TableEntry* entry, ArgumentLayout arguments) {
  LineRecord& record = lines_[static_cast<std::size_t>(lineIndex)];
  record.entry = entry;
  record.emits = 1;
  record.arguments = arguments;
}

const TableEntry* SourceBuffer::entryOf(int lineIndex) const {
  return lines_[static_cast<std::size_t>(lineIndex)].entry;
}
