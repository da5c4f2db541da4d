// The serialsim program as a user runs it: it prints the device path, serves, stops on SIGTERM.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "test_support/temp_folder.h"

extern char** environ;

namespace {

std::string LeLinha(int fd, int ms = 5000) {
  std::string linha;
  char c;
  while (true) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, ms) <= 0 || read(fd, &c, 1) != 1 || c == '\n') return linha;
    linha += c;
  }
}

std::string Troca(const std::string& caminho, const std::string& quadro, std::size_t n) {
  const int fd = open(caminho.c_str(), O_RDWR | O_NOCTTY);
  if (fd < 0) return "(open failed)";
  termios modo{};
  tcgetattr(fd, &modo);
  cfmakeraw(&modo);
  tcsetattr(fd, TCSANOW, &modo);
  std::string resposta;
  if (write(fd, quadro.data(), quadro.size()) == static_cast<ssize_t>(quadro.size())) {
    char bloco[64];
    pollfd p{fd, POLLIN, 0};
    while (resposta.size() < n && poll(&p, 1, 2000) == 1) {
      const ssize_t k = read(fd, bloco, sizeof bloco);
      if (k <= 0) break;
      resposta.append(bloco, static_cast<std::size_t>(k));
    }
  }
  close(fd);
  return resposta;
}

TEST(Programa, PrintsThePathServesAndStopsOnSigterm) {
  const test_support::TempFolder temporaria("serialsim-programa");
  const std::string pasta = temporaria.file("contexto");
  int saida[2], erros[2];
  ASSERT_EQ(pipe(saida), 0);
  ASSERT_EQ(pipe(erros), 0);
  posix_spawn_file_actions_t acoes;
  posix_spawn_file_actions_init(&acoes);
  posix_spawn_file_actions_adddup2(&acoes, saida[1], 1);
  posix_spawn_file_actions_adddup2(&acoes, erros[1], 2);
  posix_spawn_file_actions_addclose(&acoes, saida[0]);
  posix_spawn_file_actions_addclose(&acoes, erros[0]);
  char programa[] = SERIALSIM_PROGRAMA;
  char opcao[] = "-v";
  std::string pasta_arg = pasta;
  char* argv[] = {programa, opcao, pasta_arg.data(), nullptr};
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, programa, &acoes, nullptr, argv, environ), 0);
  posix_spawn_file_actions_destroy(&acoes);
  close(saida[1]);
  close(erros[1]);

  const std::string caminho = LeLinha(saida[0]);
  EXPECT_EQ(caminho.rfind("/dev/pts/", 0), 0u) << caminho;
  EXPECT_TRUE(std::filesystem::is_directory(pasta));  // created for the emulated printer
  EXPECT_EQ(Troca(caminho, "\x1b" "f00", 1), "!");
  EXPECT_EQ(Troca(caminho, "\x1b" "f04  3", 30), "Registrador 003               ");
  EXPECT_EQ(LeLinha(erros[0]), "1B663030");
  EXPECT_EQ(LeLinha(erros[0]), "1B663034202033");

  ASSERT_EQ(kill(pid, SIGTERM), 0);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  close(saida[0]);
  close(erros[0]);
}

// Asked for its usage, it prints it on standard output and exits with 0, serving nothing.
TEST(Programa, HelpPrintsTheUsageAndExitsWithZero) {
  for (std::string opcao : {"-h", "--help"}) {
    SCOPED_TRACE(opcao);
    std::string programa = SERIALSIM_PROGRAMA;
    char* argv[] = {programa.data(), opcao.data(), nullptr};
    int saida[2];
    ASSERT_EQ(pipe(saida), 0);
    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_adddup2(&acoes, saida[1], 1);
    posix_spawn_file_actions_addopen(&acoes, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, argv[0], &acoes, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&acoes);
    close(saida[1]);
    EXPECT_EQ(LeLinha(saida[0]), "usage: serialsim [-v] [-c line] [-f fault] [folder]");
    close(saida[0]);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
  }
}

TEST(Programa, RefusesUnknownOptionsAndFaults) {
  const std::vector<std::vector<std::string>> recusados = {
      {"--nada"}, {"-f"}, {"-f", "surdo"}, {"-f", "curta"}, {"-f", "curta:"}, {"-f", "curta:-1"},
      {"-f", "curta:3x"}, {"-f", "desliga:"}, {"-f", "desliga:-1"}, {"-f", "desliga:99999999999999999999"},
  };
  for (const auto& opcoes : recusados) {
    SCOPED_TRACE(opcoes.back());
    std::vector<std::string> textos = {SERIALSIM_PROGRAMA};
    textos.insert(textos.end(), opcoes.begin(), opcoes.end());
    std::vector<char*> argv;
    for (std::string& texto : textos) argv.push_back(texto.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_addopen(&acoes, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&acoes, 2, "/dev/null", O_WRONLY, 0);
    ASSERT_EQ(posix_spawn(&pid, argv[0], &acoes, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&acoes);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 2);
  }
}

}  // namespace
