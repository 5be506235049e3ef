#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// A fresh directory under the system's temporary directory, removed with everything
// in it when the object goes away.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes a file below the directory (creating folders) and returns its path.
  std::filesystem::path write(const std::string& name, std::string_view contents) const;
  std::filesystem::path writeBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

private:
  std::filesystem::path path_;
};

std::string readText(const std::filesystem::path& path);
std::vector<std::uint8_t> readBytes(const std::filesystem::path& path);
