// tarnel-cli leitura end to end on the emulated printer: the files, the readable copy on standard
// output, the progress line and the exit statuses.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <thread>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_programa.h"
#include "compat/cp1252.h"

namespace {

using namespace teste_cli;

class CliLeitura : public ::testing::Test {
 protected:
  void SetUp() override { Vende(); }
  // One coupon, paid and closed.
  void Vende() {
    const std::vector<std::vector<std::string>> dia = {
        {"exec", "AbreCupomFiscal"},
        {"exec", "VendeItem", "CodAliquota=0", "CodProduto=1", "NomeProduto=Arroz", "PrecoUnitario=21,90",
         "Quantidade=1"},
        {"exec", "PagaCupom", "CodMeioPagamento=0", "Valor=50,00"},
        {"exec", "EncerraDocumento"},
    };
    for (const auto& argumentos : dia) ASSERT_EQ(RodaCli(pasta, argumentos).status, 0);
  }
  TempFolder pasta{"tarnel-test", TempFolder::enter | TempFolder::user_folders};
};

TEST_F(CliLeitura, WritesTheFilesAndShowsTheReadableCopy) {
  const Execucao e = RodaCli(pasta, {"leitura", "x", "--filtrada"});
  ASSERT_EQ(e.status, 0) << e.mensagens;
  const std::string copia = read_bytes(pasta.file("LX.TXT.fmt"));
  ASSERT_NE(copia.find("LEITURA X"), std::string::npos);
  // The announcement, then the copy as UTF-8 with LF line ends.
  std::string esperado = copia;
  for (std::size_t fim; (fim = esperado.find("\r\n")) != std::string::npos;) esperado.erase(fim, 1);
  ASSERT_NE(esperado.size(), copia.size());
  EXPECT_EQ(e.saida, "Arquivo 'LX.TXT' gerado!\n" + compat::cp1252_to_utf8(esperado));
  EXPECT_NE(e.saida.find(u8"VENDA BRUTA DIÁRIA"), std::string::npos) << e.saida;
  // Not a terminal: one progress line per piece, the bytes so far.
  const std::string tamanho = std::to_string(read_bytes(pasta.file("LX.TXT")).size());
  EXPECT_EQ(e.mensagens, "EmiteLeituraX -> LX.TXT: 0 bytes\nEmiteLeituraX -> LX.TXT: " + tamanho + " bytes\n");
}

TEST_F(CliLeitura, RangesAndTheOutputFileReachThePrinter) {
  const Execucao mfd = RodaCli(pasta, {"leitura", "mfd", "--coo", "1-1", "--saida", "cupom.txt"});
  ASSERT_EQ(mfd.status, 0) << mfd.mensagens;
  EXPECT_EQ(mfd.saida, "Arquivo 'cupom.txt' gerado!\n");
  EXPECT_NE(read_bytes(pasta.file("cupom.txt.fmt")).find("Arroz"), std::string::npos);

  // A range the printer refuses: its error, the command named, status 1, no file.
  const Execucao recusada = RodaCli(pasta, {"leitura", "mf", "--reducao", "9-3"});
  EXPECT_EQ(recusada.status, 1);
  EXPECT_EQ(recusada.saida, "");
  EXPECT_EQ(recusada.mensagens, u8"Erro ao enviar comando 'EmiteLeituraMF'\n"
                                u8"Erro: ErroCMDReducaoInvalida\n"
                                u8"Circunstância: ReducaoInicial deve ser ao menos 1 e não maior que ReducaoFinal\n");
  EXPECT_FALSE(std::filesystem::exists(pasta.file("MF.TXT")));
}

TEST_F(CliLeitura, AChannelThatDoesNotOpenExitsWithTwo) {
  const Execucao e = RodaCli(pasta, {"leitura", "x", "--canal", "COM99"});
  EXPECT_EQ(e.status, 2);
  EXPECT_EQ(e.saida, "");
  EXPECT_NE(e.mensagens, "");
}

TEST_F(CliLeitura, AReadingSentToADeviceHasNoReadableCopy) {
  // Nothing to read back from a device or from standard output (here a file the shell redirected
  // it to, which must be written where it goes, not replaced): no copy beside it, that is no failure,
  // and the announcement goes with the messages rather than into the reading's data.
  for (const std::string dispositivo : {"/dev/null", "/dev/stdout"}) {
    const Execucao e = RodaCli(pasta, {"leitura", "x", "--saida", dispositivo});
    EXPECT_EQ(e.status, 0) << e.mensagens;
    const std::string anuncio = "Arquivo '" + dispositivo + "' gerado!\n";
    ASSERT_GE(e.mensagens.size(), anuncio.size()) << e.mensagens;
    EXPECT_EQ(e.mensagens.substr(e.mensagens.size() - anuncio.size()), anuncio);
    EXPECT_FALSE(std::filesystem::exists(dispositivo + ".fmt")) << dispositivo;
    if (dispositivo == "/dev/stdout") {
      EXPECT_EQ(e.saida.rfind("\x1B", 0), 0u) << e.saida;
      EXPECT_NE(e.saida.find("LEITURA X"), std::string::npos) << e.saida;
      EXPECT_EQ(e.saida.find("gerado"), std::string::npos) << e.saida;
    } else {
      EXPECT_EQ(e.saida, "");
    }
  }
}

// A named pipe takes a reading of several pieces as one stream: opened anew for each piece, its
// reader saw an end at the first close, and the next opening waited for a reader forever.
TEST_F(CliLeitura, AReadingOfSeveralPiecesReachesANamedPipeWhole) {
  for (int i = 0; i < 5; ++i) Vende();
  const std::string cano = pasta.file("cano");
  ASSERT_EQ(mkfifo(cano.c_str(), 0600), 0);
  std::string lido;
  std::thread leitor([&] {
    std::ifstream entrada(cano, std::ios::binary);
    lido.assign(std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>());
  });
  const Execucao e = RodaCli(pasta, {"leitura", "mfd", "--saida", "cano"});
  // A reader still waiting for a writer (the program failed before opening the pipe) is let go.
  if (const int liberta = open(cano.c_str(), O_WRONLY | O_NONBLOCK); liberta >= 0) close(liberta);
  leitor.join();
  EXPECT_EQ(e.status, 0) << e.mensagens;
  EXPECT_GT(lido.size(), 4000u);
  std::size_t vendas = 0;
  for (std::size_t pos = 0; (pos = lido.find("Arroz", pos)) != std::string::npos; ++pos) ++vendas;
  EXPECT_EQ(vendas, 6u) << lido;
}

TEST_F(CliLeitura, AReadableCopyThatCannotBeReadIsTold) {
  // A folder where the readable copy goes: the reading is written, but not announced as made, and
  // the copy cannot be shown.
  std::filesystem::create_directory(pasta.file("LX.TXT.fmt"));
  const Execucao e = RodaCli(pasta, {"leitura", "x", "--filtrada"});
  EXPECT_EQ(e.status, 1);
  EXPECT_EQ(e.saida, "");
  const std::string erro = "Erro ao acessar o arquivo 'LX.TXT.fmt'\n";
  ASSERT_GE(e.mensagens.size(), erro.size()) << e.mensagens;
  EXPECT_EQ(e.mensagens.substr(e.mensagens.size() - erro.size()), erro);
  EXPECT_NE(read_bytes(pasta.file("LX.TXT")).find("LEITURA X"), std::string::npos);
}

}  // namespace
