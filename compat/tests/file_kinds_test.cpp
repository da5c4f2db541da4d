// Files that are links, pipes or left by someone else, where a program saves, reads or locks.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "compat/atomic_file.h"
#include "compat/file_lock.h"
#include "compat/native_path.h"
#include "compat/path.h"
#include "compat/whole_file.h"
#include "test_support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using test_support::TempFolder;

std::string ModeOf(const std::string& path) {
  struct stat info{};
  if (stat(path.c_str(), &info) != 0) return "none";
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(info.st_mode & 07777));
  return text;
}

// A saved file that is a link stays one: the file it points to is the one replaced, beside which
// the temporary goes; a link to nothing makes its target, as the shell's redirection does.
TEST(FileKinds, ALinkedFileIsReplacedWhereItPoints) {
  TempFolder temp{"file-kinds"};
  fs::create_directories(temp.file("compartilhada"));
  fs::create_directories(temp.file("aqui"));
  const std::string real = temp.file("compartilhada/PlanilhaECF.xls");
  test_support::write_bytes(real, "antes");
  fs::create_symlink("../compartilhada/PlanilhaECF.xls", temp.file("aqui/PlanilhaECF.xls"));
  std::string why;
  ASSERT_TRUE(compat::replace_file(temp.file("aqui/PlanilhaECF.xls"), "depois", why)) << why;
  EXPECT_TRUE(fs::is_symlink(temp.file("aqui/PlanilhaECF.xls")));
  EXPECT_EQ(test_support::read_bytes(real), "depois");
  EXPECT_EQ(std::distance(fs::directory_iterator(temp.file("aqui")), fs::directory_iterator()), 1);

  fs::create_symlink(temp.file("compartilhada/novo.xml"), temp.file("aqui/relatorio.xml"));
  ASSERT_TRUE(compat::replace_file(temp.file("aqui/relatorio.xml"), "<x/>", why)) << why;
  EXPECT_TRUE(fs::is_symlink(temp.file("aqui/relatorio.xml")));
  EXPECT_EQ(test_support::read_bytes(temp.file("compartilhada/novo.xml")), "<x/>");
}

// A writer that always uses the same temporary name never writes through a link another user left
// at that name: the link goes, the file it pointed to stays as it was.
TEST(FileKinds, AFixedTemporaryNameIsNeverFollowed) {
  TempFolder temp{"file-kinds"};
  const std::string alvo = temp.file("rasc0.bin");
  const std::string vitima = temp.file("segredo");
  test_support::write_bytes(vitima, "segredo");
  fs::permissions(vitima, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(vitima, temp.file(".rasc0.tmp"));
  compat::AtomicFile escritor(alvo, temp.file(".rasc0.tmp"));
  ASSERT_TRUE(escritor.write("contexto"));
  ASSERT_TRUE(escritor.commit());
  EXPECT_EQ(test_support::read_bytes(alvo), "contexto");
  EXPECT_FALSE(fs::is_symlink(alvo));
  EXPECT_EQ(test_support::read_bytes(vitima), "segredo");
  EXPECT_EQ(ModeOf(vitima), "0600");
  EXPECT_FALSE(fs::exists(fs::symlink_status(temp.file(".rasc0.tmp"))));
}

// A pipe (or a device, /dev/stdout) is written to, not replaced by a file; a pipe is not waited on
// to be read, and a lock there is refused at once.
TEST(FileKinds, APipeIsWrittenToNeverReplacedNorWaitedOn) {
  TempFolder temp{"file-kinds"};
  const std::string cano = temp.file("cano");
  ASSERT_EQ(mkfifo(cano.c_str(), 0600), 0);
  std::string lido;
  std::thread leitor([&] {
    std::ifstream entrada(cano, std::ios::binary);
    lido.assign(std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>());
  });
  std::string why;
  EXPECT_TRUE(compat::replace_file(cano, "<relatorio/>", why)) << why;
  leitor.join();
  EXPECT_EQ(lido, "<relatorio/>");
  EXPECT_TRUE(fs::is_fifo(cano));

  std::string bytes;
  EXPECT_FALSE(compat::read_file(cano, bytes, why));
  compat::FileLock trava;
  EXPECT_EQ(trava.acquire(cano, 5000), compat::FileLock::Result::kRefused);
}

// A name of this process's own stream (/dev/stdout redirected with >> to a log) is written where
// the stream goes: the log keeps its lines, and nothing is made beside it.
TEST(FileKinds, ThisProcesssOwnStreamIsWrittenWhereItGoes) {
  for (const char* prefixo : {"/dev/fd/", "/proc/self/fd/"}) {
    TempFolder temp{"file-kinds"};
    const std::string log = temp.file("log.txt");
    test_support::write_bytes(log, "antes\n");
    const int fd = open(log.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(fd, 0);
    const std::string nome = prefixo + std::to_string(fd);
    EXPECT_TRUE(compat::is_device(nome)) << nome;
    std::string why;
    EXPECT_TRUE(compat::replace_file(nome, "relatorio\n", why)) << why;
    std::FILE* arquivo = compat::open_file(nome, "wb");
    ASSERT_NE(arquivo, nullptr);
    EXPECT_GE(std::fputs("leitura\n", arquivo), 0);
    EXPECT_EQ(std::fclose(arquivo), 0);
    EXPECT_TRUE(compat::append_whole(nome, "linha\n"));
    EXPECT_EQ(close(fd), 0);  // still this process's: the writers used copies of it
    EXPECT_EQ(test_support::read_bytes(log), "antes\nrelatorio\nleitura\nlinha\n") << nome;
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1) << nome;
  }
}

// A lock file is made readable by everyone, whatever the umask, so that another user's program
// locks it too; one that is a link is refused, and the file it points to is not made.
TEST(FileKinds, ALockFileServesEveryUserAndIsNoLink) {
  TempFolder temp{"file-kinds"};
  const mode_t antes = umask(077);
  {
    compat::FileLock trava;
    EXPECT_EQ(trava.acquire(temp.file(".rasc0.lock"), 0), compat::FileLock::Result::kHeld);
  }
  umask(antes);
  EXPECT_EQ(ModeOf(temp.file(".rasc0.lock")), "0644");
  fs::create_symlink(temp.file("nologin"), temp.file(".PlanilhaECF.xls.lock"));
  compat::FileLock outra;
  EXPECT_EQ(outra.acquire(temp.file(".PlanilhaECF.xls.lock"), 0), compat::FileLock::Result::kRefused);
  EXPECT_FALSE(fs::exists(temp.file("nologin")));
}

}  // namespace
