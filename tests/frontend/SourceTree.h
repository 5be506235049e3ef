#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "tests/support/TempDir.h"
#include "tests/support/TestJob.h"

// What preprocessing left behind: the buffer's text, its records and the console.
struct Outcome {
  std::string text;
  std::string lines;    // line number of each record: "1 2 2"
  std::string records;  // file name and line of each record: "main.asm:1 inc.asm:3"
  std::string diagnostics;
};

// A directory of source files that is the current directory while the object
// lives, as it is during a real run, and a job to preprocess them with.
class SourceTree {
public:
  SourceTree();
  ~SourceTree();
  SourceTree(const SourceTree&) = delete;
  SourceTree& operator=(const SourceTree&) = delete;

  std::filesystem::path write(const std::string& name, std::string_view text) const { return dir.write(name, text); }
  std::string pathOf(const std::string& name) const { return (dir.path() / name).string(); }
  Outcome preprocess(const std::string& mainName = "main.asm");

  TempDir dir;
  TestJob job;

private:
  std::string previousDirectory_;
};

// Preprocesses one source written as main.asm.
Outcome preprocessSource(std::string_view source);

// One source and what it must produce.
struct SourceCase {
  std::string source;
  std::string text;
  std::string lines;
  std::string diagnostics = "";
};

void expectOutcomes(std::span<const SourceCase> cases);
