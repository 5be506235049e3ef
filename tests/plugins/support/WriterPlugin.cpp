#include "tests/plugins/support/WriterPlugin.h"

#include <dlfcn.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <random>

#include <gtest/gtest.h>

namespace plugintest {

void WriterPlugin::Closer::operator()(void* handle) const { dlclose(handle); }

WriterPlugin::WriterPlugin(const std::string& name) {
  const std::string path = std::string(QUARN_BIN_DIR) + "/" + name + ".so";
  handle_.reset(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
  if (!handle_) {
    ADD_FAILURE() << "cannot load " << path << ": " << dlerror();
    return;
  }
  save_ = reinterpret_cast<SavePrgmFileFn>(symbol(SAVE_PRGM_FILE_SYMBOL));
  EXPECT_NE(save_, nullptr) << name << " does not export " << SAVE_PRGM_FILE_SYMBOL;
}

int WriterPlugin::save(std::span<const std::uint8_t> image, const std::string& basePath, char* extension) const {
  if (save_ == nullptr) {
    return -1;
  }
  return save_(image.data(), static_cast<std::uint32_t>(image.size()), basePath.c_str(), extension);
}

const char* WriterPlugin::description() const {
  const auto describe = reinterpret_cast<GetPluginDescriptionFn>(symbol("GetPluginDescription"));
  return describe != nullptr ? describe() : nullptr;
}

int WriterPlugin::about() const {
  const auto show = reinterpret_cast<AboutFn>(symbol("About"));
  return show != nullptr ? show() : -1;
}

void* WriterPlugin::symbol(const char* name) const {
  return handle_ ? dlsym(handle_.get(), name) : nullptr;
}

ScratchDirectory::ScratchDirectory() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() / ("quarn-plugins-" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(path_);
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> ScratchDirectory::entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> hexBytes(std::string_view hex) {
  std::vector<std::uint8_t> bytes;
  std::string digits;
  for (const char c : hex) {
    if (c == ' ') {
      continue;
    }
    digits += c;
    if (digits.size() == 2) {
      bytes.push_back(static_cast<std::uint8_t>(std::stoi(digits, nullptr, 16)));
      digits.clear();
    }
  }
  return bytes;
}

void limitFileSize(std::uint64_t bytes) {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit limit{bytes, bytes};
  setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace plugintest
