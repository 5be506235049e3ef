#pragma once

#include <string>
#include <vector>

#include "platform/FileIdentity.h"

// The files one run has read (source, includes, binary includes, the instruction
// table), kept by identity so that an output can tell whether it would replace
// one of them under whatever name it reaches it.
class InputFiles {
public:
  // Notes the file that path names now; a name with no file behind it adds nothing.
  void record(const std::string& path);
  // Whether path names one of the files recorded.
  bool holds(const std::string& path) const;

private:
  // A run reads a handful of distinct files, however often it includes them.
  std::vector<platform::FileIdentity> files_;
};
