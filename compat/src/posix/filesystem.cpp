// File-system parts of path.h over POSIX calls.
#include <errno.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "compat/native_path.h"
#include "compat/path.h"
#include "posix/file_io.h"

namespace compat {
namespace {

bool is_folder(const std::string& path) {
  struct stat info{};
  return stat(native_path(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A folder named by the system counts only when it is an absolute path that Windows-1252 text can
// name: a "?" in its place would make the programs write into another folder.
bool usable_folder(const char* native, char* buffer, std::size_t size) {
  return native != nullptr && native[0] == '/' && text_path_exact(native, buffer, size);
}

// HOME, else the password database's entry for the user.
bool home_folder(char* buffer, std::size_t size) {
  if (usable_folder(std::getenv("HOME"), buffer, size)) return true;
  char entries[16384];
  passwd entry{};
  passwd* found = nullptr;
  return getpwuid_r(getuid(), &entry, entries, sizeof entries, &found) == 0 && found != nullptr &&
         usable_folder(found->pw_dir, buffer, size);
}

// An XDG variable counts only when it holds a usable folder as above.
bool xdg_folder(const char* variable, const char* below_home, char* buffer, std::size_t size) {
  if (usable_folder(std::getenv(variable), buffer, size)) return true;
  if (!home_folder(buffer, size)) return false;
  const std::size_t used = std::strlen(buffer);
  const int n = std::snprintf(buffer + used, size - used, "%s%s", buffer[used - 1] == '/' ? "" : "/", below_home);
  return n >= 0 && static_cast<std::size_t>(n) < size - used;
}

std::string xdg_folder(const char* variable, const char* below_home) {
  char buffer[4096];
  if (xdg_folder(variable, below_home, buffer, sizeof buffer)) return buffer;
  // No home known at all: the callers of this form (the registry stand-in) have always got a folder.
  return join_path("/tmp", below_home);
}

}  // namespace

bool file_exists(const std::string& path) {
  struct stat info{};
  return stat(native_path(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool is_device(const std::string& path) {
  if (detail::own_stream(path) >= 0) return true;  // whatever it leads to: see own_stream
  struct stat info{};
  return stat(native_path(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode) && !S_ISREG(info.st_mode);
}

std::int64_t file_size(const std::string& path) {
  struct stat info{};
  if (stat(native_path(path).c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return -1;
  return static_cast<std::int64_t>(info.st_size);
}

std::string current_folder() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return std::string();
    buffer.resize(buffer.size() * 2);
  }
  return text_path(std::string(buffer.data()));
}

bool make_folders(const std::string& path) {
  if (path.empty()) return false;
  // Try each level in turn; a level that exists or cannot be made shows in the final check.
  for (std::size_t i = 1; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != '/') continue;
    mkdir(native_path(path.substr(0, i)).c_str(), 0777);
  }
  return is_folder(path);
}

std::string user_config_folder() { return xdg_folder("XDG_CONFIG_HOME", ".config"); }

std::string user_state_folder() { return xdg_folder("XDG_STATE_HOME", ".local/state"); }

bool user_state_folder(char* buffer, std::size_t size) {
  return xdg_folder("XDG_STATE_HOME", ".local/state", buffer, size);
}

}  // namespace compat
