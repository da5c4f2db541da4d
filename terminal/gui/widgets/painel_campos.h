// One command's parameter panel or return panel: a heading, one right-aligned label per field and
// one input or output control per field, placed by the catalogue's width and stacking rules. Built
// once at window creation, shown while its command is selected.
#pragma once
#include <QScrollArea>
#include <QString>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace tarnel::gui {

class PainelCampos : public QScrollArea {
  Q_OBJECT
 public:
  enum class Tipo { Parametros, Retornos };

  // unidade: pixel width of "m" in the window's font.
  PainelCampos(int comando, Tipo tipo, int unidade, QWidget* pai);

  int Comando() const { return comando_; }
  Tipo TipoPainel() const { return tipo_; }
  int Total() const { return static_cast<int>(campos_.size()); }
  // The panel's tag: the width of its widest label.
  int LarguraRotulos() const { return largura_rotulos_; }
  // Height the panel needs to show every control.
  int AlturaConteudo() const;

  QString Texto(int campo) const;
  // Replaces a control's text without reporting it as an edit.
  void DefineTexto(int campo, const QString& texto);
  QWidget* Controle(int campo) const;
  int LarguraNatural(int campo) const { return campos_[campo].natural; }

  // The resize step for this panel's controls, given the width available to them.
  void AplicaLarguraDisponivel(int disponivel);

 signals:
  // The person changed a field's text.
  void TextoEditado(int campo, const QString& texto);

 protected:
  void resizeEvent(QResizeEvent* evento) override;

 private:
  struct Campo {
    QLabel* rotulo = nullptr;
    QLineEdit* linha = nullptr;      // single-line control
    QPlainTextEdit* caixa = nullptr; // multi-line control (wider than 1000 characters)
    int maximo = 0;                  // typing limit in characters; 0 for none
    int natural = 0;                 // natural width in pixels
    int largura = 0;                 // current width
    int topo = 0;
  };

  void PosicionaControles();
  QWidget* ControleDe(const Campo& campo) const;

  int comando_;
  Tipo tipo_;
  QWidget* conteudo_;
  QLabel* titulo_;
  std::vector<Campo> campos_;
  int largura_rotulos_ = 0;
  int deslocamento_ = 0;          // extra top margin when the heading is taller than the design's
  bool alinhado_direita_ = false; // a single control wider than 1000 characters fills the panel
  bool definindo_ = false;        // DefineTexto is changing a text
};

}  // namespace tarnel::gui
