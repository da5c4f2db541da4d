// The workbook cross-check end to end: the emulated printer of the stand-in library, the embedded
// engine and the generated example workbook. Totalizers configured, the X reading captured, a small
// day mirrored, then the X reading checked against what the workbook computed.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "apoio/emulada_conectada.h"
#include "cli_programa.h"
#include "driver/execucao.h"
#include "quorbal/comandos.h"
#include "spreadsheet/configura_totalizadores.h"
#include "spreadsheet/escolha_motor.h"
#include "spreadsheet/leitura_x_planilha.h"
#include "spreadsheet/liga_planilha.h"
#include "spreadsheet/ligacao_planilha.h"

namespace tarnel {
namespace {

using quorbal::Comando;
using Campos = std::vector<std::pair<std::string, std::string>>;
using Textos = std::vector<std::string>;

class PlanilhaEmulada : public teste::EmuladaConectada {
 protected:
  PlanilhaEmulada() : EmuladaConectada("tarnel-planilha-emulada") {}
  void SetUp() override {
    EmuladaConectada::SetUp();
    std::filesystem::copy_file(PLANILHA_ECF, "PlanilhaECF.xls");
    LigaPlanilha(frm, EscolheMotorPlanilha("embutido"));
  }
  // Runs a command through the execute path, as the window's button does; true when the printer
  // accepted it.
  bool Executa(Comando comando, const Campos& campos) {
    const int indice = quorbal::Posicao(comando);
    frm.SelecionaComando(indice);
    frm.LimpaCampos(indice);
    for (const auto& [nome, texto] : campos)
      if (!frm.DefineParametro(indice, nome, texto)) return false;
    return ExecutaComandoSelecionado(frm) && frm.CodigoErro == 0;
  }
  // Each document of the day is a test of its own: the X reading captured, the document mirrored,
  // the X reading checked. (A capture starts a new test: item numbering restarts, and a
  // cancellation undoes every item mirrored since the capture.) The lines of each check.
  std::vector<Textos> Documento(const std::vector<std::pair<Comando, Campos>>& comandos) {
    interacao.listas_erros.clear();
    ObtemLeituraXExecute(frm);
    EXPECT_EQ(interacao.listas_erros, std::vector<Textos>{});
    for (const auto& [comando, campos] : comandos)
      EXPECT_TRUE(Executa(comando, campos)) << quorbal::Descritor(comando).nome << ": " << frm.ebNomeErro;
    ConfereLeituraXExecute(frm);
    return interacao.listas_erros;
  }
};

TEST_F(PlanilhaEmulada, DiaEspelhadoConfereComALeituraX) {
  ASSERT_TRUE(Executa(Comando::DefineNaoFiscal,
                      {{"DescricaoNaoFiscal", "Suprimento de caixa"}, {"NomeNaoFiscal", "Suprimento"}, {"TipoNaoFiscal", "1"}}));
  ConfiguraTotalizadores(frm);
  ASSERT_EQ(interacao.listas_erros, std::vector<Textos>{});
  ASSERT_TRUE(frm.PlanilhaConectada);

  // A fiscal coupon: two aliquots, an item discount, a subtotal discount, cash and another means.
  // Cash is paid by its name: only then does the mirroring add it to the document's cash total
  // (TotalDocDinheiro), which the printer counts whichever way cash was named. The printer counts
  // cash as its means of payment 0 as well, where the mirroring puts cash named so in the cash total
  // alone: that one register differs after every document paid in cash.
  EXPECT_EQ(Documento({
                {Comando::AbreCupomFiscal, {}},
                {Comando::VendeItem, {{"CodAliquota", "0"}, {"CodProduto", "1"}, {"NomeProduto", "Arroz"},
                                      {"PrecoUnitario", "21,90"}, {"Quantidade", "1"}}},
                {Comando::VendeItem, {{"CodAliquota", "1"}, {"CodProduto", "2"}, {"NomeProduto", "Feijao"},
                                      {"PrecoUnitario", "8,49"}, {"Quantidade", "2"}}},
                {Comando::AcresceItemFiscal, {{"Cancelar", "0"}, {"NumItem", "1"}, {"ValorAcrescimo", "-1,90"}}},
                {Comando::AcresceSubtotal, {{"Cancelar", "0"}, {"ValorPercentual", "-5,00"}}},
                {Comando::PagaCupom, {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "20,00"}}},
                {Comando::PagaCupom, {{"CodMeioPagamento", "1"}, {"Valor", "20,00"}}},
                {Comando::EncerraDocumento, {{"Operador", "Ana"}}},
            }),
            std::vector<Textos>{{"TotalDocMeioPagamento[0]: LX (20) - Planilha (0)!"}});
  // A non-fiscal receipt.
  EXPECT_EQ(Documento({
                {Comando::AbreCupomNaoFiscal, {}},
                {Comando::EmiteItemNaoFiscal, {{"CodNaoFiscal", "0"}, {"Valor", "25,00"}}},
                {Comando::PagaCupom, {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "25,00"}}},
                {Comando::EncerraDocumento, {}},
            }),
            std::vector<Textos>{{"TotalDocMeioPagamento[0]: LX (25) - Planilha (0)!"}});
  // A cancelled coupon.
  EXPECT_EQ(Documento({
                {Comando::AbreCupomFiscal, {}},
                {Comando::VendeItem, {{"CodAliquota", "0"}, {"CodProduto", "3"}, {"NomeProduto", "Sabao"},
                                      {"PrecoUnitario", "3,20"}, {"Quantidade", "3"}}},
                {Comando::CancelaCupom, {}},
            }),
            std::vector<Textos>{});
  EXPECT_EQ(interacao.mensagens, Textos{});
}

}  // namespace
}  // namespace tarnel

namespace tarnel {
namespace {

// tarnel-cli replays the example day on a fresh emulated printer: the link is made for the run, and
// the error lists printed are exactly the two cash totals above.
TEST(PlanilhaCli, ExemploDiaPlanilhaConferido) {
  test_support::TempFolder pasta{"tarnel-planilha-cli", test_support::TempFolder::enter |
                                                            test_support::TempFolder::user_folders};
  pasta.set_env("TARNEL_PLANILHA", "embutido");
  std::filesystem::copy_file(PLANILHA_ECF, "PlanilhaECF.xls");
  std::filesystem::copy_file(std::string(EXEMPLOS) + "/dia_planilha.RMT", "dia.RMT");
  const teste_cli::Execucao e = teste_cli::RodaCli(pasta, {"run", "dia.RMT"});
  EXPECT_EQ(e.status, 0) << e.saida << e.mensagens;
  std::vector<std::string> listas;
  for (std::size_t p = e.saida.find("Erros Detectados"); p != std::string::npos;
       p = e.saida.find("Erros Detectados", p + 1))
    listas.push_back(e.saida.substr(p, e.saida.find('\n', p) - p));
  EXPECT_EQ(listas, (Textos{"Erros Detectados: TotalDocMeioPagamento[0]: LX (20) - Planilha (0)!",
                            "Erros Detectados: TotalDocMeioPagamento[0]: LX (25) - Planilha (0)!"}))
      << e.saida;
  EXPECT_NE(e.saida.find(u8"dia.RMT: executado até o fim, 16 comandos, 0 diferenças\n"), std::string::npos) << e.saida;
  EXPECT_GT(std::filesystem::file_size("PlanilhaECF.xls"), 0u);  // saved when the link went off
}

}  // namespace
}  // namespace tarnel
