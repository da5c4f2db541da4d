#include "temp_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace compat_test {
namespace {

void remember(const char* variable, std::string& saved, bool& had) {
  const char* value = getenv(variable);
  had = value != nullptr;
  if (had) saved = value;
}

void restore(const char* variable, const std::string& saved, bool had) {
  if (had) {
    setenv(variable, saved.c_str(), 1);
  } else {
    unsetenv(variable);
  }
}

}  // namespace

TempFolder::TempFolder() {
  char pattern[] = "/tmp/compat-test-XXXXXX";
  const char* made = mkdtemp(pattern);
  if (made == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = made;
  remember("XDG_CONFIG_HOME", saved_config_, had_config_);
  remember("XDG_STATE_HOME", saved_state_, had_state_);
  setenv("XDG_CONFIG_HOME", (path_ + "/config").c_str(), 1);
  setenv("XDG_STATE_HOME", (path_ + "/state").c_str(), 1);
}

TempFolder::~TempFolder() {
  restore("XDG_CONFIG_HOME", saved_config_, had_config_);
  restore("XDG_STATE_HOME", saved_state_, had_state_);
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void write_bytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace compat_test
