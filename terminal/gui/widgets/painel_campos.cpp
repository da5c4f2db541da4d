#include "widgets/painel_campos.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextCursor>
#include <QToolTip>
#include <algorithm>

#include "quorbal/catalogo.h"
#include "texto_qt.h"
#include "window/larguras.h"

namespace tarnel::gui {

namespace {
constexpr int kTopoPrimeiroCampo = 13;  // where the stacking rule puts the first control
}

PainelCampos::PainelCampos(int comando, Tipo tipo, int unidade, QWidget* pai)
    : QScrollArea(pai), comando_(comando), tipo_(tipo), conteudo_(new QWidget), titulo_(new QLabel(conteudo_)) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(false);
  setWidget(conteudo_);
  setObjectName(QStringLiteral("%1%2").arg(tipo == Tipo::Parametros ? u"Parametros" : u"Retornos").arg(comando));

  const quorbal::DescritorComando& descritor = quorbal::kCatalogo[comando];
  const bool parametros = tipo == Tipo::Parametros;
  const quorbal::DescritorCampo* descritores = parametros ? descritor.parametros : descritor.retornos;
  const std::uint32_t total = parametros ? descritor.total_parametros : descritor.total_retornos;

  titulo_->setText(QTexto(parametros ? TituloParametros(total) : TituloRetornos(total)));
  titulo_->adjustSize();
  titulo_->move(0, 0);
  deslocamento_ = std::max(0, titulo_->height() - kTopoPrimeiroCampo);

  // A field that is not mandatory shows with the tooltip's background colour.
  const QColor fundo_opcional = QToolTip::palette().color(QPalette::ToolTipBase);

  std::vector<int> alturas;
  for (std::uint32_t i = 0; i < total; ++i) {
    const quorbal::DescritorCampo& d = descritores[i];
    Campo campo;
    campo.rotulo = new QLabel(QTexto(std::string(d.nome) + ":"), conteudo_);
    campo.rotulo->setAlignment(Qt::AlignRight | Qt::AlignTop);
    largura_rotulos_ = std::max(largura_rotulos_, campo.rotulo->sizeHint().width());

    const int caracteres = parametros ? LarguraParametro(d) : LarguraRetorno(d);
    campo.natural = tarnel::LarguraNatural(unidade, caracteres);
    campo.largura = campo.natural;
    QWidget* controle;
    if (EhMultilinha(caracteres)) {
      campo.caixa = new QPlainTextEdit(conteudo_);
      campo.caixa->setReadOnly(!parametros);
      campo.caixa->setTabChangesFocus(true);
      controle = campo.caixa;
      connect(campo.caixa, &QPlainTextEdit::textChanged, this, [this, i] {
        if (definindo_) return;
        QPlainTextEdit* caixa = campos_[i].caixa;
        QString texto = caixa->toPlainText();
        // A multi-line box takes no validator: what Windows-1252 lacks is taken out after the edit.
        int posicao = caixa->textCursor().position();
        if (RemoveForaDoCp1252(texto, &posicao)) {
          definindo_ = true;
          caixa->setPlainText(texto);
          QTextCursor cursor = caixa->textCursor();
          cursor.setPosition(posicao);
          caixa->setTextCursor(cursor);
          definindo_ = false;
        }
        emit TextoEditado(static_cast<int>(i), texto);
      });
    } else {
      campo.linha = new QLineEdit(conteudo_);
      campo.linha->setReadOnly(!parametros);
      if (parametros) campo.linha->setValidator(new ValidadorCp1252(campo.linha));
      campo.maximo = ComprimentoMaximo(d);
      if (campo.maximo > 0) campo.linha->setMaxLength(campo.maximo);
      controle = campo.linha;
      connect(campo.linha, &QLineEdit::textEdited, this,
              [this, i](const QString& texto) { emit TextoEditado(static_cast<int>(i), texto); });
    }
    controle->setObjectName(QTexto(d.nome));
    controle->setAccessibleName(QTexto(d.nome));
    if (parametros && !d.obrigatorio) {
      QPalette paleta = controle->palette();
      paleta.setColor(QPalette::Base, fundo_opcional);
      controle->setPalette(paleta);
      controle->setAutoFillBackground(true);
    }
    alturas.push_back(controle->sizeHint().height());
    campos_.push_back(campo);
  }
  const std::vector<int> topos = TopoDosCampos(alturas);
  for (std::size_t i = 0; i < campos_.size(); ++i) {
    campos_[i].topo = topos[i] + deslocamento_;
    campos_[i].rotulo->setGeometry(0, campos_[i].topo + kDeslocamentoRotulo, largura_rotulos_,
                                   campos_[i].rotulo->sizeHint().height());
  }
  alinhado_direita_ = campos_.size() == 1 && campos_[0].caixa != nullptr;
  PosicionaControles();
}

QWidget* PainelCampos::ControleDe(const Campo& campo) const {
  return campo.linha ? static_cast<QWidget*>(campo.linha) : static_cast<QWidget*>(campo.caixa);
}

QWidget* PainelCampos::Controle(int campo) const { return ControleDe(campos_[campo]); }

QString PainelCampos::Texto(int campo) const {
  const Campo& c = campos_[campo];
  return c.linha ? c.linha->text() : c.caixa->toPlainText();
}

void PainelCampos::DefineTexto(int campo, const QString& texto) {
  if (Texto(campo) == texto) return;
  definindo_ = true;
  Campo& c = campos_[campo];
  if (c.linha) {
    // The limit is for typing. A longer text put in by the program (a script, a bank layout, a
    // reply) shows whole, as it is sent: cut to the limit, it would show less, and the next key
    // pressed in the field would store the cut text.
    if (c.maximo > 0) c.linha->setMaxLength(std::max(c.maximo, static_cast<int>(texto.size())));
    c.linha->setText(texto);
  } else {
    c.caixa->setPlainText(texto);
  }
  definindo_ = false;
}

int PainelCampos::AlturaConteudo() const {
  int altura = titulo_->height();
  for (const Campo& c : campos_) altura = std::max(altura, c.topo + ControleDe(c)->sizeHint().height() + 4);
  return altura;
}

void PainelCampos::AplicaLarguraDisponivel(int disponivel) {
  for (Campo& c : campos_) c.largura = LarguraAjustada(disponivel, c.largura, c.natural);
  PosicionaControles();
}

void PainelCampos::PosicionaControles() {
  const int esquerda = EsquerdaDosCampos(largura_rotulos_);
  if (alinhado_direita_) {
    // The one wide control takes the panel's whole height at its right edge.
    Campo& c = campos_[0];
    const int largura_painel = std::max(viewport()->width(), esquerda + c.largura);
    ControleDe(c)->setGeometry(largura_painel - c.largura, 0, c.largura, std::max(viewport()->height(), 40));
    conteudo_->resize(largura_painel, std::max(viewport()->height(), 40));
    return;
  }
  int direita = titulo_->width();
  for (Campo& c : campos_) {
    QWidget* controle = ControleDe(c);
    controle->setGeometry(esquerda, c.topo, c.largura, controle->sizeHint().height());
    direita = std::max(direita, esquerda + c.largura);
  }
  conteudo_->resize(direita + 2, AlturaConteudo());
}

void PainelCampos::resizeEvent(QResizeEvent* evento) {
  QScrollArea::resizeEvent(evento);
  if (alinhado_direita_) PosicionaControles();
}

}  // namespace tarnel::gui
