#include "tests/e2e/DirectiveRun.h"

#include <filesystem>
#include <sstream>

namespace {

std::string listingBytes(const std::string& listing) {
  const std::size_t start = listing.find("\n\n");
  if (start == std::string::npos) {
    return {};
  }
  // Every byte is followed by a blank; the line ends come on top of that.
  std::string bytes;
  for (char c : listing.substr(start + 2)) {
    if (c != '\n') {
      bytes += c;
    }
  }
  while (!bytes.empty() && bytes.back() == ' ') {
    bytes.pop_back();
  }
  return bytes;
}

std::string numberedLines(const std::string& out) {
  std::istringstream lines(out);
  std::string result;
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("Error #") || line.starts_with("Warning #")) {
      result += line + "\n";
    }
  }
  return result;
}

}  // namespace

AssembledSource assembleHex(const TempDir& dir, std::string_view source) {
  dir.write("prog.asm", source);
  std::filesystem::remove(dir.path() / "prog.txt");
  AssembledSource result;
  result.run = runQuarn({"-h", "prog.asm"}, dir.path());
  if (std::filesystem::exists(dir.path() / "prog.txt")) {
    result.bytes = listingBytes(readText(dir.path() / "prog.txt"));
  }
  result.diagnostics = numberedLines(result.run.out);
  return result;
}

std::string assembleSymbols(const TempDir& dir, std::string_view source) {
  dir.write("prog.asm", source);
  std::filesystem::remove(dir.path() / "prog.inc");
  runQuarn({"-s", "prog.asm"}, dir.path());
  const auto path = dir.path() / "prog.inc";
  return std::filesystem::exists(path) ? readText(path) : std::string{};
}
