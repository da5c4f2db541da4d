// Killed while writing: a child process writes the emulated printer's context file (through the
// driver library, as Tarnel does), a setting in the registry and LEITURA.MFD, over and over, and is
// killed with SIGKILL at random moments. After every kill each file must open and read as one
// whole version: the context file is taken as it is (not restored from the emulator's copy), the
// setting is one value written whole, the dump decodes with sections of one version.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include "apoio/interacao_roteirizada.h"
#include "compat/registry.h"
#include "driver/biblioteca_drovik.h"
#include "readings/arquivo_mfd.h"
#include "readings/chave_mfd.h"
#include "readings/secao_mfd.h"
#include "test_support/temp_folder.h"

namespace tarnel {
namespace {

using test_support::read_bytes;

constexpr const char* kChave = "Software\\KVT\\Queda";
constexpr std::size_t kTamanhoValor = 3000;

ImagensMFD ImagensDaVersao(int versao) {
  ImagensMFD imagens;
  imagens.secao_a.assign(8192, '\xFF');
  imagens.secao_b.assign(20000, static_cast<char>('A' + versao % 26));
  imagens.secoes_c = {std::string(30000, static_cast<char>('a' + versao % 26))};
  return imagens;
}

// The child's endless loop: a new version of each file per pass.
[[noreturn]] void Escreve(const std::string& pasta) {
  std::unique_ptr<BibliotecaDrovik> driver = BibliotecaDrovik::Carrega(DROVIK_ARQUIVO);
  const std::int32_t handle = driver ? driver->IniciaDriver("Emul") : -1;
  compat::RegistryKey chave;
  if (handle < 0 || chave.open_or_create(compat::Hive::CurrentUser, kChave) != compat::kRegistryOk) _exit(2);
  teste::InteracaoRoteirizada interacao;
  for (int versao = 0;; ++versao) {
    driver->LimpaParams(handle);
    driver->AdicionaParam(handle, "NomeInteiro", "ContrasteBobina", 7);
    driver->AdicionaParam(handle, "ValorInteiro", versao % 2 == 0 ? "3" : "5", 7);
    driver->ExecutaComando(handle, "EscreveInteiro");
    chave.write_string("Versao", std::string(kTamanhoValor, static_cast<char>('0' + versao % 10)));
    GravaArquivoMFD(interacao, pasta + "/LEITURA.MFD", ImagensDaVersao(versao));
  }
}

// What is wrong with the files on disk; empty when each is one whole version.
std::string Verifica(const std::string& pasta) {
  std::string problemas;
  // The context file: the printer opens on it as it is, without falling back to its copy.
  const std::string contexto = pasta + "/rasc0.bin";
  const std::string antes = std::filesystem::exists(contexto) ? read_bytes(contexto) : "";
  // No context file is fine only before anything was written (then there is no copy either).
  if (antes.empty() && std::filesystem::exists(pasta + "/.rasc0.good")) problemas += "contexto sumiu; ";
  {
    std::unique_ptr<BibliotecaDrovik> driver = BibliotecaDrovik::Carrega(DROVIK_ARQUIVO);
    const std::int32_t handle = driver->IniciaDriver("Emul");
    driver->LimpaParams(handle);
    driver->AdicionaParam(handle, "NomeInteiro", "ContrasteBobina", 7);
    driver->ExecutaComando(handle, "LeInteiro");
    if (driver->ObtemCodErro(handle) != 0) problemas += "contexto ilegivel: " + driver->ObtemNomeErro(handle) + "; ";
    driver->EncerraDriver(handle);
  }
  if (!antes.empty() && read_bytes(contexto) != antes) problemas += "contexto restaurado da copia; ";
  if (std::filesystem::exists(contexto + ".avariado")) problemas += "contexto avariado; ";
  // The setting: readable, and one value written whole.
  compat::RegistryKey chave;
  std::string valor;
  const long aberta = chave.open(compat::Hive::CurrentUser, kChave);  // not found: killed before making it
  if (aberta != compat::kRegistryOk && aberta != compat::kRegistryNotFound) {
    problemas += "registro ilegivel; ";
  } else if (aberta == compat::kRegistryOk && chave.read_string("Versao", valor) == compat::kRegistryOk &&
             (valor.size() != kTamanhoValor || valor.find_first_not_of(valor[0]) != std::string::npos)) {
    problemas += "valor misturado; ";
  }
  // The dump: when there is one, every section decodes and B and C are of one version.
  const std::string mfd = pasta + "/LEITURA.MFD";
  if (std::filesystem::exists(mfd)) {
    const ConteudoMFD lido = LeArquivoMFD(read_bytes(mfd), Gost28147(ChaveMFD()));
    if (!lido.erro.empty() || lido.secoes.size() != 3) {
      problemas += "MFD ilegivel: " + lido.erro + "; ";
    } else if (lido.secoes[1] != ImagensDaVersao(lido.secoes[1][0] - 'A').secao_b ||
               lido.secoes[2] != ImagensDaVersao(lido.secoes[1][0] - 'A').secoes_c[0]) {
      problemas += "MFD misturado; ";
    }
  }
  return problemas;
}

TEST(Queda, CadaArquivoEhUmaVersaoInteiraDepoisDeSIGKILL) {
  test_support::TempFolder pasta{"tarnel-queda", test_support::TempFolder::enter |
                                                     test_support::TempFolder::user_folders};
  std::mt19937 sorteio(20261209);  // fixed: a failing round comes back the same
  std::uniform_int_distribution<int> espera_us(2000, 40000);
  const auto fim = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  int rodadas = 0;
  while (std::chrono::steady_clock::now() < fim && rodadas < 60) {
    const int espera = espera_us(sorteio);
    const pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) Escreve(pasta.path());
    usleep(static_cast<useconds_t>(espera));
    kill(filho, SIGKILL);
    int status = 0;
    waitpid(filho, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself, status " << status;
    EXPECT_EQ(Verifica(pasta.path()), "") << "round " << rodadas << ", killed after " << espera << " us";
    ++rodadas;
  }
  EXPECT_GE(rodadas, 10);
}

}  // namespace
}  // namespace tarnel
