#include "dialogs/banco_dialogo.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "texto_qt.h"

namespace tarnel::gui {

BancoDialogo::BancoDialogo(TfrmMain& frm, QWidget* pai) : QDialog(pai), cbBancos(new QComboBox), frm_(frm) {
  setObjectName(QStringLiteral("frmBanco"));
  setWindowTitle(QTexto(modelo_.Caption()));
  setModal(false);
  cbBancos->setObjectName(QStringLiteral("cbBancos"));
  cbBancos->setMinimumContentsLength(32);
  auto* botoes = new QDialogButtonBox;
  QPushButton* selecionar = botoes->addButton(QStringLiteral("&Selecionar"), QDialogButtonBox::AcceptRole);
  selecionar->setObjectName(QStringLiteral("btSelecionar"));
  selecionar->setDefault(true);
  botoes->addButton(QStringLiteral("&Cancelar"), QDialogButtonBox::RejectRole);  // Escape too
  connect(botoes, &QDialogButtonBox::accepted, this, &BancoDialogo::Seleciona);
  connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* disposicao = new QVBoxLayout(this);
  disposicao->addWidget(cbBancos);
  disposicao->addWidget(botoes);
}

void BancoDialogo::Mostra() {
  modelo_.FormShow(frm_);
  cbBancos->clear();
  for (const std::string& banco : modelo_.cbBancos) cbBancos->addItem(QTexto(banco));
  cbBancos->setCurrentIndex(modelo_.cbBancosItemIndex);
  show();
  raise();
  activateWindow();
}

void BancoDialogo::Seleciona() {
  modelo_.cbBancosItemIndex = cbBancos->currentIndex();
  if (modelo_.btSelecionarClick(frm_)) accept();
}

}  // namespace tarnel::gui
