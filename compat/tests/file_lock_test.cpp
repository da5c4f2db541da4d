// The lock file two programs use to stay off each other's files.
#include <gtest/gtest.h>

#include <filesystem>

#include "compat/file_lock.h"
#include "test_support/temp_folder.h"

namespace {

using Result = compat::FileLock::Result;

TEST(FileLock, OneHolderAtATimeUntilItLetsGo) {
  test_support::TempFolder pasta("file-lock");
  const std::string caminho = pasta.file(".x.lock");
  {
    compat::FileLock primeiro;
    ASSERT_EQ(primeiro.acquire(caminho, 0), Result::kHeld);
    compat::FileLock segundo;
    EXPECT_EQ(segundo.acquire(caminho, 50), Result::kBusy);  // after waiting 50 ms
    EXPECT_FALSE(segundo.held());
  }
  // A lock file that the next holder cannot write (another user made it) locks all the same. A
  // superuser writes any file, so only a test run as a user tells this apart.
  std::filesystem::permissions(caminho, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                            std::filesystem::perms::others_read);
  compat::FileLock terceiro;
  EXPECT_EQ(terceiro.acquire(caminho, 0), Result::kHeld);
  compat::FileLock quarto;
  EXPECT_EQ(quarto.acquire(caminho, 0), Result::kBusy);
  // A folder where no lock file can be made: no lock, and no wait for one.
  compat::FileLock sem_pasta;
  EXPECT_EQ(sem_pasta.acquire(pasta.file("nao/existe/.x.lock"), 1000), Result::kUnavailable);
}

}  // namespace
