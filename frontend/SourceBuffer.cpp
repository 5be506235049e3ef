#include "frontend/SourceBuffer.h"

#include <algorithm>
#include <iterator>

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

const std::string& SourceBuffer::fileNameOf(int lineIndex) const {
  return files_[lines_[static_cast<std::size_t>(lineIndex)].fileIndex];
}

int SourceBuffer::lineNumberOf(int lineIndex) const { return lines_[static_cast<std::size_t>(lineIndex)].lineNumber; }

void SourceBuffer::setEmits(int lineIndex, int value) {
  lines_[static_cast<std::size_t>(lineIndex)].emits = static_cast<std::uint8_t>(value != 0);
}

int SourceBuffer::emitsOf(int lineIndex) const { return lines_[static_cast<std::size_t>(lineIndex)].emits; }

void SourceBuffer::setInstruction(int lineIndex, const TableEntry* entry) {
  LineRecord& record = lines_[static_cast<std::size_t>(lineIndex)];
  record.entry = entry;
  record.emits = 1;
}

const TableEntry* SourceBuffer::entryOf(int lineIndex) const {
  return lines_[static_cast<std::size_t>(lineIndex)].entry;
}

void SourceBuffer::switchListing(int lineIndex, bool listed) { listingSwitches_.push_back({lineIndex, listed}); }

bool SourceBuffer::isListed(int lineIndex) const {
  const auto after = std::upper_bound(listingSwitches_.begin(), listingSwitches_.end(), lineIndex,
                                      [](int index, const ListingSwitch& at) { return index < at.lineIndex; });
  return after == listingSwitches_.begin() || std::prev(after)->listed;
}
