// Takes the README's pictures of the window: runs a few moments of work on the emulated printer,
// in a scratch folder, and saves each view as a PNG into the folder given.
//   tarnel-capturas PASTA
// Run it under a display (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QMessageBox>
#include <QPushButton>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "aplicacao.h"
#include "cheques/selbanco.h"
#include "dialogs/banco_dialogo.h"
#include "dialogs/executa_dialogo.h"
#include "dialogs/primeira_via_dialogo.h"
#include "dialogs/sobre_dialogo.h"
#include "driver/conexao.h"
#include "driver/execucao.h"
#include "inicio/inicia_tfrmmain.h"
#include "registers/le_registrador.h"
#include "spreadsheet/leitura_x_planilha.h"
#include "interacao_qt.h"
#include "main/janela_principal.h"
#include "quorbal/comandos.h"
#include "texto_qt.h"
#include "widgets/area_dados.h"
#include "widgets/doca_bobina.h"

namespace {

using quorbal::Comando;
using tarnel::TfrmMain;

using Campos = std::vector<std::pair<std::string, std::string>>;

void Seleciona(TfrmMain& frm, quorbal::Comando comando, const Campos& campos) {
  frm.SelecionaComando(quorbal::Posicao(comando));
  frm.LimpaCampos(frm.lbComandosItemIndex);
  for (const auto& [nome, valor] : campos) frm.DefineParametro(frm.lbComandosItemIndex, nome, valor);
}

bool Executa(TfrmMain& frm, quorbal::Comando comando, const Campos& campos) {
  Seleciona(frm, comando, campos);
  return tarnel::ExecutaComandoSelecionado(frm);
}

// Messages go out in the console's encoding (the program's narrow literals are Windows-1252).
void Erro(const QString& texto) { std::fprintf(stderr, "%s\n", (QStringLiteral("tarnel-capturas: ") + texto).toLocal8Bit().constData()); }

bool Salva(QWidget& janela, const QString& arquivo) {
  QApplication::processEvents();
  if (!janela.grab().save(arquivo)) {
    Erro(QStringLiteral("não foi possível gravar ") + arquivo);
    return false;
  }
  std::printf("%s\n", arquivo.toLocal8Bit().constData());
  return true;
}

// Calls acao with the first modal window of class T that opens (polled from the event loop that the
// modal window runs), once.
template <class T>
void AoAbrirModal(std::function<void(T&)> acao) {
  auto* relogio = new QTimer;
  QObject::connect(relogio, &QTimer::timeout, [relogio, acao] {
    auto* janela = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!janela) return;
    relogio->stop();
    relogio->deleteLater();
    acao(*janela);
  });
  relogio->start(20);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication aplicacao(argc, argv);
  tarnel::gui::NumerosComPonto();
  if (argc != 2) {
    Erro(QStringLiteral("uso: tarnel-capturas PASTA"));
    return 2;
  }
  // Made absolute before the scratch folder becomes the current one.
  const QDir destino(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
  if (!destino.exists() && !QDir().mkpath(destino.path())) {
    Erro(QStringLiteral("a pasta ") + destino.path() + QStringLiteral(" não pode ser criada"));
    return 2;
  }
  // The emulated printer keeps its files in the current folder: a scratch one, fresh each time.
  QTemporaryDir rascunho;
  if (!rascunho.isValid() || !QDir::setCurrent(rascunho.path())) return 2;

  // Settings of a first run, kept in the scratch folder too.
  qputenv("XDG_CONFIG_HOME", QDir(rascunho.path()).filePath(QStringLiteral("config")).toLocal8Bit());

  tarnel::gui::InteracaoQt interacao;
  TfrmMain frm(interacao);
  tarnel::gui::JanelaPrincipal janela(frm);
  interacao.DefinePai(&janela);
  tarnel::IniciaTfrmMain(frm);
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
    Erro(QStringLiteral("a impressora emulada não conectou"));
    return 1;
  }
  bool ok = true;

  // A coupon on the paper roll.
  Executa(frm, Comando::AbreCupomFiscal, {{"NomeConsumidor", "Maria da Concei\xE7\xE3o"}});
  Executa(frm, Comando::VendeItem, {{"CodProduto", "7891234567895"}, {"NomeProduto", "Caf\xE9 torrado 500g"},
                             {"PrecoUnitario", "12,90"}, {"Quantidade", "2"}, {"CodAliquota", "0"}});
  Executa(frm, Comando::VendeItem, {{"CodProduto", "7890000000017"}, {"NomeProduto", "P\xE3o de forma"},
                             {"PrecoUnitario", "8,49"}, {"Quantidade", "1"}, {"CodAliquota", "0"}});
  Executa(frm, Comando::PagaCupom, {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "50"}});
  Executa(frm, Comando::EncerraDocumento, {{"TextoPromocional", "Obrigado pela prefer\xEAncia!"}});
  ok &= Salva(janela, destino.filePath(QStringLiteral("janela-bobina.png")));

  // The register reader after every command, on the coupon counter.
  frm.cbNomeRegistradorItemIndex = -1;
  tarnel::cbNomeRegistradorChange(frm, "COO");
  tarnel::btLeRegistradorAutomaticoClick(frm);

  // A printer refusal in the error fields: paying with no coupon open.
  Executa(frm, Comando::PagaCupom, {{"Valor", "10,00"}});
  ok &= Salva(janela, destino.filePath(QStringLiteral("janela-erro.png")));

  // The command with the most parameters, its positions from the example's first bank.
  Seleciona(frm, Comando::ImprimeCheque, {{"Cidade", "S\xE3o Paulo"}, {"Favorecido", "Distribuidora Ipiranga Ltda."},
                                          {"Valor", "1234,56"}, {"Data", "09/12/2026"}});
  QFile::copy(QStringLiteral(TARNEL_EXEMPLOS "/CHEQUES.INI"), QStringLiteral("CHEQUES.INI"));
  if (tarnel::BancosClick(frm)) {
    janela.frmBanco->Mostra();
    ok &= Salva(*janela.frmBanco, destino.filePath(QStringLiteral("banco.png")));
    // The confirmation is a modal question: pictured, then answered Yes.
    QTimer::singleShot(0, [&] {
      auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!caixa) return;
      ok &= Salva(*caixa, destino.filePath(QStringLiteral("banco-confirmacao.png")));
      caixa->button(QMessageBox::Yes)->click();
    });
    janela.frmBanco->findChild<QPushButton*>(QStringLiteral("btSelecionar"))->click();
  }
  ok &= Salva(janela, destino.filePath(QStringLiteral("janela-cheque.png")));

  // LeImpressao's one wide return: an X reading sent to the host, then read back.
  Executa(frm, Comando::EmiteLeituraX, {{"Destino", "S"}});
  Executa(frm, Comando::LeImpressao, {});
  ok &= Salva(janela, destino.filePath(QStringLiteral("janela-leimpressao.png")));

  // The about box, over the window.
  QTimer::singleShot(0, [&] {
    ok &= Salva(*janela.frmAbout, destino.filePath(QStringLiteral("sobre.png")));
    janela.frmAbout->accept();
  });
  janela.frmAbout->exec();

  // The run dialog, as "Executa Arquivo de Comandos" opens it, then cancelled.
  QTimer::singleShot(0, [&] {
    ok &= Salva(*janela.frmExecutaComandos, destino.filePath(QStringLiteral("executa-comandos.png")));
    janela.frmExecutaComandos->btCancelar->click();
  });
  janela.frmExecutaComandos->Mostra();

  // The first-copy dialog, as "Grava Primeira Via" opens it, then closed.
  QTimer::singleShot(0, [&] {
    janela.frmPrimeiraVia->cbGravar->click();  // ticked: the file's name shows
    QApplication::processEvents();
    ok &= Salva(*janela.frmPrimeiraVia, destino.filePath(QStringLiteral("primeira-via.png")));
    janela.frmPrimeiraVia->reject();
  });
  janela.frmPrimeiraVia->Mostra();

  // The workbook cross-check: the Editar menu open while the link is on, pictured over the window.
  QFile::copy(QStringLiteral(TARNEL_PLANILHA_ECF), QStringLiteral("PlanilhaECF.xls"));
  janela.acConexaoExcel->trigger();
  auto* editar = janela.findChild<QMenu*>(QStringLiteral("menuEditar"));
  if (editar && frm.PlanilhaConectada) {
    QPixmap imagem = janela.grab();
    const QRect item = janela.menuBar()->actionGeometry(editar->menuAction());
    const QPoint canto = janela.menuBar()->mapTo(&janela, item.bottomLeft());
    editar->popup(janela.mapToGlobal(canto));
    QApplication::processEvents();
    QPainter pintor(&imagem);
    pintor.drawPixmap(canto, editar->grab());
    pintor.end();
    editar->hide();
    ok &= imagem.save(destino.filePath(QStringLiteral("menu-editar.png")));
  } else {
    Erro(QStringLiteral("a planilha não conectou"));
    ok = false;
  }
  // The error list of a check with differences: the X reading captured, a sale the link did not
  // mirror (the link off), then the check.
  tarnel::ObtemLeituraXExecute(frm);
  janela.acConexaoExcel->trigger();
  Executa(frm, Comando::AbreCupomFiscal, {});
  Executa(frm, Comando::VendeItem, {{"CodProduto", "7891234567895"}, {"NomeProduto", "Caf\xE9 torrado 500g"},
                                    {"PrecoUnitario", "12,90"}, {"Quantidade", "1"}, {"CodAliquota", "0"}});
  Executa(frm, Comando::PagaCupom, {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "20"}});
  Executa(frm, Comando::EncerraDocumento, {});
  janela.acConexaoExcel->trigger();
  AoAbrirModal<QDialog>([&](QDialog& erros) {
    ok &= Salva(erros, destino.filePath(QStringLiteral("erros-planilha.png")));
    erros.accept();
  });
  tarnel::ConfereLeituraXExecute(frm);

  tarnel::EncerraTfrmMain(frm);
  return ok ? 0 : 1;
}
