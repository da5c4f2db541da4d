#include <errno.h>
#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <filesystem>

#include "compat/registry.h"
#include "compat/registry_faults.h"
#include "test_support/temp_folder.h"

namespace {

using compat::Hive;
using compat::RegistryKey;
using test_support::TempFolder;

const char kTarnelKey[] = "Software\\KVT\\Vavizuru vo Ruzeduvi Versão 1.0";

// "Software\\n1\\n2..." with `levels` levels in all.
std::string DeepPath(int levels) {
  std::string path = "Software";
  for (int i = 1; i < levels; ++i) path += "\\n" + std::to_string(i);
  return path;
}

class Registry : public ::testing::Test {
 protected:
  void TearDown() override { compat::registry_fail_writes(false); }
  std::string hive_file(const char* name) const { return temp_.path() + "/config/kvt-registry/" + name; }
  std::vector<std::string> registry_files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(temp_.path() + "/config/kvt-registry"))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  TempFolder temp_{"compat-test", TempFolder::user_folders};
};

TEST_F(Registry, EveryLevelIsCreatedOnceAndCanBeOpenedAfterwards) {
  RegistryKey key;
  EXPECT_EQ(key.open(Hive::CurrentUser, kTarnelKey), compat::kRegistryNotFound);
  EXPECT_FALSE(key.is_open());
  EXPECT_EQ(key.open(Hive::LocalMachine, "Software"), compat::kRegistryOk);  // always there

  bool created = false;
  ASSERT_EQ(key.open_or_create(Hive::CurrentUser, kTarnelKey, &created), compat::kRegistryOk);
  EXPECT_TRUE(created);
  EXPECT_TRUE(key.is_open());
  ASSERT_EQ(key.open_or_create(Hive::CurrentUser, "SOFTWARE\\kvt\\VAVIZURU VO RUZEDUVI VERSÃO 1.0", &created),
            compat::kRegistryOk);
  EXPECT_FALSE(created);  // same key, other case (Ã and ã included)

  RegistryKey level;
  EXPECT_EQ(level.open(Hive::CurrentUser, "Software\\KVT"), compat::kRegistryOk);
  EXPECT_EQ(level.open(Hive::CurrentUser, kTarnelKey), compat::kRegistryOk);
  EXPECT_EQ(level.open(Hive::LocalMachine, "Software\\KVT"), compat::kRegistryNotFound);  // other hive
  EXPECT_EQ(level.open(Hive::CurrentUser, "Software\\\\KVT"), compat::kRegistryNotFound);
  EXPECT_FALSE(level.is_open());
}

TEST_F(Registry, ValuesAreReadBackFromTheFileByOtherKeys) {
  std::string every_byte;
  for (int i = 0; i < 256; ++i) every_byte += static_cast<char>(i);
  {
    RegistryKey key;
    ASSERT_EQ(key.open_or_create(Hive::CurrentUser, kTarnelKey), compat::kRegistryOk);
    EXPECT_EQ(key.write_int("Timeout Execução Comando", 5), compat::kRegistryOk);
    EXPECT_EQ(key.write_int("Registrador Selecionado", 0xFFFFFFFFu), compat::kRegistryOk);
    EXPECT_EQ(key.write_string("Canal do ECF", "Emul"), compat::kRegistryOk);
    EXPECT_EQ(key.write_string("Arquivo de Comandos", "/home/técnico/Comandos.RMT"), compat::kRegistryOk);
    EXPECT_EQ(key.write_string("Todos = os bytes ", every_byte), compat::kRegistryOk);
    EXPECT_EQ(key.write_string("", "valor padrão da chave"), compat::kRegistryOk);
    EXPECT_EQ(key.write_string("Canal do ECF", "COM2"), compat::kRegistryOk);  // replaced
  }
  RegistryKey again;
  ASSERT_EQ(again.open(Hive::CurrentUser, kTarnelKey), compat::kRegistryOk);
  std::uint32_t number = 0;
  std::string text;
  EXPECT_EQ(again.read_int("TIMEOUT EXECUÇÃO COMANDO", number), compat::kRegistryOk);
  EXPECT_EQ(number, 5u);
  EXPECT_EQ(again.read_int("Registrador Selecionado", number), compat::kRegistryOk);
  EXPECT_EQ(number, 0xFFFFFFFFu);
  EXPECT_EQ(again.read_string("canal do ecf", text), compat::kRegistryOk);
  EXPECT_EQ(text, "COM2");
  EXPECT_EQ(again.read_string("Arquivo de Comandos", text), compat::kRegistryOk);
  EXPECT_EQ(text, "/home/t\xE9" "cnico/Comandos.RMT");
  EXPECT_EQ(again.read_string("Todos = os bytes ", text), compat::kRegistryOk);
  EXPECT_EQ(text, every_byte);
  EXPECT_EQ(again.read_string("", text), compat::kRegistryOk);
  EXPECT_EQ(text, "valor padrão da chave");

  RegistryKey machine;
  ASSERT_EQ(machine.open_or_create(Hive::LocalMachine, kTarnelKey), compat::kRegistryOk);
  EXPECT_EQ(machine.read_string("Canal do ECF", text), compat::kRegistryNotFound);  // hives are apart
}

TEST_F(Registry, HiveFileLayout) {
  RegistryKey key;
  ASSERT_EQ(key.open_or_create(Hive::LocalMachine, "Software\\KVT Automação Comercial"), compat::kRegistryOk);
  ASSERT_EQ(key.write_string("Gerar Log", "1"), compat::kRegistryOk);
  ASSERT_EQ(key.write_int("a=b", 7), compat::kRegistryOk);
  ASSERT_EQ(key.write_string("Linhas", "um\r\ndois\t100% "), compat::kRegistryOk);
  EXPECT_EQ(test_support::read_bytes(hive_file("HKEY_LOCAL_MACHINE.reg")),
            "KVT registry hive 1\n"
            "\n[Software]\n"
            "\n[Software\\KVT Automação Comercial]\n"
            "sz:Gerar Log=1\n"
            "dword:a%3Db=7\n"
            "sz:Linhas=um%0D%0Adois%09100%25%20\n");
  EXPECT_EQ(registry_files(), std::vector<std::string>{"HKEY_LOCAL_MACHINE.reg"});
}

TEST_F(Registry, HandWrittenHiveIsRead) {
  std::filesystem::create_directories(temp_.path() + "/config/kvt-registry");
  test_support::write_bytes(hive_file("HKEY_CURRENT_USER.reg"),
                           "KVT registry hive 1\r\n"
                           "; escrito à mão\r\n"
                           "[Software\\KVT\\Programa]\r\n"
                           "sz:Nome=Jos%e9 %25\r\n"
                           "dword:N=42\r\n"
                           "sz:Nome=ignorado, o primeiro vale\r\n");
  RegistryKey key;
  ASSERT_EQ(key.open(Hive::CurrentUser, "software\\kvt\\programa"), compat::kRegistryOk);
  std::string text;
  std::uint32_t number = 0;
  EXPECT_EQ(key.read_string("Nome", text), compat::kRegistryOk);
  EXPECT_EQ(text, "Jos\xE9 %");
  EXPECT_EQ(key.read_int("N", number), compat::kRegistryOk);
  EXPECT_EQ(number, 42u);
  RegistryKey parent;
  EXPECT_EQ(parent.open(Hive::CurrentUser, "Software\\KVT"), compat::kRegistryOk);
}

// A level holding "\" (spelled %5C) stays one level through every rewrite; other keys' writes used
// to spell it as a separator, leaving a file that no later open could read.
TEST_F(Registry, LevelsHoldingABackslashSurviveRewrites) {
  struct Case {
    std::string hive;     // after the header line
    std::string rewritten;  // after the header line, once Software\App has n=1
  };
  const std::vector<Case> cases = {
      {"[a%5C]\nsz:v=1\n", "\n[Software]\n\n[a%5C]\nsz:v=1\n\n[Software\\App]\ndword:n=1\n"},
      {"[a%5Cb]\nsz:v=%5C\n", "\n[Software]\n\n[a%5Cb]\nsz:v=\\\n\n[Software\\App]\ndword:n=1\n"},
      {"[Software\\%5CX]\nsz:v=1\n[Software\\App]\nsz:w=2\n",
       "\n[Software]\n\n[Software\\%5CX]\nsz:v=1\n\n[Software\\App]\nsz:w=2\ndword:n=1\n"},
  };
  std::filesystem::create_directories(temp_.path() + "/config/kvt-registry");
  const std::string file = hive_file("HKEY_CURRENT_USER.reg");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hive);
    test_support::write_bytes(file, "KVT registry hive 1\n" + c.hive);
    RegistryKey key;
    ASSERT_EQ(key.open_or_create(Hive::CurrentUser, "Software\\App"), compat::kRegistryOk);
    ASSERT_EQ(key.write_int("n", 1), compat::kRegistryOk);
    EXPECT_EQ(test_support::read_bytes(file), "KVT registry hive 1\n" + c.rewritten);
    // The rewritten file is read again, and rewriting it changes nothing else.
    ASSERT_EQ(key.write_int("n", 1), compat::kRegistryOk);
    EXPECT_EQ(test_support::read_bytes(file), "KVT registry hive 1\n" + c.rewritten);
    RegistryKey again;
    EXPECT_EQ(again.open(Hive::CurrentUser, "Software\\App"), compat::kRegistryOk);
  }
}

// A registry tree is at most 512 levels deep. A hive holding a key that deep is read and rewritten
// with each of its levels on a line of its own; one level more is refused, through the file and
// through a path.
TEST_F(Registry, KeysGoDownToTheDeepestLevelOfARegistryTree) {
  std::filesystem::create_directories(temp_.path() + "/config/kvt-registry");
  const std::string file = hive_file("HKEY_CURRENT_USER.reg");
  test_support::write_bytes(file, "KVT registry hive 1\n[" + DeepPath(512) + "]\nsz:v=1\n");
  RegistryKey deepest;
  ASSERT_EQ(deepest.open(Hive::CurrentUser, DeepPath(512)), compat::kRegistryOk);
  ASSERT_EQ(deepest.write_int("n", 2), compat::kRegistryOk);
  const std::string rewritten = test_support::read_bytes(file);
  EXPECT_NE(rewritten.find("\n[" + DeepPath(511) + "]\n\n[" + DeepPath(512) + "]\nsz:v=1\ndword:n=2\n"),
            std::string::npos);
  EXPECT_EQ(std::count(rewritten.begin(), rewritten.end(), '['), 512);
  RegistryKey middle;
  EXPECT_EQ(middle.open(Hive::CurrentUser, DeepPath(300)), compat::kRegistryOk);
  RegistryKey deeper;
  EXPECT_EQ(deeper.open_or_create(Hive::CurrentUser, DeepPath(513)), compat::kRegistryNotFound);
  EXPECT_EQ(test_support::read_bytes(file), rewritten);
}

TEST_F(Registry, MissingValuesTypesAndSizesAreReported) {
  RegistryKey key;
  std::string text = "intocado";
  std::uint32_t number = 77;
  EXPECT_EQ(key.read_string("x", text), compat::kRegistryInvalidHandle);
  EXPECT_EQ(key.write_int("x", 1), compat::kRegistryInvalidHandle);
  ASSERT_EQ(key.open_or_create(Hive::LocalMachine, "Software\\KVT"), compat::kRegistryOk);
  EXPECT_EQ(key.read_string("Gerar Log", text), compat::kRegistryNotFound);
  EXPECT_EQ(key.read_int("Gerar Log", number), compat::kRegistryNotFound);
  ASSERT_EQ(key.write_string("Gerar Log", "0123456789"), compat::kRegistryOk);
  ASSERT_EQ(key.write_int("Estado da Tela", 2), compat::kRegistryOk);
  EXPECT_EQ(key.read_int("Gerar Log", number), compat::kRegistryBadType);
  EXPECT_EQ(key.read_string("Estado da Tela", text), compat::kRegistryBadType);
  EXPECT_EQ(text, "intocado");
  EXPECT_EQ(number, 77u);

  // A caller's buffer of 10 bytes holds 9 characters and the NUL.
  EXPECT_EQ(key.read_string("Gerar Log", text, 10), compat::kRegistryMoreData);
  EXPECT_EQ(text, "intocado");
  EXPECT_EQ(key.read_string("Gerar Log", text, 11), compat::kRegistryOk);
  EXPECT_EQ(text, "0123456789");

  // A value may change type by being written again.
  ASSERT_EQ(key.write_int("Gerar Log", 1), compat::kRegistryOk);
  EXPECT_EQ(key.read_int("Gerar Log", number), compat::kRegistryOk);
  EXPECT_EQ(number, 1u);
  EXPECT_EQ(key.delete_value("gerar log"), compat::kRegistryOk);
  EXPECT_EQ(key.delete_value("Gerar Log"), compat::kRegistryNotFound);
  EXPECT_EQ(key.read_int("Gerar Log", number), compat::kRegistryNotFound);

  RegistryKey moved(std::move(key));
  EXPECT_FALSE(key.is_open());
  EXPECT_EQ(moved.read_int("Estado da Tela", number), compat::kRegistryOk);
  EXPECT_EQ(number, 2u);
}

TEST_F(Registry, RewritesLeaveNoTemporaryFiles) {
  RegistryKey user, machine;
  ASSERT_EQ(user.open_or_create(Hive::CurrentUser, kTarnelKey), compat::kRegistryOk);
  ASSERT_EQ(machine.open_or_create(Hive::LocalMachine, "Software\\KVT"), compat::kRegistryOk);
  for (std::uint32_t i = 0; i < 50; ++i) {
    ASSERT_EQ(user.write_int("Largura da Tela", i), compat::kRegistryOk);
    ASSERT_EQ(machine.write_string("Gerar Log", std::to_string(i % 2)), compat::kRegistryOk);
  }
  EXPECT_EQ(registry_files(), (std::vector<std::string>{"HKEY_CURRENT_USER.reg", "HKEY_LOCAL_MACHINE.reg"}));
  std::uint32_t number = 0;
  EXPECT_EQ(user.read_int("Largura da Tela", number), compat::kRegistryOk);
  EXPECT_EQ(number, 49u);
}

TEST_F(Registry, CorruptHiveIsNeitherCrashedOnNorOverwritten) {
  RegistryKey key;
  ASSERT_EQ(key.open_or_create(Hive::CurrentUser, kTarnelKey), compat::kRegistryOk);
  ASSERT_EQ(key.write_int("Estado da Tela", 1), compat::kRegistryOk);
  const std::string file = hive_file("HKEY_CURRENT_USER.reg");
  const char garbage[] = "n\xE3o \x00\xFF sou uma colmeia\n";
  const std::vector<std::string> damaged = {
      std::string(garbage, sizeof garbage - 1),
      "KVT registry hive 1\n[Software]\nsz:a=%G1\n",       // bad escape
      "KVT registry hive 1\n[Software]\nsz:a=fim%4\n",     // escape cut at the end
      "KVT registry hive 1\nsz:a=sem chave\n",             // value before any key
      "KVT registry hive 1\n[Software]\ndword:n=4294967296\n",  // beyond 32 bits
      "KVT registry hive 1\n[Software\\\\x]\n",            // empty level
      "KVT registry hive 1\n[a\\]\n",                      // empty last level
      "KVT registry hive 1\n[Software]\nbinary:a=00\n",    // unknown type
      "KVT registry hive 1\n[" + DeepPath(513) + "]\n",     // deeper than any registry tree
      "KVT registry hive 2\n",
  };
  for (const std::string& bytes : damaged) {
    SCOPED_TRACE(bytes);
    test_support::write_bytes(file, bytes);
    std::string text;
    std::uint32_t number = 0;
    EXPECT_EQ(key.read_int("Estado da Tela", number), compat::kRegistryAccessDenied);
    EXPECT_EQ(key.read_string("Estado da Tela", text), compat::kRegistryAccessDenied);
    EXPECT_EQ(key.write_int("Estado da Tela", 2), compat::kRegistryAccessDenied);
    EXPECT_EQ(key.delete_value("Estado da Tela"), compat::kRegistryAccessDenied);
    RegistryKey other;
    EXPECT_EQ(other.open_or_create(Hive::CurrentUser, "Software\\Nova"), compat::kRegistryAccessDenied);
    EXPECT_EQ(other.open(Hive::CurrentUser, "Software"), compat::kRegistryAccessDenied);
    EXPECT_EQ(test_support::read_bytes(file), bytes);
  }
  // The other hive is unaffected.
  RegistryKey machine;
  EXPECT_EQ(machine.open_or_create(Hive::LocalMachine, kTarnelKey), compat::kRegistryOk);
  EXPECT_EQ(machine.write_int("x", 1), compat::kRegistryOk);
}

TEST_F(Registry, UnreadableHiveIsAccessDenied) {
  std::filesystem::create_directories(hive_file("HKEY_CURRENT_USER.reg"));  // a folder where the file goes
  RegistryKey key;
  EXPECT_EQ(key.open_or_create(Hive::CurrentUser, "Software\\KVT"), compat::kRegistryAccessDenied);
  EXPECT_TRUE(std::filesystem::is_directory(hive_file("HKEY_CURRENT_USER.reg")));
}

TEST_F(Registry, FailedWritesLeaveTheHiveAsItWas) {
  RegistryKey key;
  ASSERT_EQ(key.open_or_create(Hive::CurrentUser, "Software\\KVT"), compat::kRegistryOk);
  ASSERT_EQ(key.write_string("Canal", "Emul"), compat::kRegistryOk);
  const std::string file = hive_file("HKEY_CURRENT_USER.reg");
  const std::string before = test_support::read_bytes(file);
  compat::registry_fail_writes(true);
  RegistryKey other;
  EXPECT_EQ(key.write_string("Canal", "COM1"), compat::kRegistryAccessDenied);
  EXPECT_EQ(key.write_int("Largura", 1), compat::kRegistryAccessDenied);
  EXPECT_EQ(key.delete_value("Canal"), compat::kRegistryAccessDenied);
  EXPECT_EQ(other.open_or_create(Hive::CurrentUser, "Software\\KVT\\Nova"), compat::kRegistryAccessDenied);
  EXPECT_FALSE(other.is_open());
  // What needs no change still works.
  EXPECT_EQ(other.open_or_create(Hive::CurrentUser, "Software\\KVT"), compat::kRegistryOk);
  std::string text;
  EXPECT_EQ(other.read_string("Canal", text), compat::kRegistryOk);
  EXPECT_EQ(text, "Emul");
  compat::registry_fail_writes(false);
  EXPECT_EQ(test_support::read_bytes(file), before);
  EXPECT_EQ(key.write_string("Canal", "COM1"), compat::kRegistryOk);
}

TEST_F(Registry, ErrorTextsComeFromTheSystem) {
  EXPECT_EQ(compat::system_error_text(compat::kRegistryNotFound), strerror(ENOENT));
  EXPECT_EQ(compat::system_error_text(compat::kRegistryAccessDenied), strerror(EACCES));
  EXPECT_FALSE(compat::system_error_text(compat::kRegistryBadType).empty());
}

}  // namespace
