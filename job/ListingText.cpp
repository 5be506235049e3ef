#include "job/ListingText.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "base/CharClass.h"
#include "frontend/SourceLineReader.h"
#include "frontend/TextFile.h"
#include "job/AssemblyJob.h"
#include "job/FileError.h"

namespace {

constexpr std::size_t BYTES_PER_ROW = 8;
constexpr std::size_t BYTES_WIDTH = BYTES_PER_ROW * 3 - 1;  // "XX" and a blank between bytes
constexpr std::string_view GAP = "  ";

// A source file as the listing shows it: its lines numbered as the reader numbers
// them, a line longer than the reader takes at once going on as the next line.
struct ListedFile {
  std::string shownName;
  std::string text;
  std::vector<std::string_view> lines;
};

// The file's lines are views of its text, which therefore stays where it is.
void readListedFile(ListedFile& file, const std::string& path) {
  std::optional<std::string> text = readTextFile(path);
  if (!text) {
    throw FileError("Cannot read " + path + " for the listing");
  }
  file.text = std::move(*text);
  const std::string_view all = file.text;
  std::size_t position = 0;
  while (position < all.size()) {
    const std::size_t available = std::min(all.size() - position, SourceLineReader::MAX_READ);
    const std::size_t lineFeed = all.substr(position, available).find('\n');
    const std::size_t length = lineFeed == std::string_view::npos ? available : lineFeed + 1;
    file.lines.push_back(all.substr(position, lineFeed == std::string_view::npos ? length : lineFeed));
    position += length;
  }
}

std::string hexWord(unsigned value) {
  char digits[5];
  std::snprintf(digits, sizeof digits, "%04X", value & 0xFFFF);
  return digits;
}

std::string hexBytes(std::span<const std::uint8_t> bytes) {
  std::string text;
  for (const std::uint8_t byte : bytes) {
    char digits[4];
    std::snprintf(digits, sizeof digits, text.empty() ? "%02X" : " %02X", byte);
    text += digits;
  }
  return text;
}

int decimalDigits(std::size_t value) {
  int digits = 1;
  for (; value >= 10; value /= 10) {
    ++digits;
  }
  return digits;
}

// The address and the bytes one source line produced, which may be several
// statements (a line of several statements, or an expanded macro).
struct Produced {
  std::optional<std::uint16_t> address;
  std::span<const std::uint8_t> bytes;
};

class ListingBuilder {
public:
  ListingBuilder(const AssemblyJob& job, std::span<const std::uint8_t> image)
      : job_(job),
        records_(job.source->lines()),
        image_(image),
        placed_(job.placements.size() == records_.size()) {
    for (const std::string& path : job.source->files()) {
      ListedFile& file = files_.emplace_back();
      file.shownName = job.pathForUser(path);
      readListedFile(file, path);
      locationWidth_ =
          std::max(locationWidth_, file.shownName.size() + 1 + static_cast<std::size_t>(decimalDigits(file.lines.size())));
    }
  }

  std::string build() {
    if (files_.empty()) {
      return text_;
    }
    open_.push_back(OpenFile{0, 1});
    const std::vector<IncludeMark>& marks = job_.source->includeMarks();
    std::size_t mark = 0;
    const auto marksBefore = [&](std::size_t lineIndex) {
      for (; mark < marks.size() && marks[mark].lineIndex <= lineIndex; ++mark) {
        apply(marks[mark]);
      }
    };
    for (std::size_t first = 0; first < records_.size();) {
      marksBefore(first);
      // The statements of one source line follow each other, with no file entered
      // or left in between.
      std::size_t end = first + 1;
      while (end < records_.size() && sameLine(records_[end], records_[first]) &&
             (mark == marks.size() || marks[mark].lineIndex > end)) {
        ++end;
      }
      listSourceLine(first, end);
      // .NOLIST and .LIST take effect at their own line and hold for what follows,
      // also for the lines the passes never saw.
      listing_ = job_.source->isListed(static_cast<int>(end - 1));
      first = end;
    }
    marksBefore(records_.size());
    listRestOf(open_.back());
    appendSymbols();
    return text_;
  }

private:
  struct OpenFile {
    std::uint32_t fileIndex;
    int nextLine;  // the first line not listed yet
  };

  static bool sameLine(const LineRecord& a, const LineRecord& b) {
    return a.fileIndex == b.fileIndex && a.lineNumber == b.lineNumber;
  }

  void apply(const IncludeMark& mark) {
    if (mark.entering) {
      listUpTo(open_.back(), mark.includingLine);
      appendRule("begin", mark.fileIndex);
      open_.push_back(OpenFile{mark.fileIndex, 1});
    } else if (open_.size() > 1) {
      listRestOf(open_.back());
      appendRule("end", open_.back().fileIndex);
      open_.pop_back();
    }
  }

  void appendRule(std::string_view what, std::uint32_t fileIndex) {
    if (!listing_) {
      return;
    }
    text_ += "==== ";
    text_ += what;
    text_ += ' ';
    text_ += files_[fileIndex].shownName;
    text_ += '\n';
  }

  // Lines that produced nothing the passes saw: comments, blank lines, directives
  // of the preprocessor and text it skipped.
  void listUpTo(OpenFile& file, int lastLine) {
    for (; file.nextLine <= lastLine; ++file.nextLine) {
      appendRow(file.fileIndex, file.nextLine, {});
    }
  }

  void listRestOf(OpenFile& file) { listUpTo(file, static_cast<int>(files_[file.fileIndex].lines.size())); }

  void listSourceLine(std::size_t first, std::size_t end) {
    const LineRecord& record = records_[first];
    if (record.lineNumber <= 0) {
      return;  // the filler line of a source without statements
    }
    OpenFile& file = open_.back();
    if (file.fileIndex == record.fileIndex) {
      listUpTo(file, record.lineNumber - 1);
      file.nextLine = std::max(file.nextLine, record.lineNumber + 1);
    }
    listing_ = job_.source->isListed(static_cast<int>(first));
    appendRow(record.fileIndex, record.lineNumber, producedBy(first, end));
  }

  std::uint32_t imageEndBefore(std::size_t lineIndex) const {
    return lineIndex == 0 ? 0 : job_.placements[lineIndex - 1].imageEnd;
  }

  // The address is where the first bytes went; a line without bytes shows where
  // the location counter stood after it (after .ORG, its new value).
  Produced producedBy(std::size_t first, std::size_t end) const {
    if (!placed_) {
      return {};
    }
    Produced produced;
    produced.address = job_.placements[end - 1].pcAfter;
    for (std::size_t i = first; i < end; ++i) {
      const std::uint32_t count = job_.placements[i].imageEnd - imageEndBefore(i);
      if (count != 0) {
        produced.address = static_cast<std::uint16_t>(job_.placements[i].pcAfter - count);
        break;
      }
    }
    const std::uint32_t start = imageEndBefore(first);
    const std::uint32_t stop = job_.placements[end - 1].imageEnd;
    if (stop <= image_.size() && start <= stop) {
      produced.bytes = std::span(image_).subspan(start, stop - start);
    }
    return produced;
  }

  void appendRow(std::uint32_t fileIndex, int lineNumber, Produced produced) {
    if (!listing_) {
      return;
    }
    const ListedFile& file = files_[fileIndex];
    const std::string location = file.shownName + ":" + std::to_string(lineNumber);
    const std::string_view text =
        static_cast<std::size_t>(lineNumber) <= file.lines.size() ? file.lines[lineNumber - 1] : std::string_view{};
    std::span<const std::uint8_t> bytes = produced.bytes;
    const std::size_t firstRow = std::min(bytes.size(), BYTES_PER_ROW);
    appendColumns(location, produced.address, bytes.first(firstRow), text);
    // Long data goes on over further rows, each at its own address.
    unsigned address = produced.address.value_or(0);
    for (bytes = bytes.subspan(firstRow); !bytes.empty(); bytes = bytes.subspan(std::min(bytes.size(), BYTES_PER_ROW))) {
      address += BYTES_PER_ROW;
      appendColumns({}, static_cast<std::uint16_t>(address), bytes.first(std::min(bytes.size(), BYTES_PER_ROW)), {});
    }
  }

  void appendColumns(std::string_view location, std::optional<std::uint16_t> address,
                     std::span<const std::uint8_t> bytes, std::string_view text) {
    std::string row(location);
    row.resize(locationWidth_, ' ');
    row += GAP;
    row += address ? hexWord(*address) : std::string(4, ' ');
    row += GAP;
    std::string byteColumn = hexBytes(bytes);
    byteColumn.resize(BYTES_WIDTH, ' ');
    row += byteColumn;
    row += GAP;
    row += text;
    row.erase(row.find_last_not_of(' ') + 1);
    text_ += row;
    text_ += '\n';
  }

  void appendSymbols() {
    if (!job_.exportSymbols) {
      return;
    }
    std::vector<std::pair<std::string_view, std::uint16_t>> symbols;
    job_.exportSymbols->forEach(
        [&](std::string_view name, const Symbol& symbol) { symbols.emplace_back(name, symbol.value); });
    // Sorted as a reader looks names up: regardless of case, then by spelling.
    std::ranges::sort(symbols, [](const auto& a, const auto& b) {
      const auto folded = [](std::string_view name) {
        std::string key(name);
        std::ranges::transform(key, key.begin(), toUpper);
        return key;
      };
      return std::pair(folded(a.first), a) < std::pair(folded(b.first), b);
    });
    std::size_t nameWidth = 0;
    for (const auto& [name, value] : symbols) {
      nameWidth = std::max(nameWidth, name.size());
    }
    text_ += "\nSymbols:\n";
    for (const auto& [name, value] : symbols) {
      std::string row(name);
      row.resize(nameWidth, ' ');
      text_ += row + std::string(GAP) + hexWord(value) + "\n";
    }
  }

  const AssemblyJob& job_;
  const std::vector<LineRecord>& records_;
  std::span<const std::uint8_t> image_;
  bool placed_;
  std::deque<ListedFile> files_;  // in place: their lines point into their text
  std::size_t locationWidth_ = 0;
  std::vector<OpenFile> open_;
  bool listing_ = true;  // whether rows are written at this point
  std::string text_;
};

}  // namespace

std::string listingText(const AssemblyJob& job, std::span<const std::uint8_t> image) {
  if (!job.source) {
    return {};
  }
  return ListingBuilder(job, image).build();
}
