#include "frontend/SourceLineReader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <utility>

#include "job/ConsoleSink.h"
#include "job/FileError.h"
#include "job/ProgramExit.h"
#include "platform/FileSystem.h"

namespace {

[[noreturn]] void cannotOpen(const std::string& path, ConsoleSink& console) {
  console.print("Error opening file " + path + "\n");
  std::fflush(stdout);
  throw ProgramExit{1};
}

// CR LF pairs become single line feeds, so files written on Windows read the same.
void joinCarriageReturns(std::string& text) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      continue;
    }
    text[kept++] = text[i];
  }
  text.resize(kept);
}

}  // namespace

SourceLineReader::SourceLineReader(const std::string& path, ConsoleSink& console)
    : fullPath_(platform::absolutePath(path)) {
  // A directory opens as a stream on this platform but is no source file.
  if (!platform::fileExists(path)) {
    cannotOpen(path, console);
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    cannotOpen(path, console);
  }
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad() || text.bad()) {
    throw FileError("Cannot read " + path + ": " + std::strerror(errno));
  }
  content_ = std::move(text).str();
  joinCarriageReturns(content_);
}

std::string_view SourceLineReader::fileName() const {
  return std::string_view(fullPath_).substr(platform::nameStart(fullPath_));
}

std::optional<SourceLineReader::Line> SourceLineReader::nextLine() {
  if (position_ >= content_.size()) {
    return std::nullopt;
  }
  lineLength_ = readPiece();
  ++lineNumber_;
  const bool endsWithLineFeed = line_[lineLength_ - 1] == '\n';

  // The rest of a cut line whose comment began before the cut is comment too: its
  // pieces keep their line numbers but carry no text.
  if (inCommentTail_) {
    inCommentTail_ = !endsWithLineFeed;
    return Line{"\n", false};
  }
  if (stripComment()) {
    inCommentTail_ = !endsWithLineFeed;
    return Line{std::string_view(line_.data(), lineLength_), false};
  }

  Line line;
  if (lineLength_ == MAX_READ && !endsWithLineFeed) {
    // The last character gives way to the line end; the rest of the physical line
    // comes back as the next line.
    line_[lineLength_ - 1] = '\n';
    line.tooLong = true;
  } else if (!endsWithLineFeed) {
    line_[lineLength_++] = '\n';  // the last line of a file without a line end
  }
  line.text = std::string_view(line_.data(), lineLength_);
  return line;
}

// Copies the next piece of the file, up to and including its line feed but at
// most MAX_READ characters, into the line buffer.
std::size_t SourceLineReader::readPiece() {
  const std::size_t available = std::min(content_.size() - position_, MAX_READ);
  const char* start = content_.data() + position_;
  const void* lineFeed = std::memchr(start, '\n', available);
  const std::size_t length =
      lineFeed ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - start) + 1 : available;
  std::copy_n(start, length, line_.begin());
  position_ += length;
  return length;
}

// Cuts the line at its first semicolon outside double-quoted text; a single quote
// protects the character right after it. Returns true when a comment was cut off.
bool SourceLineReader::stripComment() {
  for (std::size_t i = 0; i < lineLength_; ++i) {
    switch (line_[i]) {
      case '"': {
        const char* closing = static_cast<const char*>(std::memchr(&line_[i + 1], '"', lineLength_ - i - 1));
        if (closing == nullptr) {
          return false;
        }
        i = static_cast<std::size_t>(closing - line_.data());
        break;
      }
      case '\'':
        if (i + 1 < lineLength_) {
          ++i;
        }
        break;
      case ';':
        line_[i] = '\n';
        lineLength_ = i + 1;
        return true;
      default:
        break;
    }
  }
  return false;
}
