#include "tests/fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace fuzz {

Workspace::Workspace(std::string_view tag) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  do {
    path_ = fs::temp_directory_path() / ("quarn-fuzz-" + std::string(tag) + "-" + std::to_string(random()));
  } while (!fs::create_directory(path_));
}

Workspace::~Workspace() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

fs::path Workspace::write(const std::string& name, std::span<const std::uint8_t> bytes) const {
  return write(name, asText(bytes));
}

fs::path Workspace::write(const std::string& name, std::string_view text) const {
  const fs::path file = path_ / name;
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  check(static_cast<bool>(out), "cannot write a fuzzing input file");
  return file;
}

void Workspace::remove(const std::string& name) const {
  std::error_code ignored;
  fs::remove(path_ / name, ignored);
}

void fail(std::string_view what) {
  std::fprintf(stderr, "fuzz property broken: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

}  // namespace fuzz
