// Takes the README's pictures of the window: runs a few moments of work on the emulated printer,
// in a scratch folder, and saves each view as a PNG into the folder given.
//   tarnel-capturas PASTA
// Run it under a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "dialogs/sobre_dialogo.h"
#include "driver/conexao.h"
#include "driver/execucao.h"
#include "interacao_qt.h"
#include "main/janela_principal.h"
#include "texto_qt.h"
#include "widgets/area_dados.h"
#include "widgets/doca_bobina.h"

namespace {

using tarnel::TfrmMain;

bool Executa(TfrmMain& frm, const std::string& comando, const std::vector<std::pair<std::string, std::string>>& campos) {
  if (!frm.SelecionaComandoPorNome(comando)) return false;
  frm.LimpaCampos(frm.lbComandosItemIndex);
  for (const auto& [nome, valor] : campos) frm.DefineParametro(frm.lbComandosItemIndex, nome, valor);
  return tarnel::ExecutaComandoSelecionado(frm);
}

void Seleciona(TfrmMain& frm, const std::string& comando, const std::vector<std::pair<std::string, std::string>>& campos) {
  frm.SelecionaComandoPorNome(comando);
  for (const auto& [nome, valor] : campos) frm.DefineParametro(frm.lbComandosItemIndex, nome, valor);
}

bool Salva(QWidget& janela, const QString& arquivo) {
  QApplication::processEvents();
  if (!janela.grab().save(arquivo)) {
    std::fprintf(stderr, "tarnel-capturas: não foi possível gravar %s\n", arquivo.toLocal8Bit().constData());
    return false;
  }
  std::printf("%s\n", arquivo.toLocal8Bit().constData());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication aplicacao(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "uso: tarnel-capturas PASTA\n");
    return 2;
  }
  const QDir destino(QString::fromLocal8Bit(argv[1]));
  if (!destino.exists() && !QDir().mkpath(destino.path())) {
    std::fprintf(stderr, "tarnel-capturas: a pasta %s não pode ser criada\n", argv[1]);
    return 2;
  }
  // The emulated printer keeps its files in the current folder: a scratch one, fresh each time.
  QTemporaryDir rascunho;
  if (!rascunho.isValid() || !QDir::setCurrent(rascunho.path())) return 2;

  tarnel::gui::InteracaoQt interacao;
  TfrmMain frm(interacao);
  tarnel::gui::JanelaPrincipal janela(frm);
  interacao.DefinePai(&janela);
  janela.CriaDialogos("tarnel");
  // Larger than the design size, with a taller transcript, so the paper shows a whole coupon.
  frm.Geometria.largura = 1180;
  frm.Geometria.altura = 760;
  frm.TamanhoTerminal = 330;
  janela.AplicaGeometria();
  janela.show();
  frm.cbCanalECF = "Emul";
  tarnel::ConnectExecute(frm);
  if (!tarnel::Conectado(frm)) {
    std::fprintf(stderr, "tarnel-capturas: a impressora emulada não conectou\n");
    return 1;
  }
  bool ok = true;

  // A coupon on the paper roll.
  Executa(frm, "AbreCupomFiscal", {{"NomeConsumidor", "Maria da Concei\xE7\xE3o"}});
  Executa(frm, "VendeItem", {{"CodProduto", "7891234567895"}, {"NomeProduto", "Caf\xE9 torrado 500g"},
                             {"PrecoUnitario", "12,90"}, {"Quantidade", "2"}, {"CodAliquota", "0"}});
  Executa(frm, "VendeItem", {{"CodProduto", "7890000000017"}, {"NomeProduto", "P\xE3o de forma"},
                             {"PrecoUnitario", "8,49"}, {"Quantidade", "1"}, {"CodAliquota", "0"}});
  Executa(frm, "PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "50"}});
  Executa(frm, "EncerraDocumento", {{"TextoPromocional", "Obrigado pela prefer\xEAncia!"}});
  ok &= Salva(janela, destino.filePath(QStringLiteral("janela-bobina.png")));

  // A printer refusal in the error fields: paying with no coupon open.
  Executa(frm, "PagaCupom", {{"Valor", "10,00"}});
  ok &= Salva(janela, destino.filePath(QStringLiteral("janela-erro.png")));

  // The command with the most parameters, partly filled.
  Seleciona(frm, "ImprimeCheque", {{"Cidade", "S\xE3o Paulo"}, {"Favorecido", "Distribuidora Ipiranga Ltda."},
                                   {"Valor", "1234,56"}, {"HPosValor", "70"}, {"VPosValor", "2"}});
  ok &= Salva(janela, destino.filePath(QStringLiteral("janela-cheque.png")));

  // LeImpressao's one wide return: an X reading sent to the host, then read back.
  Executa(frm, "EmiteLeituraX", {{"Destino", "S"}});
  Executa(frm, "LeImpressao", {});
  ok &= Salva(janela, destino.filePath(QStringLiteral("janela-leimpressao.png")));

  // The about box, over the window.
  QTimer::singleShot(0, [&] {
    ok &= Salva(*janela.frmAbout, destino.filePath(QStringLiteral("sobre.png")));
    janela.frmAbout->accept();
  });
  janela.frmAbout->exec();

  tarnel::LiberaModuloDriver(frm);
  return ok ? 0 : 1;
}
