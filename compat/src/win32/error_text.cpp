#include <windows.h>

#include "compat/registry.h"

namespace compat {

std::string system_error_text(long code) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(code), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&text), 0,
      nullptr);
  std::string result;
  if (length != 0 && text != nullptr) {
    result.assign(text, length);
    // The system's texts end with a line break.
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r')) result.pop_back();
  } else {
    result = "Error " + std::to_string(code);
  }
  if (text != nullptr) LocalFree(text);
  return result;
}

}  // namespace compat
