// Module loading over the dynamic linker.
#include <dlfcn.h>
#include <unistd.h>

#include <vector>

#include "compat/module.h"
#include "compat/native_path.h"
#include "compat/path.h"
#include "module_error.h"

namespace compat {
namespace {

void remember_dl_error(const std::string& fallback) {
  const char* text = dlerror();
  detail::remember_module_error(text != nullptr ? text : fallback);
}

}  // namespace

ModuleHandle load_module(const std::string& file) {
  void* module = dlopen(native_path(file).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) remember_dl_error("cannot load " + file);
  return module;
}

void* resolve_export(ModuleHandle module, const char* name) {
  if (module == nullptr || name == nullptr) return nullptr;
  dlerror();  // clear a stale message
  void* address = dlsym(module, name);
  if (address == nullptr) remember_dl_error(std::string("no export ") + name);
  return address;
}

void unload_module(ModuleHandle module) {
  if (module != nullptr) dlclose(module);
}

std::string last_module_error() { return detail::module_error(); }

std::string executable_folder() {
  std::vector<char> buffer(4096);
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return std::string();
    if (static_cast<std::size_t>(length) < buffer.size()) return folder_of(text_path(std::string(buffer.data(), length)));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace compat
