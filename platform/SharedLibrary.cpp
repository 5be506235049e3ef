#include "platform/SharedLibrary.h"

#include <dlfcn.h>

namespace platform {

std::unique_ptr<SharedLibrary> SharedLibrary::load(const std::string& path) {
  // RTLD_LOCAL keeps each plug-in's symbols to itself; RTLD_NOW reports a broken
  // library at load time instead of in the middle of writing a file.
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    return nullptr;
  }
  return std::make_unique<SharedLibrary>(Handle{handle});
}

SharedLibrary::~SharedLibrary() { dlclose(handle_); }

void* SharedLibrary::symbol(const char* name) const { return dlsym(handle_, name); }

}  // namespace platform
