#include "tests/frontend/SourceTree.h"

#include <gtest/gtest.h>

#include "platform/FileSystem.h"

SourceTree::SourceTree() : previousDirectory_(platform::currentDirectory()) {
  platform::changeDirectory(dir.path().string());
}

SourceTree::~SourceTree() { platform::changeDirectory(previousDirectory_); }

Outcome SourceTree::preprocess(const std::string& mainName) {
  job.preprocess(pathOf(mainName), nullptr);
  Outcome outcome;
  outcome.text = std::string(job.source->text());
  for (const LineRecord& record : job.source->lines()) {
    const std::string& file = job.source->files().at(record.fileIndex);
    const std::string separator = outcome.lines.empty() ? "" : " ";
    outcome.lines += separator + std::to_string(record.lineNumber);
    outcome.records += separator + file.substr(platform::nameStart(file)) + ":" + std::to_string(record.lineNumber);
  }
  outcome.diagnostics = job.consoleText();
  return outcome;
}

Outcome preprocessSource(std::string_view source) {
  SourceTree tree;
  tree.write("main.asm", source);
  return tree.preprocess();
}

void expectOutcomes(std::span<const SourceCase> cases) {
  for (const SourceCase& expected : cases) {
    SCOPED_TRACE(testing::Message() << "source:\n" << expected.source);
    const Outcome outcome = preprocessSource(expected.source);
    EXPECT_EQ(outcome.text, expected.text);
    EXPECT_EQ(outcome.lines, expected.lines);
    EXPECT_EQ(outcome.diagnostics, expected.diagnostics);
  }
}
