// Qt actions that show a model action (caption, hint, picture, on/off, enabled). Menu entries and
// tool buttons share one QAction, as they share one action in the model.
#pragma once
#include <QAction>
#include <QString>
#include <vector>

#include "window/acao.h"

namespace tarnel::gui {

class Acoes {
 public:
  enum class Tipo { Comum, Alterna };  // Alterna: an on/off action, shown pressed while on
  // Binds a QAction to a model action. A legenda replaces the model's caption (a menu that shows the
  // action under a shorter text).
  QAction* Vincula(QAction* acao, const Acao& modelo, Tipo tipo, const QString& legenda = QString());
  // An entry with no model action behind it.
  static QAction* Simples(QObject* dono, const QString& texto, int imagem = -1);
  // Shows every bound model action again.
  void Atualiza() const;

 private:
  struct Vinculo {
    QAction* acao;
    const Acao* modelo;
    Tipo tipo;
    QString legenda;
  };
  std::vector<Vinculo> vinculos_;
};

}  // namespace tarnel::gui
