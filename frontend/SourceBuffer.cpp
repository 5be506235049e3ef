#include "frontend/SourceBuffer.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

// Big enough that blocks are few, small enough that a source without expansions
// pays little for the first one.
constexpr std::size_t BLOCK_SIZE = 64 * 1024;

// Whether `part` lies within `whole`; the two may belong to unrelated objects.
bool liesWithin(std::string_view part, std::string_view whole) {
  const std::less_equal<const char*> notAfter;
  return notAfter(whole.data(), part.data()) && notAfter(part.data() + part.size(), whole.data() + whole.size());
}

template <class Container>
void reserveAtLeast(Container& container, std::size_t needed) {
  if (needed > container.capacity()) {
    container.reserve(std::max(needed, 2 * container.capacity()));
  }
}

}  // namespace

int SourceBuffer::addFile(std::string path) {
  files_.push_back(std::move(path));
  fileSet_.insert(files_.back());
  return static_cast<int>(files_.size() - 1);
}

bool SourceBuffer::isIncluded(std::string_view path) const { return fileSet_.contains(std::string(path)); }

int SourceBuffer::addLine(std::uint32_t fileIndex, int lineNumber) {
  lines_.push_back(LineRecord{fileIndex, lineNumber, 0, StatementSpan{}, nullptr});
  return static_cast<int>(lines_.size() - 1);
}

void SourceBuffer::expect(std::size_t lineCount) { reserveAtLeast(lines_, lines_.size() + lineCount); }

void SourceBuffer::appendToPieces(std::size_t holder, const char* start, std::size_t count) {
  if (holder == lastHolder_ && !pieces_.empty() && pieces_.back().data() + pieces_.back().size() == start) {
    pieces_.back() = std::string_view(pieces_.back().data(), pieces_.back().size() + count);
  } else {
    pieces_.emplace_back(start, count);
  }
  lastHolder_ = holder;
  length_ += count;
}

void SourceBuffer::writeLine(std::string_view text) {
  if (text.empty()) {
    return;
  }
  if (static_cast<std::size_t>(blockLimit_ - blockEnd_) < text.size()) {
    startBlock(text.size());
  }
  std::memcpy(blockEnd_, text.data(), text.size());
  appendToPieces(IN_BLOCKS, blockEnd_, text.size());
  blockEnd_ += text.size();
}

// An unfinished last line (it can only have been copied) moves to the new block
// with the rest of its characters, so that no line spans two pieces.
void SourceBuffer::startBlock(std::size_t needed) {
  std::string_view carried;
  if (!lastPieceEndsALine()) {
    std::string_view& last = pieces_.back();
    const std::size_t lineStart = last.rfind('\n') + 1;  // 0 when the piece holds no line end
    carried = last.substr(lineStart);
    last = last.substr(0, lineStart);
    if (last.empty()) {
      pieces_.pop_back();
    }
  }
  const std::size_t size = std::max(BLOCK_SIZE, needed + carried.size());
  blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
  blockEnd_ = blocks_.back().get();
  blockLimit_ = blockEnd_ + size;
  if (!carried.empty()) {
    std::memcpy(blockEnd_, carried.data(), carried.size());
    pieces_.emplace_back(blockEnd_, carried.size());
    lastHolder_ = IN_BLOCKS;
    blockEnd_ += carried.size();
  }
}

std::size_t SourceBuffer::keepText(FileText text) {
  texts_.push_back(KeptText{std::move(text), 0});
  return texts_.size() - 1;
}

void SourceBuffer::writeKeptLine(std::size_t kept, std::string_view line) {
  KeptText& holder = texts_[kept];
  const std::span<char> text = holder.text.chars();
  char* front = text.data() + holder.written;
  const std::string_view unwritten(front, text.size() - holder.written);
  if (line.empty() || line.back() != '\n' || !lastPieceEndsALine() || !liesWithin(line, unwritten)) {
    writeLine(line);
    return;
  }
  std::memmove(front, line.data(), line.size());
  appendToPieces(kept, front, line.size());
  holder.written += line.size();
}

std::string SourceBuffer::text() const {
  std::string joined;
  joined.reserve(length_);
  for (const std::string_view piece : pieces_) {
    joined += piece;
  }
  return joined;
}

std::optional<std::string_view> SourceBuffer::readLine(std::size_t max) {
  while (readPiece_ < pieces_.size() && readOffset_ == pieces_[readPiece_].size()) {
    ++readPiece_;
    readOffset_ = 0;
  }
  if (readPiece_ == pieces_.size()) {
    return std::nullopt;
  }
  const std::string_view rest = pieces_[readPiece_].substr(readOffset_);
  const std::size_t lineEnd = rest.find('\n');
  const std::size_t count = std::min(lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1, max);
  readOffset_ += count;
  return rest.substr(0, count);
}

const std::string& SourceBuffer::fileNameOf(int lineIndex) const {
  return files_[lines_[static_cast<std::size_t>(lineIndex)].fileIndex];
}

int SourceBuffer::lineNumberOf(int lineIndex) const { return lines_[static_cast<std::size_t>(lineIndex)].lineNumber; }

void SourceBuffer::setEmits(int lineIndex, int value) { lines_[static_cast<std::size_t>(lineIndex)].emits = value; }

int SourceBuffer::emitsOf(int lineIndex) const { return lines_[static_cast<std::size_t>(lineIndex)].emits; }

void SourceBuffer::setStatement(int lineIndex, StatementSpan statement) {
  lines_[static_cast<std::size_t>(lineIndex)].statement = statement;
}

StatementSpan SourceBuffer::statementOf(int lineIndex) const {
  return lines_[static_cast<std::size_t>(lineIndex)].statement;
}

void SourceBuffer::setEntry(int lineIndex, const TableEntry* entry) {
  lines_[static_cast<std::size_t>(lineIndex)].entry = entry;
}

const TableEntry* SourceBuffer::entryOf(int lineIndex) const {
  return lines_[static_cast<std::size_t>(lineIndex)].entry;
}
