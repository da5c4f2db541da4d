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
#include "window/eventos.h"
#include "window/interacao.h"
#include "window/observadores.h"
#include "window/painel_terminal.h"

namespace tarnel {

class LigacaoPlanilha;  // the workbook link (spreadsheet/), held here without depending on it

// What changed, for the window to refresh.
enum class Alteracao {
  Selecao,          // lbComandos selection and the panels shown
  CamposComando,    // parameter or return texts
  CamposErro,       // ebNomeErro, ebCircunstancia
  Terminal,         // transcript
  Conexao,          // Connect action, btExecuta, cbCanalECF
  FocoLista,        // keyboard focus back to lbComandos
  FocoNomeArquivo,  // keyboard focus to cbNomeArquivo
  Acoes,            // the other actions' caption, hint, image, checked or enabled state
  Registrador,      // cbNomeRegistrador, IndiceRegistrador, lbValorRegistrador, btLeRegistradorAutomatico
  Caption,          // the window caption
  ArquivoComandos,  // cbNomeArquivo (items, text, enabled) and the command file's path
  Geometria,        // window state and size, transcript height, command list width
};

// The window's place on the screen, as saved between runs.
struct GeometriaJanela {
  int estado = 0;  // 0 normal, 1 minimised, 2 maximised
  int largura = 800;
  int altura = 510;
  int topo = 19;
  int esquerda = 0;
};

// What lbValorRegistrador shows: a text, with the error look (yellow on red) or the normal one.
struct ValorRegistrador {
  std::string texto;
  bool erro = false;
};

// Texts of one command's parameter and return controls, in catalogue order.
struct CamposComando {
  std::vector<std::string> parametros;
  std::vector<std::string> retornos;
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

  std::string Caption = "Vavizuru vo Ruzeduvi KVT Vardex II";
  GeometriaJanela Geometria;
  int TamanhoTerminal = 48;   // height of the transcript pane
  int LarguraComandos = 305;  // width of lbComandos

  // Connection controls.
  std::vector<std::string> cbCanalECFItems;
  std::string cbCanalECF;
  Acao Connect;
  bool btExecutaEnabled = false;

  // The other actions, shared by menu items and tool buttons.
  Acao Resize;
  Acao SelecionaArquivoComandos;
  Acao GravaComandos;  // checked while recording
  Acao ParaGravacao;
  Acao ExecutaArquivoComandos;
  Acao LeRegistrador;  // checked while automatic register reading is on
  Acao ConexaoExcel;
  Acao ObtemLeituraX;
  Acao ConfereLeituraX;
  Acao ConfiguraTotalizadores;
  Acao LeImpressao;
  Acao LeituraMFDBinaria;

  // The command file: the box of base names and the full path of the current file.
  std::vector<std::string> cbNomeArquivoItems;
  int cbNomeArquivoItemIndex = -1;
  std::string cbNomeArquivo;
  bool cbNomeArquivoEnabled = true;
  std::string ArquivoComandos = "Comandos.RMT";

  // The register reader. cbNomeRegistradorItemIndex is the saved selection (-1 none); the box's text
  // is what is read, with "[" IndiceRegistrador "]" after the name of an indexed register.
  std::vector<std::string> cbNomeRegistradorItems;
  int cbNomeRegistradorItemIndex = -1;
  std::string cbNomeRegistrador;
  std::string IndiceRegistrador = "0";
  ValorRegistrador lbValorRegistrador;

  // The banks of CHEQUES.INI: display texts ("Banco " + number + " - " + description) and, in the
  // same order, their section names.
  std::vector<std::string> ListaBancos;
  std::vector<std::string> ListaSecoesBancos;
  std::string btLeRegistradorAutomaticoHint;
  bool btLeRegistradorAutomaticoDown = false;

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
  // The workbook link for the program's life: made by the spreadsheet feature at start-up, it
  // closes the workbook when the window goes.
  std::shared_ptr<LigacaoPlanilha> Planilha;
  bool GravandoComandos = false;  // the command file is being recorded; the recorder keeps it
  // The scripts' current value ("$ArmazenarRetorno" and the directives after it): kept for the life
  // of the program, across files and runs. TipoValorAtual is a parameter type code (0..10).
  std::string ValorAtual;
  int TipoValorAtual = 0;

  // Follow-up work attaches here: after each command the execute path carried out (by step, see
  // EtapaAposComando), and after the Connect toggle opened or closed the channel.
  Observadores<ComandoExecutado> AposComando;
  Observadores<EventoConexao> AposConexao;
  // After the register button switched automatic reading on or off.
  Observadores<EventoLeituraAutomatica> AposLeituraAutomatica;

  // Loads the driver library; the real DROVIK library unless replaced (tests).
  std::function<std::unique_ptr<Driver>()> CarregaDriver;

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

  // The command file is caminho, whatever its extension; its base name becomes the selected entry of
  // cbNomeArquivo.
  void DefineArquivoComandos(const std::string& caminho);

  void Observa(Observadores<Alteracao>::Observador observador) { alteracoes_.Observa(std::move(observador)); }
  void Notifica(Alteracao alteracao) const { alteracoes_.Notifica(alteracao); }

 private:
  void AcoesDeProjeto();

  Observadores<Alteracao> alteracoes_;
};

}  // namespace tarnel
