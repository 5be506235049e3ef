#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// What makes a file itself, whatever name it is reached by: hard and symbolic
// links and every spelling of its path share it.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;

  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the file that path names, through links; nothing when no file
// is there.
std::optional<FileIdentity> fileIdentity(const std::string& path);

}  // namespace platform
