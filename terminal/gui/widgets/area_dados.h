// PainelDados: the parameter and return panels of every command (only the selected command's
// shown) above the error panel. Keeps the panels' texts and the model's field texts in step, and
// runs the resize step whenever its size changes.
#pragma once
#include <QWidget>
#include <vector>

#include "window/mainfrm.h"

namespace tarnel::gui {

class PainelCampos;
class PainelErros;

class AreaDados : public QWidget {
  Q_OBJECT
 public:
  AreaDados(TfrmMain& frm, QWidget* pai);

  PainelErros* painelErros() const { return painel_erros_; }
  // A command's panels; null when it has none of that kind.
  PainelCampos* PainelParametros(int comando) const { return parametros_[comando]; }
  PainelCampos* PainelRetornos(int comando) const { return retornos_[comando]; }

  // The least room in which the area stays usable: the error panel whole and a few rows of fields.
  // The splitters keep the area at least this large, whatever widths were stored.
  QSize minimumSizeHint() const override;

  // Model -> widgets.
  void MostraSelecao();
  void MostraCampos();
  void MostraErro();

 protected:
  void resizeEvent(QResizeEvent* evento) override;

 private:
  void Posiciona();
  void Redimensiona();  // the Resize action
  void PoeErrosPorUltimoNaTabulacao();

  TfrmMain& frm_;
  std::vector<PainelCampos*> parametros_;
  std::vector<PainelCampos*> retornos_;
  PainelErros* painel_erros_;
  int mostrado_ = -1;
};

}  // namespace tarnel::gui
