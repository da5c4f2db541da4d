#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "compat/atomic_file.h"
#include "compat/native_path.h"
#include "compat/path.h"
#include "compat/whole_file.h"
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

// A device or pipe is written to where it is: the report of a run sent to the null device is
// taken, and nothing is made beside it.
TEST(Path, DevicesAreToldFromFiles) {
  TempFolder temp{"compat-test"};
  test_support::write_bytes(temp.file("arquivo"), "x");
  const std::pair<std::string, bool> casos[] = {
      {test_support::kNullDevice, true},
      {temp.file("arquivo"), false},
      {temp.file("nada"), false},
      {temp.path(), false},
#ifdef _WIN32
      {"nul", true},          {"C:\\pasta\\COM1", true}, {"COM1:", true},  {"lpt9", true},
      {"\\\\.\\COM10", true}, {"COM0", false},              {"NULL", false}, {"NUL.txt", false},
      {"CONSOLE", false},
#endif
  };
  for (const auto& [caminho, dispositivo] : casos) EXPECT_EQ(compat::is_device(caminho), dispositivo) << caminho;

  std::string why;
  EXPECT_TRUE(compat::replace_file(test_support::kNullDevice, "<relatorio/>", why)) << why;
  EXPECT_TRUE(compat::append_whole(test_support::kNullDevice, "linha\n"));
}

// A file marked read-only is not replaced (a rename over it would succeed off Windows), and nothing
// is left behind; once writable again it is.
TEST(Path, AReadOnlyFileIsNotReplaced) {
  TempFolder temp{"compat-test", TempFolder::user_folders};
  const std::string file = temp.file("guardado.txt");
  test_support::write_bytes(file, "antes");
  namespace fs = std::filesystem;
  const fs::perms escrita = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::permissions(file, escrita, fs::perm_options::remove);
  EXPECT_FALSE(compat::replace_file(file, "depois"));
  compat::AtomicFile escritor(file);
  EXPECT_FALSE(escritor.write("depois"));
  EXPECT_FALSE(escritor.commit());
  EXPECT_EQ(test_support::read_bytes(file), "antes");
  EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1);
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_TRUE(compat::replace_file(file, "depois"));
  EXPECT_EQ(test_support::read_bytes(file), "depois");
}

#ifndef _WIN32
// Paths are Windows-1252 text; the system's file names are UTF-8.
TEST(Path, AccentedNamesReachTheSystemInUtf8) {
  TempFolder temp{u8"compat-a\u00E7\u00E3o", TempFolder::enter | TempFolder::user_folders};
  const std::filesystem::path native = std::filesystem::path(temp.path());
  EXPECT_EQ(compat::base_name(compat::current_folder()).rfind("compat-a\xE7\xE3o-", 0), 0u) << compat::current_folder();
  EXPECT_EQ(compat::native_path(compat::current_folder()), temp.path());

  const std::string pasta = compat::join_path(compat::current_folder(), "Relat\xF3rios/mar\xE7o");
  ASSERT_TRUE(compat::make_folders(pasta));
  EXPECT_TRUE(std::filesystem::is_directory(native / u8"Relat\u00F3rios" / u8"mar\u00E7o"));

  const std::string arquivo = pasta + "/caf\xE9.txt";
  ASSERT_TRUE(compat::replace_file(arquivo, "um "));
  ASSERT_TRUE(compat::append_whole(arquivo, "dois"));
  const std::filesystem::path arquivo_nativo = native / u8"Relat\u00F3rios" / u8"mar\u00E7o" / u8"caf\u00E9.txt";
  EXPECT_EQ(test_support::read_bytes(arquivo_nativo.string()), "um dois");
  EXPECT_TRUE(compat::file_exists(arquivo));
  EXPECT_EQ(compat::file_size(arquivo), 7);
  std::string lidos, motivo;
  ASSERT_TRUE(compat::read_file(arquivo, lidos, motivo)) << motivo;
  EXPECT_EQ(lidos, "um dois");

  std::FILE* f = compat::open_file(arquivo, "rb");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  ASSERT_TRUE(compat::rename_file(arquivo, pasta + "/ch\xE1.txt"));
  EXPECT_TRUE(std::filesystem::exists(native / u8"Relat\u00F3rios" / u8"mar\u00E7o" / u8"ch\u00E1.txt"));
  EXPECT_TRUE(compat::remove_file(pasta + "/ch\xE1.txt"));
  EXPECT_FALSE(std::filesystem::exists(native / u8"Relat\u00F3rios" / u8"mar\u00E7o" / u8"ch\u00E1.txt"));

  // Names the system gives back come in as text; a character Windows-1252 lacks cannot be named.
  EXPECT_EQ(compat::text_path(native / u8"Relat\u00F3rios"), compat::join_path(compat::current_folder(), "Relat\xF3rios"));
  EXPECT_EQ(compat::text_path(std::string(u8"x\u4E2D.txt")), "x?.txt");
  temp.set_env("XDG_STATE_HOME", (native / u8"Relat\u00F3rios").string());
  EXPECT_EQ(compat::user_state_folder(), compat::join_path(compat::current_folder(), "Relat\xF3rios"));
  // A folder the text cannot name would be another folder ("x?"): the variable counts as unset.
  temp.set_env("HOME", temp.path());
  temp.set_env("XDG_STATE_HOME", (native / u8"x\u4E2D").string());
  EXPECT_EQ(compat::user_state_folder(), compat::join_path(compat::current_folder(), ".local/state"));
  std::string texto;
  EXPECT_FALSE(compat::text_path_exact(u8"x\u4E2D", texto));
  EXPECT_EQ(texto, "x?");
  EXPECT_TRUE(compat::text_path_exact(u8"mar\u00E7o?", texto));
  EXPECT_EQ(texto, "mar\xE7o?");

  // A caller's buffer, for code that must not allocate.
  char buffer[32];
  ASSERT_TRUE(compat::native_path("mar\xE7o", buffer, sizeof buffer));
  EXPECT_STREQ(buffer, u8"mar\u00E7o");
  EXPECT_FALSE(compat::native_path("mar\xE7o", buffer, 6));
  compat::text_path_in_place(buffer);
  EXPECT_STREQ(buffer, "mar\xE7o");
}
#endif

// Names go to and come from the standard library's file functions as Windows-1252 text, the
// characters of 0x80..0x9F included, whatever the C runtime's own idea of narrow names.
TEST(Path, TheStandardLibrarySeesAndGivesBackTheNamesCharacters) {
  TempFolder temp{"compat-test", TempFolder::user_folders};
  const std::string lista = compat::join_path(temp.path(), "lista");
  const std::string pasta = compat::join_path(lista, "Relat\xF3rios \x80 \x93" "a\x94");
  ASSERT_TRUE(compat::make_folders(lista));
  ASSERT_TRUE(std::filesystem::create_directory(compat::fs_path(pasta)));
#ifdef _WIN32
  const wchar_t nome_nativo[] = L"Relat\u00F3rios \u20AC \u201Ca\u201D";  // the system's names are UTF-16
#else
  const char nome_nativo[] = u8"Relat\u00F3rios \u20AC \u201Ca\u201D";  // and UTF-8 here
#endif
  EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(lista) / nome_nativo));
  std::vector<std::string> nomes;
  for (const auto& entrada : std::filesystem::directory_iterator(compat::fs_path(lista)))
    nomes.push_back(compat::text_path(entrada.path()));
  EXPECT_EQ(nomes, std::vector<std::string>{pasta});
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
  // The form for code that must not allocate: the same folder, or false when it does not fit.
  char buffer[4096];
  ASSERT_TRUE(compat::user_state_folder(buffer, sizeof buffer));
  EXPECT_EQ(std::string(buffer), temp.path() + "/.local/state");
  EXPECT_FALSE(compat::user_state_folder(buffer, temp.path().size() + 5));
}
#endif

}  // namespace
