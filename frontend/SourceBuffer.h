#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "frontend/LineRecord.h"

// Where an included file's lines begin or end among the lines: a listing shows the
// file's own lines between the two, and the including line just before them.
struct IncludeMark {
  std::size_t lineIndex = 0;  // the first line after the mark
  bool entering = false;
  std::uint32_t fileIndex = 0;  // entering: the included file
  int includingLine = 0;        // entering: the #INCLUDE line of the file that includes it
};

// The preprocessed program: one statement per line, each ending with "\n", with
// one record per line naming its file and line. The preprocessor only appends;
// the passes read it from the start and annotate the records.
class SourceBuffer {
public:
  int addFile(std::string path);
  bool isIncluded(std::string_view path) const;
  // Called on either side of reading an included file: it is the next file added,
  // and the line that includes it is a line of the file being read.
  void enterInclude(int includingLine);
  void leaveInclude();
  // The writes are made once for every line and are kept here to be inlined.
  int addLine(std::uint32_t fileIndex, int lineNumber) {
    lines_.push_back(LineRecord{fileIndex, lineNumber, 0, nullptr});
    return static_cast<int>(lines_.size() - 1);
  }
  void writeLine(std::string_view text) { text_.append(text); }
  // Makes room ahead for about this much more text and this many more lines (a
  // file's worth), so that the buffer is not copied as it grows. Room grows at
  // least geometrically, so reserving for every file costs no more than appending.
  void expect(std::size_t textBytes, std::size_t lineCount);

  std::size_t length() const { return text_.size(); }

  const std::string& fileNameOf(int lineIndex) const;
  int lineNumberOf(int lineIndex) const;
  void setEmits(int lineIndex, int value);
  int emitsOf(int lineIndex) const;
  // Marks an instruction line for pass 2 with the form pass 1 matched.
  void setInstruction(int lineIndex, const TableEntry* entry);
  const TableEntry* entryOf(int lineIndex) const;
  // Whether a listing shows the line. Lines are listed unless a .NOLIST before them
  // turned the listing off; pass 1 notes each switch at its own line, in order.
  void switchListing(int lineIndex, bool listed);
  bool isListed(int lineIndex) const;

  const std::vector<std::string>& files() const { return files_; }
  const std::vector<LineRecord>& lines() const { return lines_; }
  const std::vector<IncludeMark>& includeMarks() const { return includeMarks_; }
  std::string_view text() const { return text_; }

private:
  std::string text_;
  std::vector<std::string> files_;
  std::unordered_set<std::string> fileSet_;  // the entries of files_, for the include check
  std::vector<LineRecord> lines_;
  std::vector<IncludeMark> includeMarks_;  // in the order the files were entered and left
  // Where the listing was switched off or on: few lines switch it, so they are kept
  // apart from the records.
  struct ListingSwitch {
    int lineIndex;
    bool listed;
  };
  std::vector<ListingSwitch> listingSwitches_;
};
