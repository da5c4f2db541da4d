#include "dialogs/erros_dialogo.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "texto_qt.h"

namespace tarnel::gui {

ErrosDialogo::ErrosDialogo(const TfrmErros& modelo, QWidget* pai)
    : QDialog(pai), lbErros(new QListWidget), modelo_(modelo) {
  setObjectName(QStringLiteral("frmErros"));
  setWindowTitle(QTexto(modelo_.Caption()));
  lbErros->setObjectName(QStringLiteral("lbErros"));
  auto* botoes = new QDialogButtonBox;
  botoes->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* disposicao = new QVBoxLayout(this);
  disposicao->addWidget(lbErros);
  disposicao->addWidget(botoes);
  resize(520, 300);
}

void ErrosDialogo::Mostra() {
  lbErros->clear();
  for (const std::string& linha : modelo_.lbErros) lbErros->addItem(QTexto(linha));
  exec();
}

}  // namespace tarnel::gui
