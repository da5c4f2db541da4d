// TfrmExecutaComandos, the run dialog as a model: its options (persisted in the settings key), the
// run over the selected command file or over every file of the box, and Cancel, which closes the
// dialog when idle and asks the player to stop while a run goes on.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "scripts/script.h"
#include "window/armazem_configuracao.h"
#include "window/mainfrm.h"

namespace tarnel {

// Value names of the six options in the settings key.
extern const char kValorNaoPausar[];          // "Não Pausar Comandos"
extern const char kValorPausarSemErro[];      // "Pausar em Retorno OK"
extern const char kValorPausarComErro[];      // "Pausar em Retorno não OK"
extern const char kValorPausarDiferente[];    // "Pausar em Retorno Diferente"
extern const char kValorSelecaoArquivos[];    // "Seleção Comandos Executar"
extern const char kValorTestarContexto[];     // "Testar Contexto"

class TfrmExecutaComandos {
 public:
  struct Controle {
    std::string Caption;
    bool Checked = false;
    bool Enabled = true;
  };
  struct GrupoOpcoes {
    std::string Caption;
    std::vector<std::string> Items;
    int ItemIndex = 0;
    bool Enabled = true;
  };
  enum { kArquivoSelecionado = 0, kTodosArquivos = 1 };

  TfrmExecutaComandos(TfrmMain& frm, ArmazemConfiguracao& armazem);

  const char* Caption() const { return "Executar Comandos Registrados"; }

  Controle cbNaoPausar{"&Não pausar comandos", true, true};
  Controle grpPausa{"&Pausar Comandos:", false, false};
  Controle cbPausaSemErros{"Quando retornar &sem Erros", false, false};
  Controle cbPausaComErros{"Quando retornar &com Erros", false, false};
  Controle cbPausaDiferentes{"Quando retornos &diferirem do original", false, false};
  GrupoOpcoes grbArquivoExecutar{"Registro de Comandos ", {"Arquivo Selecionado", "Todos os Arquivos"}, 0, true};
  Controle cbTestarContexto{"Testar Contexto a cada comando (Somente conectado ao Emul)", false, true};
  Controle btExecutar{"&Executar", false, true};
  Controle btCancelar{"&Cancelar", false, true};
  Controle btAjuda{"&Ajuda", false, false};

  bool CancelamentoPedido = false;
  bool Aberto = false;  // shown; the run and Cancel close it

  // Replays one file: the box's entry is already selected. By default it commits the entry to the
  // current command file (cbNomeArquivoExit) and runs ProcessaArquivoComandos on it with
  // acompanhamento.
  std::function<FimArquivo(const OpcoesScript& opcoes, bool& CancelamentoPedido)> ReproduzArquivo;
  AcompanhamentoScript* acompanhamento = nullptr;

  // Called after the controls' states changed, and when the dialog closes.
  std::function<void()> AoAlterar;
  std::function<void()> AoFechar;

  // The main window's "&Executa Arquivo de Comandos": the options from the settings key, then shown.
  void ExecutaArquivoComandosExecute();
  void FormActivate();
  void cbNaoPausarClick();
  void btCancelarClick();
  void btExecutarClick();

  // The options as the checked states stand (also while a box is disabled).
  OpcoesScript Opcoes() const;

 private:
  void LeOpcoes();
  void GravaOpcoes();
  void HabilitaControles(bool habilitados);
  void Fecha();
  void Alterado() const {
    if (AoAlterar) AoAlterar();
  }

  TfrmMain& frm_;
  ArmazemConfiguracao& armazem_;
};

}  // namespace tarnel
