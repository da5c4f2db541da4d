// A private folder for one test under /tmp (the system's temporary folder on Windows), made with
// mkdtemp and removed with everything in it when
// the object goes. On request it is the current folder while it lives (for code that writes into the
// current folder) and holds the per-user configuration and state folders; environment variables set
// through it get their earlier values back at the end, so tests never reach the user's real files.
#pragma once
#include <stdlib.h>

#include <cerrno>
#include <random>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "test_support/environment.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace test_support {

// A device every system has: it takes what is written, and nothing can be read back from it.
#ifdef _WIN32
inline constexpr char kNullDevice[] = "NUL";
#else
inline constexpr char kNullDevice[] = "/dev/null";
#endif

class TempFolder {
 public:
  // Where the per-user configuration and state folders are named.
#ifdef _WIN32
  static constexpr const char* kConfigVariable = "APPDATA";
  static constexpr const char* kStateVariable = "LOCALAPPDATA";
#else
  static constexpr const char* kConfigVariable = "XDG_CONFIG_HOME";
  static constexpr const char* kStateVariable = "XDG_STATE_HOME";
#endif

  enum Option : unsigned {
    enter = 1,         // the current folder from construction to destruction
    user_folders = 2,  // XDG_CONFIG_HOME = path/config, XDG_STATE_HOME = path/state; on Windows
                       // APPDATA and LOCALAPPDATA, and a private registry (see below)
  };

  // The folder is /tmp/<prefix>-XXXXXX. Throws std::runtime_error when it cannot be made or entered.
  explicit TempFolder(const std::string& prefix, unsigned options = 0) {
    path_ = make_folder(prefix);
    if (options & enter) {
      std::error_code error;
      previous_ = std::filesystem::current_path(error);
      if (!error) std::filesystem::current_path(path_, error);
      if (error) {
        remove_tree();
        throw std::runtime_error("entering " + path_ + ": " + error.message());
      }
      entered_ = true;
    }
    if (options & user_folders) {
      set_env(kConfigVariable, file("config"));
      set_env(kStateVariable, file("state"));
#ifdef _WIN32
      redirect_registry();
#endif
    }
  }

  ~TempFolder() {
#ifdef _WIN32
    restore_registry();
#endif
    for (auto saved = saved_.rbegin(); saved != saved_.rend(); ++saved) {
      if (saved->had) {
        setenv(saved->name.c_str(), saved->value.c_str(), 1);
      } else {
        unsetenv(saved->name.c_str());
      }
    }
    if (entered_) {
      std::error_code ignored;
      std::filesystem::current_path(previous_, ignored);
    }
    remove_tree();
  }

  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

  // An environment variable changed for the folder's life only.
  void set_env(const std::string& name, const std::string& value) {
    remember(name);
    setenv(name.c_str(), value.c_str(), 1);
  }
  void unset_env(const std::string& name) {
    remember(name);
    unsetenv(name.c_str());
  }

 private:
  struct SavedVariable {
    std::string name;
    bool had;
    std::string value;
  };

#ifdef _WIN32
  // Off Windows the registry stand-in lives in the configuration folder; here the process's
  // HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE become fresh keys under the real
  // HKEY_CURRENT_USER\Software\TarnelTests\<folder name>, deleted with the folder. A folder made
  // inside another's life gets its own, and gives the outer one's back at its end.
  struct Redirection {
    HKEY user = nullptr;
    HKEY machine = nullptr;
  };
  static std::vector<Redirection>& redirections() {
    static std::vector<Redirection> active;
    return active;
  }
  // The real HKEY_CURRENT_USER\Software, opened before any redirection.
  static HKEY real_software() {
    static HKEY software = [] {
      HKEY key = nullptr;
      RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &key);
      return key;
    }();
    return software;
  }
  static void apply(const Redirection& r) {
    RegOverridePredefKey(HKEY_CURRENT_USER, r.user);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, r.machine);
  }

  void redirect_registry() {
    HKEY software = real_software();
    registry_root_ = "TarnelTests\\" + std::filesystem::path(path_).filename().string();
    Redirection r;
    const bool made =
        software != nullptr &&
        RegCreateKeyExA(software, (registry_root_ + "\\user").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &r.user, nullptr) == ERROR_SUCCESS &&
        RegCreateKeyExA(software, (registry_root_ + "\\machine").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &r.machine, nullptr) == ERROR_SUCCESS;
    if (!made) {
      if (r.user) RegCloseKey(r.user);
      if (software) RegDeleteTreeA(software, registry_root_.c_str());
      remove_tree();
      throw std::runtime_error("cannot give the test a private registry under Software\\" + registry_root_);
    }
    redirections().push_back(r);
    apply(r);
  }
  void restore_registry() {
    if (registry_root_.empty()) return;
    auto& active = redirections();
    const Redirection mine = active.back();
    active.pop_back();
    apply(active.empty() ? Redirection{} : active.back());
    RegCloseKey(mine.user);
    RegCloseKey(mine.machine);
    RegDeleteTreeA(real_software(), registry_root_.c_str());
    registry_root_.clear();
  }

  // No mkdtemp: a random name in the temporary folder, created only if it is not there yet.
  static std::string make_folder(const std::string& prefix) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error) throw std::runtime_error("no temporary folder: " + error.message());
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string name = prefix + "-" + std::to_string(random() % 1000000);
      const fs::path candidate = base / name;
      if (fs::create_directory(candidate, error)) return candidate.generic_string();
      if (error) throw std::runtime_error("creating " + candidate.string() + ": " + error.message());
    }
    throw std::runtime_error("no free temporary folder name for " + prefix);
  }
#else
  static std::string make_folder(const std::string& prefix) {
    std::string pattern = "/tmp/" + prefix + "-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("mkdtemp " + pattern + ": " + std::strerror(errno));
    return pattern;
  }
#endif

  void remember(const std::string& name) {
    const char* value = getenv(name.c_str());
    saved_.push_back({name, value != nullptr, value ? value : ""});
  }

  // A test may have taken permissions away from folders inside; give them back when removal fails.
  void remove_tree() {
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::remove_all(path_, error) != static_cast<std::uintmax_t>(-1) && !error) return;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
    for (auto it = fs::recursive_directory_iterator(path_, error); !error && it != fs::recursive_directory_iterator();
         it.increment(error)) {
      if (it->is_directory(error)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
    }
    fs::remove_all(path_, error);
  }

  std::string path_;
  std::filesystem::path previous_;
  bool entered_ = false;
  std::vector<SavedVariable> saved_;
#ifdef _WIN32
  std::string registry_root_;
#endif
};

// The whole file as bytes; "" when it cannot be read.
inline std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Replaces the file's content with the bytes. Throws std::runtime_error when it cannot be written,
// which fails the running test.
inline void write_bytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace test_support
