#include "widgets/area_dados.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

#include "quorbal/catalogo.h"
#include "texto_qt.h"
#include "widgets/painel_campos.h"
#include "widgets/painel_erros.h"
#include "window/larguras.h"

namespace tarnel::gui {

AreaDados::AreaDados(TfrmMain& frm, QWidget* pai)
    : QWidget(pai), frm_(frm), painel_erros_(new PainelErros(this)) {
  setObjectName(QStringLiteral("PainelDados"));
  const int unidade = QFontMetrics(font()).horizontalAdvance(u'm');
  parametros_.assign(quorbal::kTotalComandos, nullptr);
  retornos_.assign(quorbal::kTotalComandos, nullptr);
  for (int c = 0; c < quorbal::kTotalComandos; ++c) {
    const quorbal::DescritorComando& d = quorbal::kCatalogo[c];
    if (d.total_retornos > 0) retornos_[c] = new PainelCampos(c, PainelCampos::Tipo::Retornos, unidade, this);
    if (d.total_parametros > 0) {
      parametros_[c] = new PainelCampos(c, PainelCampos::Tipo::Parametros, unidade, this);
      connect(parametros_[c], &PainelCampos::TextoEditado, this, [this, c](int campo, const QString& texto) {
        frm_.Campos[c].parametros[campo] = TextoCore(texto);
      });
    }
    for (PainelCampos* painel : {parametros_[c], retornos_[c]})
      if (painel) painel->hide();
  }
  PoeErrosPorUltimoNaTabulacao();
  MostraCampos();
  MostraSelecao();
}

void AreaDados::PoeErrosPorUltimoNaTabulacao() {
  // The panels' controls were made after the error panel; Tab goes through them first, then to the
  // error panel's controls in their own order.
  const auto EmPainel = [this](const QWidget* w) {
    for (; w && w != this; w = w->parentWidget())
      if (qobject_cast<const PainelCampos*>(w)) return true;
    return false;
  };
  QWidget* ultimo = nullptr;
  for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
    if (EmPainel(w)) ultimo = w;
  if (!ultimo) return;
  for (QWidget* controle : std::vector<QWidget*>{painel_erros_->btExecuta, painel_erros_->btLimpaPars,
                                                 painel_erros_->ebNomeErro, painel_erros_->ebCircunstancia}) {
    QWidget::setTabOrder(ultimo, controle);
    ultimo = controle;
  }
}

void AreaDados::MostraSelecao() {
  const int novo = frm_.ComandoMostrado;
  if (novo == mostrado_ || novo < 0 || novo >= quorbal::kTotalComandos) return;
  if (mostrado_ >= 0) {
    for (PainelCampos* painel : {parametros_[mostrado_], retornos_[mostrado_]})
      if (painel) painel->hide();
  }
  mostrado_ = novo;
  Posiciona();
  for (PainelCampos* painel : {parametros_[novo], retornos_[novo]})
    if (painel) painel->show();
}

void AreaDados::MostraCampos() {
  for (int c = 0; c < quorbal::kTotalComandos; ++c) {
    const CamposComando& campos = frm_.Campos[c];
    if (PainelCampos* p = parametros_[c])
      for (int i = 0; i < p->Total(); ++i) p->DefineTexto(i, QTexto(campos.parametros[i]));
    if (PainelCampos* r = retornos_[c])
      for (int i = 0; i < r->Total(); ++i) r->DefineTexto(i, QTexto(campos.retornos[i]));
  }
}

void AreaDados::MostraErro() {
  painel_erros_->ebNomeErro->setText(QTexto(frm_.ebNomeErro));
  painel_erros_->ebCircunstancia->setText(QTexto(frm_.ebCircunstancia));
  // Long texts can be read whole in the hints.
  painel_erros_->ebNomeErro->setToolTip(painel_erros_->ebNomeErro->text());
  painel_erros_->ebCircunstancia->setToolTip(painel_erros_->ebCircunstancia->text());
  painel_erros_->ebNomeErro->setCursorPosition(0);
  painel_erros_->ebCircunstancia->setCursorPosition(0);
  // Painted at once: a command holds the event loop while it waits for the printer, and the fields
  // must show empty during that wait rather than the previous command's error.
  painel_erros_->ebNomeErro->repaint();
  painel_erros_->ebCircunstancia->repaint();
}

QSize AreaDados::minimumSizeHint() const {
  // The heading and two rows of fields above the error panel.
  const int linhas = 3 * painel_erros_->ebNomeErro->sizeHint().height();
  return QSize(painel_erros_->minimumSizeHint().width(), painel_erros_->height() + linhas);
}

void AreaDados::Posiciona() {
  const int largura = width();
  const int altura_erros = painel_erros_->height();
  const int base = std::max(0, height() - altura_erros);
  painel_erros_->setGeometry(0, base, largura, altura_erros);
  if (mostrado_ < 0) return;
  PainelCampos* parametros = parametros_[mostrado_];
  PainelCampos* retornos = retornos_[mostrado_];
  int topo_retornos = 0;
  if (retornos) {
    // Below a parameter panel the returns take the height they need (at most half the area);
    // alone they fill it.
    const int altura = parametros ? std::min(retornos->AlturaConteudo(), base / 2) : base;
    topo_retornos = base - altura;
    retornos->setGeometry(0, topo_retornos, largura, altura);
  }
  if (parametros) parametros->setGeometry(0, 0, largura, retornos ? topo_retornos : base);
  Redimensiona();
}

void AreaDados::Redimensiona() {
  // The step computes every command's widths, shown or not, so a newly selected command is right.
  for (int c = 0; c < quorbal::kTotalComandos; ++c) {
    PainelCampos* parametros = parametros_[c];
    PainelCampos* retornos = retornos_[c];
    // Commands without parameters size their returns by the return panel's labels.
    PainelCampos* referencia = parametros ? parametros : retornos;
    if (!referencia) continue;
    // The width the panel's controls can use is the area's, less a vertical scroll bar when the
    // panel needs one.
    int cliente = width();
    if (referencia->AlturaConteudo() > referencia->height() && referencia == parametros)
      cliente -= referencia->verticalScrollBar()->sizeHint().width();
    const int disponivel = LarguraDisponivel(cliente, referencia->LarguraRotulos());
    if (parametros) parametros->AplicaLarguraDisponivel(disponivel);
    if (retornos) retornos->AplicaLarguraDisponivel(disponivel);
  }
}

void AreaDados::resizeEvent(QResizeEvent* evento) {
  QWidget::resizeEvent(evento);
  Posiciona();
}

}  // namespace tarnel::gui
