// A private folder per test under /tmp, removed afterwards. The per-user configuration and state
// folders point into it while it lives, so nothing touches the real user's files.
#pragma once
#include <string>

namespace compat_test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
  std::string saved_config_, saved_state_;
  bool had_config_ = false, had_state_ = false;
};

void write_bytes(const std::string& path, const std::string& bytes);
std::string read_bytes(const std::string& path);

}  // namespace compat_test
