// The source line reader over arbitrary file contents: every line it hands out is
// one line of at most 254 characters ending in a single line feed, the line
// numbers count the reads, and the reads end.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "frontend/SourceLineReader.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/TestJob.h"

namespace {

void checkLine(const SourceLineReader::Line& line) {
  fuzz::check(!line.text.empty() && line.text.size() <= SourceLineReader::MAX_READ, "line length out of range");
  fuzz::check(line.text.back() == '\n', "line without its line end");
  fuzz::check(line.text.find('\n') == line.text.size() - 1, "line feed inside a line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::Workspace workspace("lines");
  const std::string path = workspace.write("source.asm", std::span(data, size)).string();
  CapturingConsole console;
  SourceLineReader reader(path, console);
  int reads = 0;
  while (const auto line = reader.nextLine()) {
    checkLine(*line);
    ++reads;
    fuzz::check(reader.lineNumber() == reads, "line numbers do not count the reads");
    fuzz::check(static_cast<std::size_t>(reads) <= size, "more lines than input bytes");
  }
  fuzz::check(!reader.nextLine().has_value(), "a read after the end returned a line");
  fuzz::check(console.text().empty(), "reading a readable file printed something");
  return 0;
}
