// Everything the core needs from a person. The Qt window answers with dialogs, tarnel-cli with its
// own policy, tests with a scripted fake that records what was asked.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "window/mostraerros.h"

namespace tarnel {

enum class Icone { Nenhum, Informacao, Aviso, Erro, Pergunta };

enum class Resposta { Sim, Nao, Cancela };

// A file dialog: open (one or several files) or save.
struct PedidoArquivo {
  bool salvar = false;
  bool varios = false;
  std::string titulo;
  std::string filtro;           // "Descrição (*.EXT)|*.EXT" pairs
  std::string extensao_padrao;  // without the dot
  std::string nome_inicial;     // full path or bare name
};

class Interacao {
 public:
  virtual ~Interacao() = default;

  // A plain message box with one OK button; titulo is its caption, the program's name when empty.
  virtual void Mensagem(const std::string& texto, Icone icone = Icone::Nenhum, const std::string& titulo = "") = 0;
  // A Yes/No question, or Yes/No/Cancel with com_cancela; padrao is the default button.
  virtual Resposta Pergunta(const std::string& texto, Icone icone, bool com_cancela, Resposta padrao,
                            const std::string& titulo = "") = 0;
  // False when the person cancels; otherwise the chosen files, full paths.
  virtual bool EscolheArquivos(const PedidoArquivo& pedido, std::vector<std::string>& escolhidos) = 0;
  // Lets pending window events through (long loops call it between steps).
  virtual void ProcessaEventos() = 0;
  // Shows the list of detected errors (TfrmErros) modally; by default as one message box of its lines.
  virtual void MostraErros(const TfrmErros& erros) {
    std::string texto;
    for (const std::string& linha : erros.lbErros) texto += (texto.empty() ? "" : "\n") + linha;
    Mensagem(texto, Icone::Aviso, erros.Caption());
  }
  // Brings the program's window to the foreground (after the channel was closed and opened again).
  virtual void TrazParaFrente() {}

  // Progress of a long operation (a reading to a file, a dump), reported between its pieces: feito
  // out of total, total 0 when it is not known beforehand (then feito counts bytes). The window
  // shows a progress dialog, tarnel-cli a line; nothing by default.
  virtual void Progresso(const std::string& /*titulo*/, std::int64_t /*feito*/, std::int64_t /*total*/) {}
  // Asked between two pieces: true when the person asked to stop the operation.
  virtual bool CancelamentoPedido() { return false; }
  // The operation ended, however it ended.
  virtual void FimProgresso() {}
};

// A box at the end of long work: its progress report ends first, so no box stands over a progress
// dialog.
inline void MensagemAoFim(Interacao& interacao, const std::string& texto, Icone icone) {
  interacao.FimProgresso();
  interacao.Mensagem(texto, icone);
}

// Answers nobody: messages are dropped, questions get their default, file choices are cancelled.
class InteracaoSilenciosa : public Interacao {
 public:
  void Mensagem(const std::string&, Icone, const std::string&) override {}
  Resposta Pergunta(const std::string&, Icone, bool, Resposta padrao, const std::string&) override { return padrao; }
  bool EscolheArquivos(const PedidoArquivo&, std::vector<std::string>&) override { return false; }
  void ProcessaEventos() override {}
};

}  // namespace tarnel
