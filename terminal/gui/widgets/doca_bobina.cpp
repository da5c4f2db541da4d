#include "widgets/doca_bobina.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include "texto_qt.h"

namespace tarnel::gui {

DocaBobina::DocaBobina(TfrmMain& frm, QWidget* pai)
    : QFrame(pai),
      papel(new QPlainTextEdit),
      btRasgar(new QToolButton),
      frm_(frm),
      fonte_(QFontDatabase::systemFont(QFontDatabase::FixedFont)) {
  setObjectName(QStringLiteral("DocaBobina"));
  papel->setObjectName(QStringLiteral("papel"));
  papel->setReadOnly(true);
  papel->setLineWrapMode(QPlainTextEdit::NoWrap);
  papel->setFont(fonte_);
  // The paper: black print on white, as wide as 48 columns.
  QPalette paleta = papel->palette();
  paleta.setColor(QPalette::Base, QColor(0xff, 0xff, 0xfc));
  paleta.setColor(QPalette::Text, Qt::black);
  papel->setPalette(paleta);
  const QFontMetrics medidas(fonte_);
  papel->setMinimumWidth(medidas.horizontalAdvance(QString(kColunas, u'M')) + 2 * papel->frameWidth() +
                         static_cast<int>(papel->document()->documentMargin() * 2) +
                         papel->verticalScrollBar()->sizeHint().width());
  // The paper gives way, below its heading, to the height the transcript beside it is given.
  papel->setMinimumHeight(1);
  btRasgar->setObjectName(QStringLiteral("btRasgar"));
  btRasgar->setText(QStringLiteral("Rasgar o papel"));
  btRasgar->setAutoRaise(true);
  btRasgar->setToolTip(QStringLiteral("Limpa a vista da bobina; o arquivo da bobina fica como está"));
  connect(btRasgar, &QToolButton::clicked, this, &DocaBobina::Rasga);

  auto* barra = new QHBoxLayout;
  barra->addWidget(new QLabel(QStringLiteral("Bobina da impressora emulada")));
  barra->addStretch(1);
  barra->addWidget(btRasgar);
  auto* disposicao = new QVBoxLayout(this);
  disposicao->setContentsMargins(0, 0, 0, 0);
  disposicao->setSpacing(1);
  disposicao->addLayout(barra);
  disposicao->addWidget(papel);

  frm_.AposComando.Observa([this](const ComandoExecutado&) { Atualiza(); }, kEtapaJanela);
  AcompanhaCanal();
}

void DocaBobina::AcompanhaCanal() {
  const std::string caminho = CaminhoBobina(frm_.cbCanalECF);
  if (caminho.empty()) {
    leitor_.reset();
    papel->clear();
    hide();
    return;
  }
  if (!leitor_ || leitor_->Caminho() != caminho) {
    leitor_ = std::make_unique<LeitorBobina>(caminho);
    papel->clear();
  }
  show();
  Atualiza();
}

void DocaBobina::Atualiza() {
  if (!leitor_) return;
  const std::vector<LinhaBobina> linhas = leitor_->Novas();
  if (linhas.empty()) return;
  QTextCursor cursor(papel->document());
  cursor.movePosition(QTextCursor::End);
  const int largura_coluna = QFontMetrics(fonte_).horizontalAdvance(u'M');
  for (const LinhaBobina& linha : linhas) {
    QTextCharFormat formato;
    QFont fonte = fonte_;
    fonte.setBold(linha.negrito);
    // Double width: each character takes two columns of the paper.
    if (linha.expandido) fonte.setLetterSpacing(QFont::AbsoluteSpacing, largura_coluna);
    formato.setFont(fonte);
    if (!papel->document()->isEmpty()) cursor.insertBlock();
    cursor.insertText(QTexto(linha.texto), formato);
  }
  papel->verticalScrollBar()->setValue(papel->verticalScrollBar()->maximum());
}

void DocaBobina::Rasga() {
  if (leitor_) leitor_->Rasga();
  papel->clear();
}

}  // namespace tarnel::gui
