#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class ConsoleSink;

// One source file, handed out line by line. The file is read whole when it is
// opened; each line is at most 254 characters long, comment-stripped, and always
// ends with exactly one "\n" (a last line without one gets it here).
class SourceLineReader {
public:
  // Longest piece of a physical line that one read takes, line end included.
  static constexpr std::size_t MAX_READ = 254;

  struct Line {
    std::string_view text;  // ends with "\n"; valid until the next read
    bool tooLong = false;   // the physical line went on past MAX_READ characters
  };

  // Opens and reads the file. A file that cannot be opened ends the program with
  // "Error opening file <path>" on the console (ProgramExit); one that cannot be
  // read throws FileError.
  SourceLineReader(const std::string& path, ConsoleSink& console);
  // The lines handed out point into the text.
  SourceLineReader(const SourceLineReader&) = delete;
  SourceLineReader& operator=(const SourceLineReader&) = delete;

  std::optional<Line> nextLine();

  const std::string& fullPath() const { return fullPath_; }
  // The size of the file's text and the number of lines in it, known once it is opened.
  std::size_t length() const { return content_.size(); }
  std::size_t lineCount() const;

  std::string_view fileName() const;
  int lineNumber() const { return lineNumber_; }

private:
  std::span<char> readPiece();
  std::optional<std::size_t> commentStart(std::span<const char> line);
  static std::string_view textOf(std::span<const char> piece) { return {piece.data(), piece.size()}; }

  std::string content_;
  std::size_t position_ = 0;
  std::string fullPath_;
  int lineNumber_ = 0;
  std::array<char, MAX_READ + 1> lastLine_{};  // a last line that needs its line end added
  bool inCommentTail_ = false;
};
