// The binary dump's readings on a scripted memory window: the images built from the cartridges,
// their order, and each failure's message with nothing written and the driver's log put back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "apoio/driver_roteirizado.h"
#include "apoio/interacao_roteirizada.h"
#include "apoio/janela_roteirizada.h"
#include "compat/path.h"
#include "readings/chave_mfd.h"
#include "readings/leitura_mfd_binaria.h"
#include "readings/secao_mfd.h"
#include "test_support/temp_folder.h"

namespace tarnel {
namespace {

using test_support::read_bytes;

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}

// An information record: header page, areas, value A, pages used, MF bytes used, value B.
std::string Informacoes(char cabecalho, std::uint32_t area_mf, std::uint32_t area_mfd, std::uint32_t a,
                        std::uint32_t paginas, std::uint32_t mf_usados, char b) {
  std::string r(528, cabecalho);
  r.resize(756, '\x11');  // fields the dump does not use
  r += Le32(area_mf) + Le32(area_mfd) + Le32(0x22222222) + Le32(a) + Le32(paginas) + Le32(mf_usados) + "\x33\x33";
  return r + b;
}

// Cartridge 2 initialised (MF and MFD), cartridge 1 not initialised (MFD only).
constexpr std::uint32_t kInfo2 = 0x98000000, kInfo1 = 0x88000000, kMF2 = 0x90000000, kMFD2 = 0x50000000,
                        kMFD1 = 0x40000000;

class LeituraMFDBinaria : public ::testing::Test {
 protected:
  LeituraMFDBinaria() : frm(interacao) {
    auto d = std::make_unique<teste::DriverRoteirizado>();
    driver = d.get();
    driver->nome_log = "Comandos.RMT";
    frm.ModuloDriver = std::move(d);
    frm.btExecutaEnabled = true;
    janela = std::make_unique<teste::JanelaRoteirizada>(*driver);
    janela->tamanho = 0;
    janela->por_leitura = 256;
    std::string lista_i(150, '\xFF'), lista_n(64, '\xFF');
    lista_i[0] = 2;
    lista_n[0] = 1;
    janela->regioes = {
        {0x10000000, std::string("\x01\x00\x01\x00", 4)},
        {0x11000000, lista_i},
        {0x12000000, lista_n},
        {kInfo2, Informacoes('H', 100, 1024, 0xA0A0A0A0, 1, 10, '\xFE')},
        {kInfo1, Informacoes('h', 0, 512, 7, 1, 0, '\x00')},
        {kMF2, std::string(10, 'M')},
        {kMFD2, std::string(528, 'P')},
        {kMFD1, std::string(528, 'Q')},
    };
  }
  std::string Trailer(char cabecalho, std::uint32_t a, std::uint32_t paginas, std::uint32_t mf, std::string b) {
    return std::string(528, cabecalho) + std::string(240, '\0') + Le32(a) + Le32(paginas) + Le32(mf) + b;
  }

  test_support::TempFolder pasta{"tarnel-mfd", test_support::TempFolder::enter};
  teste::InteracaoRoteirizada interacao;
  TfrmMain frm;
  teste::DriverRoteirizado* driver = nullptr;
  std::unique_ptr<teste::JanelaRoteirizada> janela;
};

TEST_F(LeituraMFDBinaria, ImagesOfTheInitialisedCartridgesFirst) {
  frm.AcrescentaLinhaTerminal("antes\r\n");
  // The transcript is hidden while the readings run, shown again at the end.
  std::vector<bool> visivel;
  frm.Observa([&](Alteracao a) {
    if (a == Alteracao::Terminal) visivel.push_back(frm.Terminal.Visivel);
  });
  ASSERT_TRUE(LeituraMFDBinariaExecute(frm)) << ::testing::PrintToString(interacao.mensagens);
  ASSERT_GE(visivel.size(), 2u);
  EXPECT_FALSE(visivel.front());
  EXPECT_TRUE(visivel.back());
  EXPECT_EQ(interacao.mensagens, std::vector<std::string>{"Arquivo 'LEITURA.MFD' gerado."});
  EXPECT_EQ(driver->nome_log, "Comandos.RMT");
  EXPECT_EQ(frm.Terminal.Texto(), "");
  const ConteudoMFD dump = LeArquivoMFD(read_bytes(pasta.file("LEITURA.MFD")), Gost28147(ChaveMFD()));
  ASSERT_EQ(dump.erro, "");
  const std::vector<std::string> esperadas = {
      std::string(8192, '\xFF'),
      std::string(10, 'M') + std::string(90, '\xFF') + Le32(10),
      std::string(528, 'P') + std::string(528, '\xFF') + Trailer('H', 0xA0A0A0A0, 1, 10, "\xFE\xFF"),
      std::string(528, 'Q') + Trailer('h', 7, 1, 0, std::string(2, '\0')),
  };
  EXPECT_EQ(dump.secoes, esperadas);
}

TEST_F(LeituraMFDBinaria, AFailedReadingEndsWithItsMessageAndWritesNothing) {
  struct Caso {
    std::uint32_t regiao;
    const char* mensagem;
  };
  const Caso casos[] = {
      {0x10000000, "Erro lendo cartuchos inicializados e n\xE3o inicializados!"},
      {0x11000000, "Erro lendo a lista de cartuchos inicializados!"},
      {0x12000000, "Erro lendo a lista de cartuchos N\xC3O inicializados!"},
      {kInfo2, "Erro lendo as informa\xE7\xF5" "es do cartucho 0!"},
      {kMF2, "Erro lendo as informa\xE7\xF5" "es da MF do cartucho 0!"},
      {kMFD2, "Erro lendo as informa\xE7\xF5" "es da MFD do cartucho 0!"},
      {kInfo1, "Erro lendo as informa\xE7\xF5" "es do cartucho N\xC3O inicializado 0!"},
      {kMFD1, "Erro lendo as informa\xE7\xF5" "es da MFD do cartucho N\xC3O inicializado 0!"},
  };
  for (const Caso& c : casos) {
    interacao.mensagens.clear();
    janela->regioes_falhas = {c.regiao};
    EXPECT_FALSE(LeituraMFDBinariaExecute(frm));
    // The memory reader's own message first, then the dump's.
    EXPECT_EQ(interacao.mensagens, (std::vector<std::string>{"Erro ao enviar comando 'LeTexto'", c.mensagem}));
    EXPECT_FALSE(compat::file_exists(pasta.file("LEITURA.MFD")));
    EXPECT_EQ(driver->nome_log, "Comandos.RMT");
    EXPECT_TRUE(frm.Terminal.Visivel);
  }
}

TEST_F(LeituraMFDBinaria, ARecordClaimingMoreThanItsAreaIsRefused) {
  janela->regioes[kInfo2] = Informacoes('H', 100, 1024, 0, 1, 101, 0);
  EXPECT_FALSE(LeituraMFDBinariaExecute(frm));
  EXPECT_EQ(interacao.mensagens, std::vector<std::string>{"Erro lendo as informa\xE7\xF5" "es da MF do cartucho 0!"});
  interacao.mensagens.clear();
  janela->regioes[kInfo2] = Informacoes('H', 100, 1024, 0, 3, 10, 0);
  EXPECT_FALSE(LeituraMFDBinariaExecute(frm));
  EXPECT_EQ(interacao.mensagens, std::vector<std::string>{"Erro lendo as informa\xE7\xF5" "es da MFD do cartucho 0!"});
}

TEST_F(LeituraMFDBinaria, WithoutCartridgesTheEmptyFiscalMemoryCannotBeWritten) {
  janela->regioes[0x10000000] = std::string(4, '\0');
  EXPECT_FALSE(LeituraMFDBinariaExecute(frm));
  EXPECT_EQ(interacao.mensagens, std::vector<std::string>{"Erro na grava\xE7\xE3o do arquivo de MFD !!!\n"});
  EXPECT_FALSE(compat::file_exists(pasta.file("LEITURA.MFD")));
  EXPECT_EQ(driver->nome_log, "Comandos.RMT");
}

TEST_F(LeituraMFDBinaria, WithoutTheLibraryTheFirstReadingSaysSo) {
  frm.ModuloDriver.reset();
  EXPECT_FALSE(LeituraMFDBinariaExecute(frm));
  EXPECT_EQ(interacao.mensagens, (std::vector<std::string>{"Erro ao enviar comando 'EscreveInteiro'",
                                                           "Erro lendo cartuchos inicializados e n\xE3o inicializados!"}));
}

}  // namespace
}  // namespace tarnel
