// The core's questions and messages as Qt dialogs, over the main window.
#pragma once
#include <QPointer>
#include <QProgressDialog>
#include <QWidget>

#include "window/interacao.h"

namespace tarnel::gui {

class InteracaoQt : public Interacao {
 public:
  // The parent of the dialogs; set once the main window exists.
  void DefinePai(QWidget* pai) { pai_ = pai; }

  void Mensagem(const std::string& texto, Icone icone, const std::string& titulo) override;
  Resposta Pergunta(const std::string& texto, Icone icone, bool com_cancela, Resposta padrao,
                    const std::string& titulo) override;
  bool EscolheArquivos(const PedidoArquivo& pedido, std::vector<std::string>& escolhidos) override;
  void ProcessaEventos() override;
  void TrazParaFrente() override;
  // TfrmErros's window, modal over the main window.
  void MostraErros(const TfrmErros& erros) override;
  // A modal progress dialog with a Cancel button, made at the first report and closed at the end;
  // it shows after half a second, so short work does not flash it.
  void Progresso(const std::string& titulo, std::int64_t feito, std::int64_t total) override;
  bool CancelamentoPedido() override;
  void FimProgresso() override;
  QProgressDialog* DialogoProgresso() const { return progresso_; }

 private:
  QPointer<QWidget> pai_;
  QPointer<QProgressDialog> progresso_;
};

// "Descrição (*.EXT)|*.EXT|…" as Qt's filter "Descrição (*.EXT);;…".
QString FiltroQt(const std::string& filtro);

}  // namespace tarnel::gui
