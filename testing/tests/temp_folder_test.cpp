#include "test_support/temp_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;
using test_support::TempFolder;

namespace {

std::string Env(const char* name) {
  const char* value = getenv(name);
  return value ? value : "<unset>";
}

TEST(TempFolder, IsPrivateUnderTmpAndGoesWithEverythingInIt) {
  std::string path;
  {
    TempFolder a("support-test");
    TempFolder b("support-test");
    path = a.path();
#ifdef _WIN32
    const std::string under = (fs::temp_directory_path() / "support-test-").generic_string();
#else
    const std::string under = "/tmp/support-test-";
#endif
    EXPECT_EQ(path.rfind(under, 0), 0u) << path;
    EXPECT_NE(a.path(), b.path());
    EXPECT_TRUE(fs::is_empty(path));
    EXPECT_EQ(a.file("x.bin"), path + "/x.bin");
    fs::create_directories(a.file("d/e"));
    test_support::write_bytes(a.file("d/e/f"), "f");
    // A folder the test locked still goes.
    fs::permissions(a.file("d"), fs::perms::none);
  }
  EXPECT_FALSE(fs::exists(path));
}

TEST(TempFolder, EntersAndComesBack) {
  const fs::path before = fs::current_path();
  {
    TempFolder folder("support-test", TempFolder::enter);
    EXPECT_EQ(fs::current_path(), fs::path(folder.path()));
  }
  EXPECT_EQ(fs::current_path(), before);
}

TEST(TempFolder, RestoresEnvironmentVariablesAsTheyWere) {
  setenv("SUPPORT_TEST_SET", "old", 1);
  unsetenv("SUPPORT_TEST_UNSET");
  const char* config_variable = TempFolder::kConfigVariable;
  const char* state_variable = TempFolder::kStateVariable;
  const std::string config = Env(config_variable), state = Env(state_variable);
  {
    TempFolder folder("support-test", TempFolder::user_folders);
    EXPECT_EQ(Env(config_variable), folder.file("config"));
    EXPECT_EQ(Env(state_variable), folder.file("state"));
    folder.set_env("SUPPORT_TEST_SET", "new");
    folder.set_env("SUPPORT_TEST_SET", "newer");
    folder.set_env("SUPPORT_TEST_UNSET", "value");
    EXPECT_EQ(Env("SUPPORT_TEST_SET"), "newer");
    EXPECT_EQ(Env("SUPPORT_TEST_UNSET"), "value");
  }
  EXPECT_EQ(Env("SUPPORT_TEST_SET"), "old");
  EXPECT_EQ(Env("SUPPORT_TEST_UNSET"), "<unset>");
  EXPECT_EQ(Env(config_variable), config);
  EXPECT_EQ(Env(state_variable), state);
  {
    TempFolder folder("support-test");
    folder.unset_env("SUPPORT_TEST_SET");
    EXPECT_EQ(Env("SUPPORT_TEST_SET"), "<unset>");
  }
  EXPECT_EQ(Env("SUPPORT_TEST_SET"), "old");
  unsetenv("SUPPORT_TEST_SET");
}

TEST(TempFolder, BytesRoundTripAndFailuresAreReported) {
  TempFolder folder("support-test");
  const std::string bytes("\0\r\n\xFF", 4);
  test_support::write_bytes(folder.file("b"), bytes);
  EXPECT_EQ(test_support::read_bytes(folder.file("b")), bytes);
  test_support::write_bytes(folder.file("b"), "x");
  EXPECT_EQ(test_support::read_bytes(folder.file("b")), "x");
  EXPECT_EQ(test_support::read_bytes(folder.file("missing")), "");
  EXPECT_THROW(test_support::write_bytes(folder.file("no/such/folder"), "x"), std::runtime_error);
  EXPECT_THROW(TempFolder("no/such/folder/prefix"), std::runtime_error);
}

}  // namespace
