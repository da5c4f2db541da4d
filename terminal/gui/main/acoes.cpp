#include "main/acoes.h"

#include "imagens/lista_imagens.h"
#include "texto_qt.h"

namespace tarnel::gui {
namespace {

void MarcaNaoDisponivel(QAction* acao) {
  acao->setEnabled(false);
  acao->setToolTip(DicaNaoDisponivel());
  acao->setStatusTip(DicaNaoDisponivel());
}

}  // namespace

QString DicaNaoDisponivel() { return QStringLiteral("Não disponível nesta versão do Tarnel"); }

QAction* Acoes::Vincula(QAction* acao, const Acao& modelo, Tipo tipo, bool disponivel, const QString& legenda) {
  vinculos_.push_back({acao, &modelo, tipo, disponivel, legenda});
  Atualiza();
  return acao;
}

QAction* Acoes::Simples(QObject* dono, const QString& texto, int imagem, bool disponivel) {
  auto* acao = new QAction(Imagem(imagem), texto, dono);
  if (!disponivel) MarcaNaoDisponivel(acao);
  return acao;
}

void Acoes::Atualiza() const {
  for (const Vinculo& v : vinculos_) {
    QAction* acao = v.acao;
    const Acao& modelo = *v.modelo;
    acao->setText(v.legenda.isEmpty() ? QTexto(modelo.Caption) : v.legenda);
    acao->setIcon(Imagem(modelo.ImageIndex));
    acao->setCheckable(v.tipo == Tipo::Alterna);
    acao->setChecked(modelo.Checked);
    if (!v.disponivel) {
      MarcaNaoDisponivel(acao);
      continue;
    }
    const QString dica = QTexto(modelo.Hint);
    acao->setToolTip(dica.isEmpty() ? QTexto(modelo.Caption).remove(u'&') : dica);
    acao->setStatusTip(dica);
    acao->setEnabled(modelo.Enabled);
  }
}

}  // namespace tarnel::gui
