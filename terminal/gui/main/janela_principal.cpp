#include "main/janela_principal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>

#include "cheques/selbanco.h"
#include "dialogs/banco_dialogo.h"
#include "dialogs/erros_dialogo.h"
#include "dialogs/executa_dialogo.h"
#include "dialogs/primeira_via_dialogo.h"
#include "dialogs/sobre_dialogo.h"
#include "dialogs/timeout_dialogo.h"
#include "driver/conexao.h"
#include "driver/execucao.h"
#include "readings/primeira_via_apos_comando.h"
#include "window/configuracao.h"
#include "window/versao.h"
#include "imagens/lista_imagens.h"
#include "scripts/gravacao.h"
#include "texto_qt.h"
#include "widgets/area_dados.h"
#include "widgets/doca_bobina.h"
#include "widgets/lista_comandos.h"
#include "widgets/painel_erros.h"
#include "widgets/terminal_texto.h"

namespace tarnel::gui {

namespace {
// Design geometry of the window's parts.
constexpr int kLarguraDesenho = 800;
constexpr int kAlturaDesenho = 510;
constexpr int kEspessuraDivisor = 3;

// The start nearest to inicio of a span of tamanho that lies within the espaco beginning at limite.
int InicioDentro(int inicio, int tamanho, int limite, int espaco) {
  return std::clamp(inicio, limite, limite + std::max(0, espaco - tamanho));
}
}  // namespace

JanelaPrincipal::JanelaPrincipal(TfrmMain& frm) : frm_(frm), executa_(frm, armazem_) {
  setObjectName(QStringLiteral("frmMain"));
  // The design's 8-point font: the catalogue's widths are measured in it.
  QFont fonte = font();
  fonte.setPointSize(8);
  setFont(fonte);
  setWindowIcon(ImagemPrograma());
  setWindowTitle(QTexto(frm_.Caption));
  resize(kLarguraDesenho, kAlturaDesenho);

  CriaAcoes();
  CriaMenus();
  CriaBarraFerramentas();
  CriaAreaCentral();
  frm_.Observa([this](Alteracao alteracao) { Observa(alteracao); });
  MostraConexao();
  MostraRegistrador();
  MostraArquivoComandos();
}

void JanelaPrincipal::CriaAreaCentral() {
  lbComandos = new ListaComandos(this);
  QStringList nomes;
  for (const std::string& nome : frm_.lbComandosItems) nomes << QTexto(nome);
  lbComandos->Preenche(nomes);
  lbComandos->setCurrentRow(frm_.lbComandosItemIndex);

  PainelDados = new AreaDados(frm_, this);
  Terminal = new TerminalTexto(this);
  Bobina = new DocaBobina(frm_, this);

  divisorVertical = new QSplitter(Qt::Horizontal);
  divisorVertical->addWidget(lbComandos);
  divisorVertical->addWidget(PainelDados);
  divisorVertical->setStretchFactor(1, 1);
  divisorHorizontal = new QSplitter(Qt::Vertical);
  divisorHorizontal->addWidget(divisorVertical);
  // The paper roll of the emulated printer sits beside the transcript.
  auto* inferior = new QSplitter(Qt::Horizontal);
  inferior->addWidget(Terminal);
  inferior->addWidget(Bobina);
  inferior->setStretchFactor(0, 1);
  divisorHorizontal->addWidget(inferior);
  divisorHorizontal->setStretchFactor(0, 1);
  for (QSplitter* divisor : {divisorVertical, divisorHorizontal, inferior}) {
    divisor->setHandleWidth(kEspessuraDivisor);
    divisor->setOpaqueResize(true);
    divisor->setChildrenCollapsible(false);
  }
  setCentralWidget(divisorHorizontal);
  AplicaGeometria();

  connect(lbComandos, &QListWidget::currentRowChanged, this, [this](int linha) { frm_.SelecionaComando(linha); });
  connect(lbComandos, &QListWidget::itemDoubleClicked, this, [this] {
    if (frm_.btExecutaEnabled) Executa();
  });
  // pumnBanco, the data area's context menu: the bank layouts for the cheque command, enabled while
  // that command is selected.
  acBancos = new QAction(QStringLiteral("Bancos..."), this);
  acBancos->setObjectName(QStringLiteral("Bancos"));
  acBancos->setEnabled(BancosHabilitado(frm_));
  PainelDados->addAction(acBancos);
  PainelDados->setContextMenuPolicy(Qt::ActionsContextMenu);

  PainelErros* erros = PainelDados->painelErros();
  connect(erros->btExecuta, &QPushButton::clicked, this, [this] { Executa(); });
  connect(erros->btLimpaPars, &QPushButton::clicked, this, [this] { frm_.btLimpaParsClick(); });
}

void JanelaPrincipal::CriaDialogos(const std::string& titulo) {
  frmExecutaComandos = new ExecutaDialogo(executa_, this);
  frmTimeout = new TimeoutDialogo(timeout_, this);
  frmErros = new ErrosDialogo(erros_, this);
  about_ = std::make_unique<TfrmAbout>(titulo);
  frmAbout = new SobreDialogo(*about_, this);
  PrimeiraVia = std::make_unique<TfrmPrimeiraVia>(frm_.interacao, armazemPrimeiraVia_,
                                                  ChaveConfiguracao(VersaoDoPrograma()));
  PrimeiraVia->FormCreate();
  frmPrimeiraVia = new PrimeiraViaDialogo(*PrimeiraVia, this);
  acGravaPrimeiraVia->setChecked(PrimeiraVia->GravaPrimeiraViaChecked);
  CapturaPrimeiraViaAposComando(frm_, [this] { LeImpressaoExecute(frm_, PrimeiraVia->Configuracao); });
  connect(acGravaPrimeiraVia, &QAction::triggered, this, [this] {
    frmPrimeiraVia->Mostra();
    acGravaPrimeiraVia->setChecked(PrimeiraVia->GravaPrimeiraViaChecked);
  });
  frmBanco = new BancoDialogo(frm_, this);
  connect(acBancos, &QAction::triggered, this, [this] {
    if (BancosClick(frm_)) frmBanco->Mostra();
  });
  connect(acExecutaArquivoComandos, &QAction::triggered, frmExecutaComandos, [this] { frmExecutaComandos->Mostra(); });
  connect(acDefineTimeout, &QAction::triggered, this, [this] { frmTimeout->Mostra(frm_); });
  connect(acSobre, &QAction::triggered, frmAbout, &QDialog::exec);
}

QRect GeometriaNaArea(const GeometriaJanela& g, const QRect& area, const QMargins& moldura) {
  // The stored figures come from a settings file a person may have edited, or from a desktop that
  // had more or larger screens: a window larger than the desktop cannot even be drawn, and one that
  // sticks out of it cannot be reached, and is saved that way again at exit. The size is fitted into
  // the desktop there is now, frame and title bar included, and the window moved in as far as
  // needed; figures that fit are kept as they are.
  if (!area.isValid()) return QRect(g.esquerda, g.topo, std::max(1, g.largura), std::max(1, g.altura));
  const QRect interior = area.marginsRemoved(moldura);
  const int largura = std::clamp(g.largura, 1, std::max(1, interior.width()));
  const int altura = std::clamp(g.altura, 1, std::max(1, interior.height()));
  const int esquerda = InicioDentro(g.esquerda, largura, interior.left(), interior.width());
  const int topo = InicioDentro(g.topo, altura, interior.top(), interior.height());
  return QRect(esquerda, topo, largura, altura);
}

QRect JanelaPrincipal::GeometriaNaTela(const GeometriaJanela& g) const {
  const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
  // The frame is known once the window manager has framed the window; before that it counts as none
  // (see EncaixaComMoldura).
  const QMargins moldura = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  return GeometriaNaArea(g, tela ? tela->availableVirtualGeometry() : QRect(), moldura);
}

void JanelaPrincipal::EncaixaComMoldura() {
  // A window that fitted without its frame may stick out with it: its title bar above the screen.
  if (windowState() != Qt::WindowNoState) return;
  const QRect atual = geometry();
  const QRect encaixada = GeometriaNaTela(GeometriaJanela{0, atual.width(), atual.height(), atual.y(), atual.x()});
  if (encaixada != atual) setGeometry(encaixada);
}

void JanelaPrincipal::AplicaGeometria() {
  const GeometriaJanela& g = frm_.Geometria;
  const QRect geometria = GeometriaNaTela(g);
  setGeometry(geometria);
  if (g.estado == 2) setWindowState(Qt::WindowMaximized);
  else if (g.estado == 1) setWindowState(Qt::WindowMinimized);
  const int comandos = std::clamp(frm_.LarguraComandos, 1, geometria.width());
  const int terminal = std::clamp(frm_.TamanhoTerminal, 1, geometria.height());
  if (divisorVertical) divisorVertical->setSizes({comandos, std::max(1, geometria.width() - comandos)});
  if (divisorHorizontal) divisorHorizontal->setSizes({std::max(1, geometria.height() - terminal), terminal});
}

void JanelaPrincipal::GuardaGeometria() {
  GeometriaJanela& g = frm_.Geometria;
  g.estado = isMaximized() ? 2 : (isMinimized() ? 1 : 0);
  const QRect normal = (isMaximized() || isMinimized()) ? normalGeometry() : geometry();
  g.esquerda = normal.x();
  g.topo = normal.y();
  g.largura = normal.width();
  g.altura = normal.height();
  frm_.TamanhoTerminal = Terminal->height();
  frm_.LarguraComandos = lbComandos->width();
}

void JanelaPrincipal::MostraArquivoComandos() {
  const QSignalBlocker bloqueio(cbNomeArquivo);
  cbNomeArquivo->clear();
  for (const std::string& nome : frm_.cbNomeArquivoItems) cbNomeArquivo->addItem(QTexto(nome));
  cbNomeArquivo->setCurrentIndex(frm_.cbNomeArquivoItemIndex);
  cbNomeArquivo->setEditText(QTexto(frm_.cbNomeArquivo));
  cbNomeArquivo->setEnabled(frm_.cbNomeArquivoEnabled);
}

void JanelaPrincipal::showEvent(QShowEvent* evento) {
  QMainWindow::showEvent(evento);
  if (!moldura_vista_ && windowHandle()) windowHandle()->installEventFilter(this);
}

bool JanelaPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
  // The window manager reports the frame by the time the window first comes into view.
  if (objeto == windowHandle() && evento->type() == QEvent::Expose && !moldura_vista_ &&
      !windowHandle()->frameMargins().isNull()) {
    moldura_vista_ = true;
    windowHandle()->removeEventFilter(this);
    EncaixaComMoldura();
  }
  // Leaving the file-name box for another control commits its name; opening its own list, a dialog
  // or another program's window does not leave it.
  if (objeto == cbNomeArquivo && evento->type() == QEvent::FocusOut) {
    const Qt::FocusReason razao = static_cast<QFocusEvent*>(evento)->reason();
    if (razao != Qt::PopupFocusReason && razao != Qt::ActiveWindowFocusReason) cbNomeArquivoExit(frm_);
  }
  return QMainWindow::eventFilter(objeto, evento);
}

void JanelaPrincipal::Executa() { ExecutaComandoSelecionado(frm_); }

void JanelaPrincipal::AtualizaAcoes() {
  acoes_.Atualiza();
  // The register button's hint is its own (it tells what a click does), not its action's.
  if (btLeRegistradorAutomatico && !frm_.btLeRegistradorAutomaticoHint.empty())
    btLeRegistradorAutomatico->setToolTip(QTexto(frm_.btLeRegistradorAutomaticoHint));
}

void JanelaPrincipal::MostraConexao() {
  AtualizaAcoes();
  PainelDados->painelErros()->btExecuta->setEnabled(frm_.btExecutaEnabled);
  const QString canal = QTexto(frm_.cbCanalECF);
  if (cbCanalECF->currentText() != canal) {
    const QSignalBlocker bloqueio(cbCanalECF);
    cbCanalECF->setEditText(canal);
  }
  Bobina->AcompanhaCanal();
}

void JanelaPrincipal::Observa(Alteracao alteracao) {
  switch (alteracao) {
    case Alteracao::Selecao:
      if (lbComandos->currentRow() != frm_.lbComandosItemIndex) {
        const QSignalBlocker bloqueio(lbComandos);
        lbComandos->setCurrentRow(frm_.lbComandosItemIndex);
      }
      PainelDados->MostraSelecao();
      acBancos->setEnabled(BancosHabilitado(frm_));
      break;
    case Alteracao::CamposComando: PainelDados->MostraCampos(); break;
    case Alteracao::CamposErro: PainelDados->MostraErro(); break;
    case Alteracao::Terminal:
      Terminal->setVisible(frm_.Terminal.Visivel);
      Terminal->Mostra(frm_.Terminal.Texto());
      break;
    case Alteracao::Conexao: MostraConexao(); break;
    case Alteracao::FocoLista: lbComandos->setFocus(); break;
    case Alteracao::FocoNomeArquivo: cbNomeArquivo->setFocus(); break;
    case Alteracao::Acoes: AtualizaAcoes(); break;
    case Alteracao::Registrador: MostraRegistrador(); break;
    case Alteracao::Caption: setWindowTitle(QTexto(frm_.Caption)); break;
    case Alteracao::ArquivoComandos: MostraArquivoComandos(); break;
    case Alteracao::Geometria: AplicaGeometria(); break;
  }
}

void JanelaPrincipal::keyPressEvent(QKeyEvent* evento) {
  // A main window has no default button of its own (Qt gives that only to dialogs): Enter in a
  // field or in the list, which those controls leave unused, comes up to here, as in a dialog.
  // Multi-line boxes keep Enter for themselves even when read-only (the transcript, long returns).
  // Only the command list and the data area press it: Enter in a tool-bar box (channel, file name,
  // register) confirms that box and must not send the selected command to the printer.
  const bool enter = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
  const bool sem_modificador =
      !evento->modifiers() || (evento->modifiers() == Qt::KeypadModifier && evento->key() == Qt::Key_Enter);
  QWidget* foco = QApplication::focusWidget();
  const bool multilinha = qobject_cast<QPlainTextEdit*>(foco) != nullptr;
  const bool no_comando = foco && (foco == lbComandos || PainelDados->isAncestorOf(foco));
  QPushButton* padrao = PainelDados->painelErros()->btExecuta;
  if (enter && sem_modificador && no_comando && !multilinha && padrao->isEnabled() && padrao->isVisible()) {
    padrao->click();
    evento->accept();
    return;
  }
  QMainWindow::keyPressEvent(evento);
}

void JanelaPrincipal::closeEvent(QCloseEvent* evento) {
  GuardaGeometria();
  QMainWindow::closeEvent(evento);
}

}  // namespace tarnel::gui
