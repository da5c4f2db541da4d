// A private folder for one test under /tmp, made with mkdtemp and removed with everything in it when
// the object goes. On request it is the current folder while it lives (for code that writes into the
// current folder) and holds the per-user configuration and state folders; environment variables set
// through it get their earlier values back at the end, so tests never reach the user's real files.
#pragma once
#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace test_support {

class TempFolder {
 public:
  enum Option : unsigned {
    enter = 1,         // the current folder from construction to destruction
    user_folders = 2,  // XDG_CONFIG_HOME = path/config, XDG_STATE_HOME = path/state
  };

  // The folder is /tmp/<prefix>-XXXXXX. Throws std::runtime_error when it cannot be made or entered.
  explicit TempFolder(const std::string& prefix, unsigned options = 0) {
    std::string pattern = "/tmp/" + prefix + "-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("mkdtemp " + pattern + ": " + std::strerror(errno));
    path_ = pattern;
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
      set_env("XDG_CONFIG_HOME", file("config"));
      set_env("XDG_STATE_HOME", file("state"));
    }
  }

  ~TempFolder() {
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
