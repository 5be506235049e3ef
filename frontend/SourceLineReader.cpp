#include "frontend/SourceLineReader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <utility>

#include "frontend/TextFile.h"
#include "job/ConsoleSink.h"
#include "job/ProgramExit.h"
#include "platform/FileSystem.h"

namespace {

[[noreturn]] void cannotOpen(const std::string& path, ConsoleSink& console) {
  console.print("Error opening file " + path + "\n");
  std::fflush(stdout);
  throw ProgramExit{1};
}

}  // namespace

SourceLineReader::SourceLineReader(const std::string& path, ConsoleSink& console)
    : fullPath_(platform::absolutePath(path)) {
  std::optional<std::string> text = readTextFile(path);
  if (!text) {
    cannotOpen(path, console);
  }
  content_ = std::move(*text);
}

std::size_t SourceLineReader::lineCount() const {
  return static_cast<std::size_t>(std::ranges::count(content_, '\n')) + 1;
}

std::string_view SourceLineReader::fileName() const {
  return std::string_view(fullPath_).substr(platform::nameStart(fullPath_));
}

std::optional<SourceLineReader::Line> SourceLineReader::nextLine() {
  if (position_ >= content_.size()) {
    return std::nullopt;
  }
  std::span<char> piece = readPiece();
  ++lineNumber_;
  const bool endsWithLineFeed = piece.back() == '\n';

  // The rest of a cut line whose comment began before the cut is comment too: its
  // pieces keep their line numbers but carry no text.
  if (inCommentTail_) {
    inCommentTail_ = !endsWithLineFeed;
    return Line{"\n", false};
  }
  if (const std::optional<std::size_t> comment = commentStart(piece)) {
    piece[*comment] = '\n';
    inCommentTail_ = !endsWithLineFeed;
    return Line{textOf(piece.first(*comment + 1)), false};
  }
  if (piece.size() == MAX_READ && !endsWithLineFeed) {
    // The last character gives way to the line end; the rest of the physical line
    // comes back as the next line.
    piece.back() = '\n';
    return Line{textOf(piece), true};
  }
  if (!endsWithLineFeed) {
    // The last line of a file without a line end: a copy of it gets one, which
    // leaves the file's text as it was read.
    std::copy(piece.begin(), piece.end(), lastLine_.begin());
    lastLine_[piece.size()] = '\n';
    return Line{std::string_view(lastLine_.data(), piece.size() + 1), false};
  }
  return Line{textOf(piece), false};
}

// The next piece of the file, up to and including its line feed but at most
// MAX_READ characters. Pieces are handed out where they lie in the file's text,
// which is changed in place where a line is cut.
std::span<char> SourceLineReader::readPiece() {
  const std::size_t available = std::min(content_.size() - position_, MAX_READ);
  char* start = content_.data() + position_;
  const void* lineFeed = std::memchr(start, '\n', available);
  const std::size_t length =
      lineFeed ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - start) + 1 : available;
  position_ += length;
  return {start, length};
}

// The first semicolon outside double-quoted text and character constants, where
// the comment begins.
std::optional<std::size_t> SourceLineReader::commentStart(std::span<const char> line) {
  const void* semicolon = std::memchr(line.data(), ';', line.size());
  if (semicolon == nullptr) {
    return std::nullopt;
  }
  const auto first = static_cast<std::size_t>(static_cast<const char*>(semicolon) - line.data());
  // Without a quote before the first semicolon nothing can protect it.
  if (std::memchr(line.data(), '"', first) == nullptr && std::memchr(line.data(), '\'', first) == nullptr) {
    return first;
  }
  for (std::size_t i = 0; i < line.size(); ++i) {
    switch (line[i]) {
      case '"': {
        // A quote can be the last character: the search then covers nothing.
        const char* closing = static_cast<const char*>(std::memchr(line.data() + i + 1, '"', line.size() - i - 1));
        if (closing == nullptr) {
          return std::nullopt;
        }
        i = static_cast<std::size_t>(closing - line.data());
        break;
      }
      case '\'':
        // A character constant is passed over whole, so a semicolon right after
        // it starts the comment; a quote that opens none (a prime, as in af')
        // is an ordinary character.
        if (i + 2 < line.size() && line[i + 2] == '\'') {
          i += 2;
        }
        break;
      case ';':
        return i;
      default:
        break;
    }
  }
  return std::nullopt;
}
