#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "frontend/LineRecord.h"
#include "frontend/TextFile.h"

// The preprocessed program: one statement per line, each ending with "\n", with
// one record per line naming its file and line. The preprocessor only appends;
// the passes read it from the start and annotate the records.
//
// The text is a sequence of pieces. Lines taken over from a source file's text
// stay in that text: each is moved down to follow the line written from it before,
// so a file's lines fill the front of its own text and are never copied into a
// second buffer. Other lines (expansions, split statements) are copied into
// blocks of the buffer's own. A line never spans two pieces.
class SourceBuffer {
public:
  // Longest line the passes read, line end included.
  static constexpr std::size_t MAX_LINE = 255;

  int addFile(std::string path);
  bool isIncluded(std::string_view path) const;
  int addLine(std::uint32_t fileIndex, int lineNumber);
  // Copies text (any number of lines, the last one perhaps unfinished) to the end.
  void writeLine(std::string_view text);
  // Takes over a source file's text, so that its lines can be written where they
  // lie; returns the number by which writeKeptLine names it.
  std::size_t keepText(FileText text);
  std::span<char> keptText(std::size_t kept) { return texts_[kept].text.chars(); }
  // Writes a line of a kept text, "\n" included. Lines of one text must be written
  // in the order in which they lie in it, and the text before a line written must
  // no longer be needed: it is overwritten.
  void writeKeptLine(std::size_t kept, std::string_view line);
  // Makes room ahead for about this many more lines (a file's worth), so that the
  // records are not copied as they grow. Room grows at least geometrically, so
  // reserving for every file costs no more than appending.
  void expect(std::size_t lineCount);

  // The next line from the read position, "\n" included, or at most `max` bytes of
  // it; nothing when the text is used up.
  std::optional<std::string_view> readLine(std::size_t max = MAX_LINE);
  void rewind() { readPiece_ = readOffset_ = 0; }
  std::size_t length() const { return length_; }

  const std::string& fileNameOf(int lineIndex) const;
  int lineNumberOf(int lineIndex) const;
  void setEmits(int lineIndex, int value);
  int emitsOf(int lineIndex) const;
  void setStatement(int lineIndex, StatementSpan statement);
  StatementSpan statementOf(int lineIndex) const;
  void setEntry(int lineIndex, const TableEntry* entry);
  const TableEntry* entryOf(int lineIndex) const;

  const std::vector<std::string>& files() const { return files_; }
  const std::vector<LineRecord>& lines() const { return lines_; }
  // The text in order; only the last piece can end inside a line.
  const std::vector<std::string_view>& pieces() const { return pieces_; }
  // The whole text in one string, for a look at it as a whole.
  std::string text() const;

private:
  struct KeptText {
    FileText text;
    std::size_t written = 0;  // the front of the text that holds lines written from it
  };

  // Who holds the characters of a piece: a kept text by its number, or the blocks.
  static constexpr std::size_t IN_BLOCKS = static_cast<std::size_t>(-1);

  bool lastPieceEndsALine() const { return pieces_.empty() || pieces_.back().back() == '\n'; }
  // Adds characters just written at `start` to the text, as part of the last piece
  // where they follow it in the same holder.
  void appendToPieces(std::size_t holder, const char* start, std::size_t count);
  void startBlock(std::size_t needed);

  std::vector<std::string_view> pieces_;
  std::size_t lastHolder_ = IN_BLOCKS;
  std::size_t length_ = 0;
  std::deque<KeptText> texts_;  // never moved, so the pieces can point into them
  std::vector<std::unique_ptr<char[]>> blocks_;
  char* blockEnd_ = nullptr;    // where the next copied character goes
  char* blockLimit_ = nullptr;  // the end of the block being filled
  std::size_t readPiece_ = 0;
  std::size_t readOffset_ = 0;
  std::vector<std::string> files_;
  std::unordered_set<std::string> fileSet_;  // the entries of files_, for the include check
  std::vector<LineRecord> lines_;
};
