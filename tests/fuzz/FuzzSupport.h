// What the fuzz targets share: a scratch folder that lives as long as the fuzzing
// process, and property checks that stop the run so libFuzzer keeps the input.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace fuzz {

// A fresh folder under the system's temporary directory, removed when the process ends normally.
class Workspace {
public:
  explicit Workspace(std::string_view tag);
  ~Workspace();
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes (or replaces) a file below the folder, creating folders on the way.
  std::filesystem::path write(const std::string& name, std::span<const std::uint8_t> bytes) const;
  std::filesystem::path write(const std::string& name, std::string_view text) const;
  void remove(const std::string& name) const;

private:
  std::filesystem::path path_;
};

// Reports a broken property on standard error and aborts, which libFuzzer treats as a crash.
[[noreturn]] void fail(std::string_view what);

inline void check(bool holds, std::string_view what) {
  if (!holds) {
    fail(what);
  }
}

inline std::string_view asText(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace fuzz
