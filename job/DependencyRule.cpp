#include "job/DependencyRule.h"

#include <algorithm>
#include <vector>

#include "job/AssemblyJob.h"

namespace {

// Make reads a blank as the end of a name, '#' as a comment and '$' as a variable.
std::string escapedForMake(const std::string& name) {
  std::string escaped;
  for (const char c : name) {
    if (c == ' ' || c == '\t' || c == '#') {
      escaped += '\\';
    } else if (c == '$') {
      escaped += '$';
    }
    escaped += c;
  }
  return escaped;
}

std::vector<std::string> filesRead(const AssemblyJob& job) {
  std::vector<std::string> files;
  const auto add = [&](const std::string& path) {
    std::string shown = escapedForMake(job.pathForUser(path));
    if (std::ranges::find(files, shown) == files.end()) {
      files.push_back(std::move(shown));
    }
  };
  if (job.source) {
    std::ranges::for_each(job.source->files(), add);
  }
  std::ranges::for_each(job.binaryFiles, add);
  return files;
}

}  // namespace

std::string dependencyRule(const AssemblyJob& job) {
  const std::vector<std::string> files = filesRead(job);
  std::string rule = escapedForMake(job.pathForUser(job.writtenOutput->path)) + ":";
  for (const std::string& file : files) {
    rule += " \\\n  " + file;
  }
  rule += "\n";
  for (std::size_t i = 1; i < files.size(); ++i) {
    rule += "\n" + files[i] + ":\n";
  }
  return rule;
}
