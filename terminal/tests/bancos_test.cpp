// The bank layouts of CHEQUES.INI and the bank window's model.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apoio/interacao_roteirizada.h"
#include "cheques/bancos.h"
#include "cheques/selbanco.h"
#include "quorbal/catalogo.h"
#include "quorbal/comandos.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using test_support::TempFolder;
using test_support::write_bytes;

const int kCheque = quorbal::Posicao(quorbal::Comando::ImprimeCheque);

class Bancos : public ::testing::Test {
 protected:
  Bancos() : pasta_("tarnel-bancos", TempFolder::enter) {}

  // The text of a cheque field by name.
  std::string Campo(const std::string& nome) const {
    const quorbal::DescritorComando& d = quorbal::kCatalogo[kCheque];
    return frm_.Campos[kCheque].parametros[quorbal::ProcuraCampo(d.parametros, d.total_parametros, nome)];
  }

  TempFolder pasta_;
  teste::InteracaoRoteirizada interacao_;
  TfrmMain frm_{interacao_};
};

const char kArquivo[] =
    "[1]\r\nObservacao=Banco do Brasil\r\nHPosValor=70\r\nVPosValor=2\r\nHPosAno=12abc\r\n"
    "[007]\r\nObservacao=Zeros na frente\r\n"
    "[1000]\r\nObservacao=Acima de 999\r\n"
    "[Itau]\r\nObservacao=Nome que nao e numero\r\n"
    "[5]\r\nHPosValor=1\r\n"
    "[0]\r\nObservacao=  Caixa Econ\xF4mica  \r\n"
    "[341]\r\nObservacao=Ita\xFA\r\n";

TEST_F(Bancos, OnlyPlainNumbersUpTo999WithADescriptionAreBanksInNumberOrder) {
  write_bytes("CHEQUES.INI", kArquivo);
  CarregaBancos(frm_);
  EXPECT_EQ(frm_.ListaBancos, (std::vector<std::string>{"Banco 0 - Caixa Econ\xF4mica", "Banco 1 - Banco do Brasil",
                                                        "Banco 341 - Ita\xFA"}));
  EXPECT_EQ(frm_.ListaSecoesBancos, (std::vector<std::string>{"0", "1", "341"}));
}

TEST_F(Bancos, ADescriptionIsCutTo119Characters) {
  write_bytes("CHEQUES.INI", "[9]\r\nObservacao=" + std::string(300, 'd') + "\r\n");
  CarregaBancos(frm_);
  ASSERT_EQ(frm_.ListaBancos.size(), 1u);
  EXPECT_EQ(frm_.ListaBancos[0], "Banco 9 - " + std::string(119, 'd'));
}

TEST_F(Bancos, WithoutTheFileTheEntrySaysSoInAnErrorBox) {
  EXPECT_FALSE(BancosClick(frm_));
  EXPECT_TRUE(frm_.ListaBancos.empty());
  EXPECT_EQ(interacao_.mensagens, std::vector<std::string>{"O arquivo de bancos 'CHEQUES.INI' n\xE3o est\xE1 presente!"});
  EXPECT_EQ(interacao_.titulos, std::vector<std::string>{"Erro"});
  // A file that comes later is found at the next try.
  write_bytes("CHEQUES.INI", kArquivo);
  EXPECT_TRUE(BancosClick(frm_));
  EXPECT_EQ(frm_.ListaBancos.size(), 3u);
}

TEST_F(Bancos, TheEntryIsEnabledOnlyForTheChequeCommand) {
  for (int c = 0; c < quorbal::kTotalComandos; ++c) {
    frm_.SelecionaComando(c);
    EXPECT_EQ(BancosHabilitado(frm_), c == kCheque) << frm_.lbComandosItems[c];
  }
}

TEST_F(Bancos, ConfirmationListsTheFifteenPositionsAsRead) {
  write_bytes("CHEQUES.INI", kArquivo);
  EXPECT_EQ(TextoConfirmacaoBanco(PosicoesBanco("1")),
            "HPosAno=12\nHPosCidade=-1\nHPosDia=-1\nHPosExtensoLinha1=-1\nHPosExtensoLinha2=-1\n"
            "HPosFavorecido=-1\nHPosMes=-1\nHPosMsgLinha1=-1\nHPosValor=70\nVPosCidade=-1\n"
            "VPosExtensoLinha1=-1\nVPosExtensoLinha2=-1\nVPosFavorecido=-1\nVPosMsgLinha1=-1\nVPosValor=2\n"
            "\nConfirma os valores informados?");
}

// Yes fills exactly the fifteen fields, whatever command is selected; No and Cancel leave them.
TEST_F(Bancos, SelectingABankFillsExactlyItsFifteenPositions) {
  write_bytes("CHEQUES.INI", kArquivo);
  CarregaBancos(frm_);
  // Every cheque field holds a text of its own before the choice.
  const quorbal::DescritorComando& d = quorbal::kCatalogo[kCheque];
  for (std::uint32_t i = 0; i < d.total_parametros; ++i) frm_.Campos[kCheque].parametros[i] = "antes";
  frm_.SelecionaComando(quorbal::Posicao(quorbal::Comando::VendeItem));

  TfrmBanco banco;
  banco.FormShow(frm_);
  ASSERT_EQ(banco.cbBancos, frm_.ListaBancos);
  EXPECT_EQ(banco.cbBancosItemIndex, 0);
  banco.cbBancosItemIndex = 1;  // Banco do Brasil

  interacao_.respostas = {Resposta::Nao, Resposta::Cancela, Resposta::Sim};
  EXPECT_TRUE(banco.btSelecionarClick(frm_));    // No: closes, nothing changes
  EXPECT_FALSE(banco.btSelecionarClick(frm_));   // Cancel: stays open, nothing changes
  for (std::uint32_t i = 0; i < d.total_parametros; ++i) EXPECT_EQ(frm_.Campos[kCheque].parametros[i], "antes");
  EXPECT_TRUE(banco.btSelecionarClick(frm_));    // Yes
  EXPECT_EQ(interacao_.titulos, (std::vector<std::string>(3, "Banco 1: Banco do Brasil")));
  EXPECT_EQ(interacao_.perguntas[0], TextoConfirmacaoBanco(PosicoesBanco("1")));

  int preenchidos = 0;
  for (std::uint32_t i = 0; i < d.total_parametros; ++i) {
    const std::string nome = d.parametros[i].nome;
    bool posicao = false;
    for (const char* chave : kPosicoesCheque) posicao |= nome == chave;
    if (!posicao) {
      EXPECT_EQ(frm_.Campos[kCheque].parametros[i], "antes") << nome;
      continue;
    }
    ++preenchidos;
    EXPECT_NE(frm_.Campos[kCheque].parametros[i], "antes") << nome;
  }
  EXPECT_EQ(preenchidos, kTotalPosicoesCheque);
  EXPECT_EQ(Campo("HPosValor"), "70");
  EXPECT_EQ(Campo("VPosValor"), "2");
  EXPECT_EQ(Campo("HPosAno"), "12");
  EXPECT_EQ(Campo("HPosCidade"), "-1");
  EXPECT_EQ(Campo("HPosMsgLinha2"), "antes");  // never comes from the file
  EXPECT_EQ(frm_.lbComandosItemIndex, quorbal::Posicao(quorbal::Comando::VendeItem));
}

}  // namespace
}  // namespace tarnel
