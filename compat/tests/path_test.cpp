#include <gtest/gtest.h>

#include <filesystem>

#include "compat/path.h"
#include "test_support/temp_folder.h"

namespace {

using test_support::TempFolder;

TEST(Path, NamePartsOfAPath) {
  EXPECT_EQ(compat::folder_of("/home/u/Comandos.RMT"), "/home/u/");
  EXPECT_EQ(compat::folder_of("Comandos.RMT"), "");
  EXPECT_EQ(compat::folder_of("/"), "/");
#ifdef _WIN32
  EXPECT_EQ(compat::folder_of("a\\b.txt"), "a\\");
  EXPECT_EQ(compat::folder_of("C:b.txt"), "C:");
  EXPECT_EQ(compat::base_name("C:\\x\\MF.TXT"), "MF.TXT");
#else
  EXPECT_EQ(compat::folder_of("a\\b.txt"), "");  // a backslash is an ordinary character here
#endif
  EXPECT_EQ(compat::base_name("/home/u/Comandos.RMT"), "Comandos.RMT");
  EXPECT_EQ(compat::base_name("/home/u/"), "");
  EXPECT_EQ(compat::base_name_without_extension("/home/u/Comandos.RMT"), "Comandos");
  EXPECT_EQ(compat::base_name_without_extension("/a.b/c"), "c");  // a dot in a folder is no extension
  EXPECT_EQ(compat::extension_of("/x/MF.TXT"), ".TXT");
  EXPECT_EQ(compat::extension_of("arq.tar.gz"), ".gz");
  EXPECT_EQ(compat::extension_of("/a.b/c"), "");
}

TEST(Path, ExtensionChangeAndJoin) {
  EXPECT_EQ(compat::change_extension("/r/MF.TXT", ".fmt"), "/r/MF.fmt");
  EXPECT_EQ(compat::change_extension("/a.b/c", ".txt"), "/a.b/c.txt");
  EXPECT_EQ(compat::change_extension("x.y.z", ""), "x.y");
  EXPECT_EQ(compat::join_path("/a/", "b.ini"), "/a/b.ini");
  EXPECT_EQ(compat::join_path("", "b.ini"), "b.ini");
#ifdef _WIN32
  EXPECT_EQ(compat::path_separator(), '\\');
  EXPECT_EQ(compat::join_path("/a", "b.ini"), "/a\\b.ini");
  EXPECT_EQ(compat::join_path("C:\\a\\", "b.ini"), "C:\\a\\b.ini");
#else
  EXPECT_EQ(compat::path_separator(), '/');
  EXPECT_EQ(compat::join_path("/a", "b.ini"), "/a/b.ini");
#endif
}

TEST(Path, FilesAndFolders) {
  TempFolder temp{"compat-test", TempFolder::user_folders};
  const std::string file = temp.file("cinco.bin");
  test_support::write_bytes(file, std::string("\0\r\n\xFF!", 5));
  EXPECT_TRUE(compat::file_exists(file));
  EXPECT_EQ(compat::file_size(file), 5);
  EXPECT_FALSE(compat::file_exists(temp.file("nada")));
  EXPECT_EQ(compat::file_size(temp.file("nada")), -1);
  EXPECT_FALSE(compat::file_exists(temp.path()));  // a folder is not a file
  EXPECT_EQ(compat::file_size(temp.path()), -1);

  const std::string deep = temp.file("a/b/c");
  EXPECT_TRUE(compat::make_folders(deep));
  EXPECT_TRUE(std::filesystem::is_directory(deep));
  EXPECT_TRUE(compat::make_folders(deep + "/"));  // already there
  EXPECT_FALSE(compat::make_folders(file + "/sub"));  // a level is a file

  EXPECT_EQ(compat::current_folder(), std::filesystem::current_path().string());
}

TEST(Path, PerUserFoldersFollowTheirVariables) {
  TempFolder temp{"compat-test", TempFolder::user_folders};
  EXPECT_EQ(compat::user_config_folder(), temp.path() + "/config");
  EXPECT_EQ(compat::user_state_folder(), temp.path() + "/state");
}

#ifndef _WIN32
TEST(Path, PerUserFoldersFallBackToHome) {
  TempFolder temp{"compat-test", TempFolder::user_folders};

  temp.set_env("HOME", temp.path());
  temp.set_env("XDG_CONFIG_HOME", "relative/config");  // not absolute: ignored
  temp.unset_env("XDG_STATE_HOME");
  EXPECT_EQ(compat::user_config_folder(), temp.path() + "/.config");
  EXPECT_EQ(compat::user_state_folder(), temp.path() + "/.local/state");
}
#endif

}  // namespace
