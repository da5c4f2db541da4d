// Run-time loading of shared libraries (DLLs on Windows, shared objects elsewhere).
#pragma once
#include <string>

namespace compat {

using ModuleHandle = void*;

// Loads by file name (a bare name uses the system's usual search); null on failure.
ModuleHandle load_module(const std::string& file);

// Address of an export by its plain name; null when the module has no such export.
void* resolve_export(ModuleHandle module, const char* name);

void unload_module(ModuleHandle module);

// Text of the last loading failure, for diagnostics.
std::string last_module_error();

// Folder of the running executable, with a trailing separator.
std::string executable_folder();

// Typed form of resolve_export.
template <typename Function>
Function resolve(ModuleHandle module, const char* name) {
  return reinterpret_cast<Function>(resolve_export(module, name));
}

}  // namespace compat
