#include "base/AtomicFile.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace {

namespace fs = std::filesystem;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

constexpr int TEMPORARY_NAME_ATTEMPTS = 16;

// The numbers that tell temporary names apart: each step of a SplitMix64 sequence
// spreads the seed's bits over the whole word. A run takes one or two of them, so
// a generator that first fills a large state (as the Mersenne twister does) would
// cost more than the names are worth.
class NameNumbers {
public:
  explicit NameNumbers(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t mixed = state_ += 0x9E3779B97F4A7C15u;
    mixed = (mixed ^ (mixed >> 30)) * 0xBF58476D1CE4E5B9u;
    mixed = (mixed ^ (mixed >> 27)) * 0x94D049BB133111EBu;
    return mixed ^ (mixed >> 31);
  }

private:
  std::uint64_t state_;
};

// A short name of its own, so that even an output name at the file system's length
// limit leaves room for the temporary one.
fs::path temporaryNameBeside(const fs::path& target, NameNumbers& numbers) {
  char suffix[17];
  std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(numbers.next()));
  return target.parent_path() / (std::string(".quarn-") + suffix + ".tmp");
}

struct TemporaryFile {
  fs::path path;
  FileHandle handle;
};

// Names need only be unlikely to clash: "x" makes the open fail rather than reuse a
// file that already exists, and another name is tried then. The clock and an
// address of this run seed them; a random device would cost more than the write
// (it asks the processor for its features, which is slow in a virtual machine).
std::uint64_t nameSeed() {
  const int local = 0;
  const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  return now ^ static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&local));
}

std::optional<TemporaryFile> createTemporaryBeside(const fs::path& target) {
  NameNumbers numbers{nameSeed()};
  for (int attempt = 0; attempt < TEMPORARY_NAME_ATTEMPTS; ++attempt) {
    fs::path candidate = temporaryNameBeside(target, numbers);
    if (std::FILE* file = std::fopen(candidate.c_str(), "wbx")) {
      return TemporaryFile{std::move(candidate), FileHandle(file)};
    }
  }
  return std::nullopt;
}

// Closing is part of writing: buffered bytes reach the file system only then.
bool writeAndClose(FileHandle handle, std::span<const std::uint8_t> bytes) {
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), handle.get()) == bytes.size() &&
                       std::fflush(handle.get()) == 0;
  return std::fclose(handle.release()) == 0 && written;
}

// An existing file is replaced only where it could have been overwritten in place, so
// that a write-protected output stays protected. Another run replacing the same
// output may take the name away for a moment, and then there is nothing to protect.
bool replaceable(const fs::path& target) {
  std::error_code error;
  return !fs::exists(target, error) || FileHandle(std::fopen(target.c_str(), "r+b")) != nullptr ||
         !fs::exists(target, error);
}

// The new file keeps the permissions the user gave the old one.
bool takeOverPermissions(const fs::path& target, const fs::path& replacement) {
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  if (!fs::exists(status)) {
    return true;
  }
  fs::permissions(replacement, status.permissions(), error);
  return !error;
}

// ext4 writes a file's data out at once when it is renamed over another file (its
// guard for programs that never sync), which costs more than assembling a small
// source. So an existing output is first given a second name and unlinked from its
// own, the new file is renamed into the free name, and the old one is removed last.
// The name never holds a partly written file, though for a moment it holds none.
// Where hard links are not supported, the new file is renamed over the old one.
bool moveIntoPlace(const fs::path& replacement, const fs::path& target) {
  std::error_code error;
  NameNumbers numbers{nameSeed()};
  const fs::path previous = temporaryNameBeside(target, numbers).replace_extension(".old");
  fs::create_hard_link(target, previous, error);
  if (error) {
    fs::rename(replacement, target, error);
    return !error;
  }
  // Another run replacing the same output may have unlinked the name already; the
  // rename below then works all the same.
  fs::remove(target, error);
  fs::rename(replacement, target, error);
  const bool placed = !error;
  // A failed rename puts the old file back, unless another file has taken the
  // name meanwhile; its second name goes only once the name is held again.
  if (!placed) {
    fs::create_hard_link(previous, target, error);
  }
  if (fs::exists(fs::symlink_status(target, error))) {
    fs::remove(previous, error);
  }
  return placed;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  const fs::path target(path);
  if (!replaceable(target)) {
    return false;
  }
  std::optional<TemporaryFile> temporary = createTemporaryBeside(target);
  if (!temporary) {
    return false;
  }
  std::error_code error;
  if (writeAndClose(std::move(temporary->handle), bytes) && takeOverPermissions(target, temporary->path) &&
      moveIntoPlace(temporary->path, target)) {
    return true;
  }
  fs::remove(temporary->path, error);
  return false;
}
