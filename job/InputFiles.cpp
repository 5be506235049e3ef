#include "job/InputFiles.h"

#include <algorithm>

void InputFiles::record(const std::string& path) {
  const std::optional<platform::FileIdentity> identity = platform::fileIdentity(path);
  if (identity && std::ranges::find(files_, *identity) == files_.end()) {
    files_.push_back(*identity);
  }
}

bool InputFiles::holds(const std::string& path) const {
  const std::optional<platform::FileIdentity> identity = platform::fileIdentity(path);
  return identity && std::ranges::find(files_, *identity) != files_.end();
}
