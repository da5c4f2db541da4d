#include "dialogs/timeout_dialogo.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "texto_qt.h"

namespace tarnel::gui {

TimeoutDialogo::TimeoutDialogo(TfrmTimeout& modelo, QWidget* pai)
    : QDialog(pai), ebTimeout(new QSpinBox), modelo_(modelo) {
  setObjectName(QStringLiteral("frmTimeout"));
  setWindowTitle(QTexto(modelo_.Caption()));
  ebTimeout->setObjectName(QStringLiteral("ebTimeout"));
  ebTimeout->setRange(TfrmTimeout::kMinimo, TfrmTimeout::kMaximo);
  auto* linha = new QHBoxLayout;
  linha->addWidget(new QLabel(QStringLiteral("Timeout dos Comandos:")));
  linha->addWidget(ebTimeout);
  linha->addWidget(new QLabel(QStringLiteral("seg.")));
  auto* botoes = new QDialogButtonBox;
  QPushButton* ok = botoes->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
  botoes->addButton(QStringLiteral("&Cancelar"), QDialogButtonBox::RejectRole);  // Escape rejects too
  ok->setDefault(true);
  connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(ebTimeout, &QSpinBox::valueChanged, this, [this](int valor) { modelo_.ebTimeoutChange(valor); });
  auto* disposicao = new QVBoxLayout(this);
  disposicao->addLayout(linha);
  disposicao->addWidget(botoes);
  setSizeGripEnabled(false);
}

void TimeoutDialogo::Mostra(TfrmMain& frm) {
  modelo_.FormShow(frm);
  ebTimeout->setValue(modelo_.ebTimeout);
  ebTimeout->selectAll();
  if (exec() == QDialog::Accepted) {
    modelo_.ebTimeoutChange(ebTimeout->value());
    modelo_.btOKClick(frm);
  } else {
    modelo_.btCancelarClick();
  }
}

}  // namespace tarnel::gui
