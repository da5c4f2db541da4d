// Module loading over LoadLibrary / GetProcAddress / FreeLibrary.
#include <windows.h>

#include <vector>

#include "compat/module.h"
#include "compat/path.h"
#include "compat/registry.h"
#include "module_error.h"

namespace compat {
namespace {

// The system's text names neither the file nor the export: say which, as dlerror does elsewhere.
void remember_last_error(const std::string& what) {
  detail::remember_module_error(what + ": " + system_error_text(static_cast<long>(GetLastError())));
}

}  // namespace

ModuleHandle load_module(const std::string& file) {
  HMODULE module = LoadLibraryA(file.c_str());
  if (module == nullptr) remember_last_error(file);
  return reinterpret_cast<ModuleHandle>(module);
}

void* resolve_export(ModuleHandle module, const char* name) {
  if (module == nullptr || name == nullptr) return nullptr;
  FARPROC address = GetProcAddress(static_cast<HMODULE>(module), name);
  if (address == nullptr) remember_last_error(name);
  return reinterpret_cast<void*>(address);
}

void unload_module(ModuleHandle module) {
  if (module != nullptr) FreeLibrary(static_cast<HMODULE>(module));
}

std::string last_module_error() { return detail::module_error(); }

std::string executable_folder() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::string();
    if (length < buffer.size()) return folder_of(std::string(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace compat
