#include "main/acoes.h"

#include "imagens/lista_imagens.h"
#include "texto_qt.h"

namespace tarnel::gui {

QAction* Acoes::Vincula(QAction* acao, const Acao& modelo, Tipo tipo, const QString& legenda) {
  vinculos_.push_back({acao, &modelo, tipo, legenda});
  Atualiza();
  return acao;
}

QAction* Acoes::Simples(QObject* dono, const QString& texto, int imagem) {
  return new QAction(Imagem(imagem), texto, dono);
}

void Acoes::Atualiza() const {
  for (const Vinculo& v : vinculos_) {
    QAction* acao = v.acao;
    const Acao& modelo = *v.modelo;
    acao->setText(v.legenda.isEmpty() ? QTexto(modelo.Caption) : v.legenda);
    acao->setIcon(Imagem(modelo.ImageIndex));
    acao->setCheckable(v.tipo == Tipo::Alterna);
    acao->setChecked(modelo.Checked);
    const QString dica = QTexto(modelo.Hint);
    acao->setToolTip(dica.isEmpty() ? QTexto(modelo.Caption).remove(u'&') : dica);
    acao->setStatusTip(dica);
    acao->setEnabled(modelo.Enabled);
  }
}

}  // namespace tarnel::gui
