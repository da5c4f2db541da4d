// Tarnel's files on a full disk and in a read-only folder: the command-file recording, a reading to
// a file and LEITURA.MFD. Each failure is told in the words the person knows, and what was on disk
// before is still there whole: no torn line in the command file, the previous dump untouched.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>

#include "apoio/driver_roteirizado.h"
#include "apoio/interacao_roteirizada.h"
#include "quorbal/catalogo.h"
#include "readings/arquivo_mfd.h"
#include "readings/leitura_arquivo.h"
#include "scripts/arquivo_comandos.h"
#include "test_support/folder_fault.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using test_support::read_bytes;
using test_support::write_bytes;

std::string Aleatorios(std::size_t n) {
  std::mt19937 gerador(7);
  std::string bytes(n, '\0');
  for (char& c : bytes) c = static_cast<char>(gerador());
  return bytes;
}

class FalhasDeDisco : public ::testing::Test {
 protected:
  FalhasDeDisco() : frm(interacao) { std::filesystem::create_directories(pasta_limitada); }

  // Under each fault: prepare writes the old files, work reports; the reports expected are for the
  // full disk and the read-only folder, in that order.
  void SobFalhas(const std::function<void()>& prepara, const std::function<std::string()>& trabalho,
                 const std::string& esperado_cheio, const std::string& esperado_somente_leitura) {
    for (const auto& falha : test_support::kFolderFaults) {
      SCOPED_TRACE(falha.name);
      interacao.mensagens.clear();
      const test_support::FaultRun run =
          test_support::run_with_folder_fault(pasta_limitada, falha.fault, prepara, trabalho, 8192);
      if (!run.ran) GTEST_SKIP() << "no small file system can be mounted here: " << run.why;
      EXPECT_EQ(run.report, falha.fault == test_support::FolderFault::full ? esperado_cheio : esperado_somente_leitura);
    }
  }
  std::string Mensagens() const {
    std::string texto;
    for (const std::string& m : interacao.mensagens) texto += "[" + m + "]";
    return texto;
  }
  std::string Arquivos() const {
    std::set<std::string> nomes;
    for (const auto& e : std::filesystem::directory_iterator(pasta_limitada))
      if (e.path().filename() != ".filler") nomes.insert(e.path().filename().string());
    std::string lista;
    for (const std::string& nome : nomes) lista += " " + nome;
    return lista;
  }

  test_support::TempFolder pasta{"tarnel-disco"};
  std::string pasta_limitada = pasta.file("limitada");
  teste::InteracaoRoteirizada interacao;
  TfrmMain frm;
};

TEST_F(FalhasDeDisco, TheCommandFileKeepsItsWholeLines) {
  const std::string arquivo = pasta_limitada + "/Comandos.RMT";
  const std::string antes = "; cabecalho\r\n; um\r\n";
  const std::string nao_gravado = "[Arquivo de Registro de Comandos n\xE3o pode ser gravado.]";
  SobFalhas([&] { write_bytes(arquivo, antes); },
            [&] {
              frm.ArquivoComandos = arquivo;
              AcrescentaLinhaArquivoComandos(frm, "; " + std::string(64 * 1024, 'x'));
              frm.ArquivoComandos = pasta_limitada + "/Novo.RMT";
              AcrescentaLinhaArquivoComandos(frm, "; dois");
              return Mensagens() + "|" + read_bytes(arquivo) + "|" + Arquivos();
            },
            // The long line does not fit a full disk, a short line in a new file does.
            nao_gravado + "|" + antes + "| Comandos.RMT Novo.RMT", nao_gravado + nao_gravado + "|" + antes + "| Comandos.RMT");
}

TEST_F(FalhasDeDisco, TheDumpKeepsThePreviousFile) {
  const std::string arquivo = pasta_limitada + "/LEITURA.MFD";
  ImagensMFD imagens;
  imagens.secao_a.assign(8192, '\xFF');
  imagens.secao_b = Aleatorios(64 * 1024);  // does not compress: larger than the room left
  SobFalhas([&] { write_bytes(arquivo, "o anterior"); },
            [&] {
              const bool gravado = GravaArquivoMFD(interacao, arquivo, imagens);
              return std::to_string(gravado) + Mensagens() + "|" + read_bytes(arquivo) + "|" + Arquivos();
            },
            "0[Erro na grava\xE7\xE3o do arquivo de MFD !!!\n]|o anterior| LEITURA.MFD",
            "0[Arquivo de MFD n\xE3o pode ser salvo.\n]|o anterior| LEITURA.MFD");
}

TEST_F(FalhasDeDisco, AReadingStopsWithTheFilesName) {
  auto driver = std::make_unique<teste::DriverRoteirizado>();
  teste::DriverRoteirizado* d = driver.get();
  frm.ModuloDriver = std::move(driver);
  frm.HandleDriver = 3;
  frm.btExecutaEnabled = true;
  int pedacos = 0;
  d->ao_executar = [&](const std::string&) {
    d->cod_erro = 0;
    d->nome_erro = "NoError";
    // The reading command, then three pieces and the empty end.
    d->retornos = {{"TextoImpressao", pedacos++ < 4 ? std::string(3000, 'p') : ""}};
  };
  PedidoLeitura pedido;
  pedido.comando = quorbal::Comando::EmiteLeituraMF;
  pedido.arquivo = pasta_limitada + "/MF.TXT";
  const std::string erro = "[Erro ao acessar o arquivo '" + pedido.arquivo + "']";
  SobFalhas([] {},
            [&] {
              const ResultadoLeitura resultado = EmiteLeituraParaArquivo(frm, pedido);
              return std::to_string(resultado == ResultadoLeitura::Falhou) + Mensagens() + " " +
                     std::to_string(pedacos) + Arquivos();
            },
            // Two pieces fit, the third does not: what was written stays, with no filtered copy.
            "1" + erro + " 4 MF.TXT", "1" + erro + " 2");
}

}  // namespace
}  // namespace tarnel
