// The tool bar's three bands: connection, command file, register reader.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>

#include "driver/conexao.h"
#include "main/janela_principal.h"
#include "registers/le_registrador.h"
#include "registers/leitura_registrador.h"
#include "scripts/gravacao.h"
#include "texto_qt.h"

namespace tarnel::gui {

namespace {

QToolBar* Faixa(QMainWindow* janela, const QString& nome) {
  auto* faixa = new QToolBar(nome, janela);
  faixa->setObjectName(nome);
  faixa->setIconSize(QSize(20, 20));
  faixa->setToolButtonStyle(Qt::ToolButtonIconOnly);
  janela->addToolBar(Qt::TopToolBarArea, faixa);
  return faixa;
}

QToolButton* Botao(QToolBar* faixa, QAction* acao, const QString& nome) {
  faixa->addAction(acao);
  auto* botao = qobject_cast<QToolButton*>(faixa->widgetForAction(acao));
  botao->setObjectName(nome);
  botao->setAutoRaise(true);
  return botao;
}

}  // namespace

void JanelaPrincipal::CriaBarraFerramentas() {
  // Connection.
  QToolBar* conexao = Faixa(this, QStringLiteral("FaixaConexao"));
  auto* rotulo_canal = new QLabel(QStringLiteral("Ca&nal:"));
  cbCanalECF = new QComboBox;
  cbCanalECF->setObjectName(QStringLiteral("cbCanalECF"));
  cbCanalECF->setEditable(true);
  cbCanalECF->setValidator(new ValidadorCp1252(cbCanalECF));
  cbCanalECF->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& canal : frm_.cbCanalECFItems) cbCanalECF->addItem(QTexto(canal));
  cbCanalECF->setEditText(QTexto(frm_.cbCanalECF));
  cbCanalECF->setMinimumContentsLength(6);
  rotulo_canal->setBuddy(cbCanalECF);
  conexao->addWidget(rotulo_canal);
  conexao->addWidget(cbCanalECF);
  btConectar = Botao(conexao, acConnect, QStringLiteral("btConectar"));
  // Every change of the text, typed or picked, reaches the model (which reconnects while connected).
  connect(cbCanalECF, &QComboBox::editTextChanged, this, [this](const QString& texto) {
    cbCanalECFChange(frm_, TextoCore(texto));
    MostraConexao();
  });

  // Command file.
  QToolBar* arquivo = Faixa(this, QStringLiteral("FaixaArquivoComandos"));
  Botao(arquivo, acGravaComandos, QStringLiteral("btGravaComandos"));
  Botao(arquivo, acParaGravacao, QStringLiteral("btParaGravacao"));
  Botao(arquivo, acExecutaArquivoComandos, QStringLiteral("btExecutaArquivoComandos"));
  cbNomeArquivo = new QComboBox;
  cbNomeArquivo->setObjectName(QStringLiteral("cbNomeArquivo"));
  cbNomeArquivo->setEditable(true);
  cbNomeArquivo->setValidator(new ValidadorCp1252(cbNomeArquivo));
  cbNomeArquivo->setMinimumContentsLength(14);
  cbNomeArquivo->setToolTip(QStringLiteral("Nome do Arquivo de Registro de Comandos"));
  cbNomeArquivo->setInsertPolicy(QComboBox::NoInsert);  // the model adds a typed name when the box is left
  arquivo->addWidget(cbNomeArquivo);
  connect(cbNomeArquivo->lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& texto) { cbNomeArquivoDigitado(frm_, TextoCore(texto)); });
  connect(cbNomeArquivo, &QComboBox::activated, this, [this](int indice) { cbNomeArquivoEscolhido(frm_, indice); });
  cbNomeArquivo->installEventFilter(this);
  Botao(arquivo, acSelecionaArquivoComandos, QStringLiteral("SpeedButton1"));

  // Register reader.
  QToolBar* registrador = Faixa(this, QStringLiteral("FaixaRegistrador"));
  btLeRegistradorAutomatico = Botao(registrador, acLeRegistrador, QStringLiteral("btLeRegistradorAutomatico"));
  cbNomeRegistrador = new QComboBox;
  cbNomeRegistrador->setObjectName(QStringLiteral("cbNomeRegistrador"));
  cbNomeRegistrador->setEditable(true);
  cbNomeRegistrador->setValidator(new ValidadorCp1252(cbNomeRegistrador));
  cbNomeRegistrador->setInsertPolicy(QComboBox::NoInsert);
  cbNomeRegistrador->setMaxVisibleItems(24);
  cbNomeRegistrador->setMinimumContentsLength(16);
  cbNomeRegistrador->setToolTip(QStringLiteral("Nome do Registrador"));
  for (const std::string& nome : frm_.cbNomeRegistradorItems) cbNomeRegistrador->addItem(QTexto(nome));
  ebIndiceRegistrador = new QLineEdit;
  ebIndiceRegistrador->setObjectName(QStringLiteral("ebIndiceRegistrador"));
  ebIndiceRegistrador->setToolTip(QStringLiteral("Índice do registrador"));
  ebIndiceRegistrador->setMaxLength(3);
  ebIndiceRegistrador->setFixedWidth(ebIndiceRegistrador->fontMetrics().horizontalAdvance(u'0') * 4 + 12);
  lbValorRegistrador = new QLabel;
  lbValorRegistrador->setObjectName(QStringLiteral("lbValorRegistrador"));
  lbValorRegistrador->setAutoFillBackground(true);
  // Its own roles: inside the tool bar it would take the bar's (button colours) and never show the
  // window-text and error looks its palette is given.
  lbValorRegistrador->setBackgroundRole(QPalette::Window);
  lbValorRegistrador->setForegroundRole(QPalette::WindowText);
  lbValorRegistrador->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lbValorRegistrador->setMinimumWidth(120);
  lbValorRegistrador->setToolTip(QStringLiteral("Valor do Registrador"));
  auto* divisor = new QSplitter(Qt::Horizontal);
  divisor->setHandleWidth(3);
  divisor->setChildrenCollapsible(false);
  auto* caixa = new QWidget;
  auto* disposicao = new QHBoxLayout(caixa);
  disposicao->setContentsMargins(0, 0, 0, 0);
  disposicao->setSpacing(2);
  disposicao->addWidget(cbNomeRegistrador);
  disposicao->addWidget(ebIndiceRegistrador);
  divisor->addWidget(caixa);
  divisor->addWidget(lbValorRegistrador);
  divisor->setStretchFactor(1, 1);
  registrador->addWidget(divisor);

  connect(cbNomeRegistrador, &QComboBox::currentIndexChanged, this, [this](int indice) {
    frm_.cbNomeRegistradorItemIndex = indice;
  });
  connect(cbNomeRegistrador, &QComboBox::editTextChanged, this, [this](const QString& texto) {
    cbNomeRegistradorChange(frm_, TextoCore(texto));
    MostraRegistrador();
  });
  // The index is read once it is complete (Enter, or the focus leaving the field), not at each digit,
  // which would send the printer a read of index 1 on the way to 12.
  connect(ebIndiceRegistrador, &QLineEdit::editingFinished, this, [this] {
    if (!ebIndiceRegistrador->isModified()) return;
    ebIndiceRegistrador->setModified(false);
    ebIndiceRegistradorChange(frm_, TextoCore(ebIndiceRegistrador->text()));
    MostraRegistrador();
  });
}

void JanelaPrincipal::MostraRegistrador() {
  AtualizaAcoes();
  if (cbNomeRegistrador->currentIndex() != frm_.cbNomeRegistradorItemIndex ||
      cbNomeRegistrador->currentText() != QTexto(frm_.cbNomeRegistrador)) {
    const QSignalBlocker bloqueio(cbNomeRegistrador);
    cbNomeRegistrador->setCurrentIndex(frm_.cbNomeRegistradorItemIndex);
    cbNomeRegistrador->setEditText(QTexto(frm_.cbNomeRegistrador));
  }
  ebIndiceRegistrador->setVisible(RegistradorIndexado(frm_.cbNomeRegistrador));
  if (ebIndiceRegistrador->text() != QTexto(frm_.IndiceRegistrador))
    ebIndiceRegistrador->setText(QTexto(frm_.IndiceRegistrador));
  // Normal look: window text on the highlighted text's colour; error look: yellow text on red, as
  // the reader's refusals and printer errors show.
  QPalette paleta = palette();
  paleta.setColor(QPalette::Window, paleta.color(QPalette::HighlightedText));
  if (frm_.lbValorRegistrador.erro) {
    paleta.setColor(QPalette::Window, QColor(0xff, 0x00, 0x00));
    paleta.setColor(QPalette::WindowText, QColor(0xff, 0xff, 0x00));
  }
  lbValorRegistrador->setPalette(paleta);
  lbValorRegistrador->setText(QTexto(frm_.lbValorRegistrador.texto));
}

}  // namespace tarnel::gui
