// File-system parts of path.h over the Win32 API (ANSI code page names).
#include <windows.h>

#include <cstdlib>

#include "compat/path.h"
#include "text_case.h"

namespace compat {
namespace {

bool attributes_of(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
  return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) != 0;
}

bool is_folder(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return attributes_of(path, data) && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string environment_folder(const char* variable, const char* fallback_variable) {
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] != '\0') return value;
  value = std::getenv(fallback_variable);
  if (value != nullptr && value[0] != '\0') return value;
  return current_folder();
}

}  // namespace

bool file_exists(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return attributes_of(path, data) && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool is_device(const std::string& path) {
  if (path.rfind("\\\\.\\", 0) == 0) return true;  // \\.\COM10, \\.\pipe\...
  // The reserved names are devices in any folder, and a port may be written "COM1:". With an
  // extension ("NUL.txt") they are only on some Windows versions: taken as files.
  std::string name = path;
  while (!name.empty() && (name.back() == ' ' || name.back() == ':')) name.pop_back();
  name = base_name(name);
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
    if (detail::equal_ignoring_case(name, device)) return true;
  const std::string_view port = std::string_view(name).substr(0, 3);
  return name.size() == 4 && (detail::equal_ignoring_case(port, "COM") || detail::equal_ignoring_case(port, "LPT")) &&
         name[3] >= '1' && name[3] <= '9';
}

std::int64_t file_size(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!attributes_of(path, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return -1;
  return (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string current_folder() {
  const DWORD needed = GetCurrentDirectoryA(0, nullptr);
  if (needed == 0) return std::string();
  std::string folder(needed, '\0');
  const DWORD length = GetCurrentDirectoryA(needed, &folder[0]);
  folder.resize(length < needed ? length : 0);
  return folder;
}

bool make_folders(const std::string& path) {
  if (path.empty()) return false;
  // Try each level in turn (drive and share prefixes simply fail); the final check decides.
  for (std::size_t i = 1; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != '\\' && path[i] != '/') continue;
    CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
  }
  return is_folder(path);
}

std::string user_config_folder() { return environment_folder("APPDATA", "USERPROFILE"); }

std::string user_state_folder() { return environment_folder("LOCALAPPDATA", "APPDATA"); }

}  // namespace compat
