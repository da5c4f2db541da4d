// File-system parts of path.h over POSIX calls.
#include <errno.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "compat/native_path.h"
#include "compat/path.h"

namespace compat {
namespace {

bool is_folder(const std::string& path) {
  struct stat info{};
  return stat(native_path(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string home_folder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return text_path(std::string(home));
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
      found->pw_dir != nullptr)
    return text_path(std::string(found->pw_dir));
  return "/tmp";
}

// An XDG variable counts only when it holds an absolute path.
std::string xdg_folder(const char* variable, const char* fallback_below_home) {
  const char* value = std::getenv(variable);
  if (value != nullptr && value[0] == '/') return text_path(std::string(value));
  return join_path(home_folder(), fallback_below_home);
}

}  // namespace

bool file_exists(const std::string& path) {
  struct stat info{};
  return stat(native_path(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
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

}  // namespace compat
