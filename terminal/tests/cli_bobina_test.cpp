// tarnel-cli bobina: the emulated printer's roll printed, and followed while the printer prints.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "cli_programa.h"

namespace {

using namespace teste_cli;

class CliBobina : public ::testing::Test {
 protected:
  void Acrescenta(const std::string& bytes) {
    std::ofstream f(pasta.file("bobina0.txt"), std::ios::binary | std::ios::app);
    f << bytes;
  }
  TempFolder pasta{"tarnel-test", TempFolder::enter | TempFolder::user_folders};
};

// The roll file's bytes as a pipe gets them: the same lines and marks, each ended by LF.
std::string ComoNaSaida(std::string bytes) {
  for (std::size_t i; (i = bytes.find("\r\n")) != std::string::npos;) bytes.erase(i, 1);
  return bytes;
}

TEST_F(CliBobina, PrintsWhatTheEmulatedPrinterPrintedWithTheFilesMarks) {
  ASSERT_EQ(RodaCli(pasta, {"exec", "AbreCupomFiscal"}).status, 0);
  const Execucao e = RodaCli(pasta, {"bobina"});
  EXPECT_EQ(e.status, 0) << e.mensagens;
  EXPECT_EQ(e.mensagens, "");
  EXPECT_NE(e.saida.find("\nN |                  CUPOM FISCAL\n"), std::string::npos) << e.saida;
  EXPECT_NE(e.saida.find(u8"\n  |ITEM CÓDIGO DESCRIÇÃO\n"), std::string::npos) << e.saida;
  EXPECT_EQ(e.saida, ComoNaSaida(read_bytes(pasta.file("bobina0.txt"))));
}

TEST_F(CliBobina, NoRollOrAStrayArgumentExitsWithTwo) {
  const Execucao sem_rolo = RodaCli(pasta, {"bobina"});
  EXPECT_EQ(sem_rolo.status, 2);
  EXPECT_EQ(sem_rolo.saida, "");
  EXPECT_EQ(sem_rolo.mensagens, u8"tarnel-cli bobina: a impressora emulada desta pasta ainda não imprimiu (não há " +
                                    pasta.file("bobina0.txt") + ")\n");
  for (const auto& argumentos : std::vector<std::vector<std::string>>{{"bobina", "--seguir", "x"}, {"bobina", "-f"}}) {
    const Execucao e = RodaCli(pasta, argumentos);
    EXPECT_EQ(e.status, 2) << ::testing::PrintToString(argumentos);
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.mensagens.find("argumento inesperado"), std::string::npos) << e.mensagens;
  }
}

// A roll that is there but cannot be read is told, not shown as an empty roll nor as none.
TEST_F(CliBobina, AFolderInTheRollsPlaceIsUnreadable) {
  std::filesystem::create_directory(pasta.file("bobina0.txt"));
  const Execucao e = RodaCli(pasta, {"bobina"});
  EXPECT_EQ(e.status, 2);
  EXPECT_EQ(e.mensagens, u8"tarnel-cli bobina: não foi possível ler " + pasta.file("bobina0.txt") + "\n");
}

TEST_F(CliBobina, ARollThatCannotBeReadExitsWithTwo) {
  ASSERT_EQ(RodaCli(pasta, {"exec", "AbreCupomFiscal"}).status, 0);
  std::filesystem::permissions(pasta.file("bobina0.txt"), std::filesystem::perms::none);
  if (std::ifstream(pasta.file("bobina0.txt")).good()) GTEST_SKIP() << "a superuser reads any file";
  const Execucao e = RodaCli(pasta, {"bobina"});
  EXPECT_EQ(e.status, 2);
  EXPECT_EQ(e.saida, "");
  EXPECT_EQ(e.mensagens, u8"tarnel-cli bobina: não foi possível ler " + pasta.file("bobina0.txt") + "\n");
}

TEST_F(CliBobina, HelpNamesTheSubcommand) {
  const Execucao e = RodaCli(pasta, {"--help"});
  EXPECT_NE(e.saida.find("\n     tarnel-cli bobina [--seguir]\n"), std::string::npos) << e.saida;
  EXPECT_NE(e.saida.find("\nbobina mostra a bobina de papel"), std::string::npos) << e.saida;
}

TEST_F(CliBobina, FollowingShowsNewLinesUntilStopped) {
  Acrescenta("  |primeira\r\n");
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    const int saida = open("saida.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(saida, STDOUT_FILENO);
    execl(TARNEL_CLI, "tarnel-cli", "bobina", "--seguir", static_cast<char*>(nullptr));
    _exit(127);
  }
  // Waits, generously, until the program has shown what it should.
  const auto mostra = [&](const std::string& esperado) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    std::string saida;
    while ((saida = read_bytes(pasta.file("saida.txt"))) != esperado && std::chrono::steady_clock::now() < limite)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return saida;
  };
  EXPECT_EQ(mostra("  |primeira\n"), "  |primeira\n");
  Acrescenta("N |segunda\r\n E|ter");
  EXPECT_EQ(mostra("  |primeira\nN |segunda\n"), "  |primeira\nN |segunda\n");
  Acrescenta("ceira\r\n");
  EXPECT_EQ(mostra("  |primeira\nN |segunda\n E|terceira\n"), "  |primeira\nN |segunda\n E|terceira\n");
  kill(pid, SIGTERM);
  int estado = 0;
  ASSERT_EQ(waitpid(pid, &estado, 0), pid);
  EXPECT_TRUE(WIFSIGNALED(estado)) << "ran until stopped";
}

}  // namespace
