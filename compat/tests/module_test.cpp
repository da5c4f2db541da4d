#include <gtest/gtest.h>

#include "compat/module.h"
#include "compat/path.h"

namespace {

TEST(Module, LoadsResolvesAndUnloads) {
  compat::ModuleHandle module = compat::load_module(COMPAT_TEST_MODULE);
  ASSERT_NE(module, nullptr) << compat::last_module_error();
  auto answer = compat::resolve<int (*)(int)>(module, "compat_test_answer");
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer(20), 41);
  EXPECT_EQ(compat::resolve_export(module, "compat_no_such_export"), nullptr);
  EXPECT_NE(compat::last_module_error().find("compat_no_such_export"), std::string::npos)
      << compat::last_module_error();
  compat::unload_module(module);
}

TEST(Module, MissingFileReportsWhy) {
  EXPECT_EQ(compat::load_module("/nonexistent/libcompat_missing.so"), nullptr);
  EXPECT_NE(compat::last_module_error().find("libcompat_missing.so"), std::string::npos)
      << compat::last_module_error();
  EXPECT_EQ(compat::resolve_export(nullptr, "anything"), nullptr);
  compat::unload_module(nullptr);  // harmless
}

TEST(Module, ExecutableFolderHoldsThisProgram) {
  const std::string folder = compat::executable_folder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), compat::path_separator());
#ifdef _WIN32
  EXPECT_TRUE(compat::file_exists(folder + "compat_tests.exe"));
#else
  EXPECT_TRUE(compat::file_exists(folder + "compat_tests"));
#endif
}

}  // namespace
