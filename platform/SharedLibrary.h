#pragma once

#include <memory>
#include <string>

namespace platform {

// A loaded shared library; unloaded when the object goes away.
class SharedLibrary {
public:
  // Loads the library at path (a name with a directory part, or a bare name that
  // the caller has already resolved); nullptr when it cannot be loaded.
  static std::unique_ptr<SharedLibrary> load(const std::string& path);

  struct Handle {
    void* value;
  };
  explicit SharedLibrary(Handle handle) : handle_(handle.value) {}
  ~SharedLibrary();
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;

  // The address of an exported symbol, or nullptr.
  void* symbol(const char* name) const;

private:
  void* handle_;
};

}  // namespace platform
