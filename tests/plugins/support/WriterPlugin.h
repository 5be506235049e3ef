// Test access to the built writer plug-ins, loaded from the runtime directory the
// way quarn loads them, and to the files they write.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "job/PluginInterface.h"

namespace plugintest {

class WriterPlugin {
 public:
  // Loads <name>.so from the runtime directory; a missing library or export fails the test.
  explicit WriterPlugin(const std::string& name);

  int save(std::span<const std::uint8_t> image, const std::string& basePath, char* extension = nullptr) const;
  const char* description() const;
  int about() const;
  // Any export by name, or nullptr.
  void* symbol(const char* name) const;

 private:
  struct Closer {
    void operator()(void* handle) const;
  };
  std::unique_ptr<void, Closer> handle_;
  SavePrgmFileFn save_ = nullptr;
};

// A fresh empty directory, removed with everything in it at the end of the test.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::vector<std::string> entries() const;

 private:
  std::filesystem::path path_;
};

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// "0C 00 12" -> {0x0C, 0x00, 0x12}; spaces are ignored.
std::vector<std::uint8_t> hexBytes(std::string_view hex);

// Sets RLIMIT_FSIZE so that writes past `bytes` fail as on a full disk (for death-test children).
void limitFileSize(std::uint64_t bytes);

}  // namespace plugintest
