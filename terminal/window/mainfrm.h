// TfrmMain, the main window as a model: the command list, the parameter and return field texts of
// every command, the error fields, the transcript and the state the features share. Features act on
// it as plain C++; a window binds its widgets to it through the change notifications.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "window/acao.h"
#include "window/driver.h"
#include "window/interacao.h"
#include "window/painel_terminal.h"

namespace tarnel {

// What changed, for the window to refresh.
enum class Alteracao {
  Selecao,        // lbComandos selection and the panels shown
  CamposComando,  // parameter or return texts
  CamposErro,     // ebNomeErro, ebCircunstancia
  Terminal,       // transcript
  Conexao,        // Connect action, btExecuta, cbCanalECF
  FocoLista,      // keyboard focus back to lbComandos
};

// Texts of one command's parameter and return controls, in catalogue order.
struct CamposComando {
  std::vector<std::string> parametros;
  std::vector<std::string> retornos;
};

// Follow-up calls of the execute path and connection, provided by other subsystems; each may be left
// empty.
struct AcoesPosComando {
  std::function<void(int comando, int posicao)> EspelhaComando;  // spreadsheet mirroring
  std::function<void()> LeRegistradorExecute;                    // register reading
  std::function<void()> LeImpressaoExecute;                      // first-copy capture
  std::function<bool()> GravandoComandos;                        // is the command file recorded?
  std::function<void(const std::string&)> AcrescentaLinhaArquivoComandos;
};

class TfrmMain {
 public:
  explicit TfrmMain(Interacao& interacao);

  Interacao& interacao;

  // lbComandos: the catalogue's command names, in catalogue order.
  std::vector<std::string> lbComandosItems;
  int lbComandosItemIndex = 0;
  int ComandoMostrado = 0;  // whose panels are shown

  std::vector<CamposComando> Campos;  // by catalogue index
  std::string ebNomeErro;
  std::string ebCircunstancia;
  PainelTerminal Terminal;

  // Connection controls.
  std::vector<std::string> cbCanalECFItems;
  std::string cbCanalECF;
  Acao Connect;
  bool btExecutaEnabled = false;

  // Shared state.
  std::int32_t HandleDriver = -1;
  std::unique_ptr<Driver> ModuloDriver;  // null while the library is not loaded
  std::int32_t TimeoutComando = 5;       // seconds
  std::int32_t CodigoErro = 0;
  std::string UltimoRetorno;
  std::string CanalConectado;
  bool Iniciando = false;
  bool ModoUltimoRetorno = false;
  bool LendoRegistrador = false;
  bool PlanilhaConectada = false;

  // Loads the driver library; the real DROVIK library unless replaced (tests).
  std::function<std::unique_ptr<Driver>()> CarregaDriver;
  AcoesPosComando Acoes;

  // Selects a list entry and shows its panels (lbComandosClick). Out-of-range indexes are ignored.
  void SelecionaComando(int indice);
  // List entry whose whole name equals nome ignoring letter case; -1 when absent.
  int IndiceComando(const std::string& nome) const;
  // Selects a command by name; false when the list has no such command.
  bool SelecionaComandoPorNome(const std::string& nome);

  // "&Limpa Campos": empties every parameter and return of the selected command.
  void btLimpaParsClick();
  void LimpaCampos(int comando);
  void LimpaRetornos(int comando);
  // Parameter of the command by field name (at most 30 characters compared, letter case included).
  // False when the command has no such parameter.
  bool DefineParametro(int comando, const std::string& nome, const std::string& texto);

  void AcrescentaLinhaTerminal(const std::string& texto);

  using Observador = std::function<void(Alteracao)>;
  void Observa(Observador observador) { observadores_.push_back(std::move(observador)); }
  void Notifica(Alteracao alteracao) const;

 private:
  std::vector<Observador> observadores_;
};

}  // namespace tarnel
