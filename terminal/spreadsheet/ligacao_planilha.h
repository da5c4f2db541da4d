// The workbook link: the open application and workbook, the state of the mirroring kept between
// commands, and the value operations the mirroring, the X-reading check and the scripts use. The
// window model holds one for the program's life (TfrmMain::Planilha).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "spreadsheet/planilha.h"
#include "window/mainfrm.h"
#include "window/mostraerros.h"

namespace tarnel {

// The workbook's file name, opened from the current folder.
extern const char kArquivoPlanilha[];  // "PlanilhaECF.xls"

// What the mirroring remembers from one command to the next.
struct MemoriaEspelhamento {
  bool UltimoItemNaoFiscal = false;
  std::int32_t SinalUltimoAcrescimo = 0;
  std::int32_t UltimoItemAcrescido = 0;
};

class LigacaoPlanilha {
 public:
  // motor: the engine's name as chosen; motivo: why that engine gives no application here (told when
  // a connection fails for want of one).
  explicit LigacaoPlanilha(FabricaPlanilha fabrica, std::string motor = "", std::string motivo = "")
      : fabrica_(std::move(fabrica)), motor_(std::move(motor)), motivo_(std::move(motivo)) {}
  // Closes the workbook (saving it) when still connected.
  ~LigacaoPlanilha();
  LigacaoPlanilha(const LigacaoPlanilha&) = delete;
  LigacaoPlanilha& operator=(const LigacaoPlanilha&) = delete;

  bool Conectada() const { return planilha_ != nullptr; }
  // The backend in use ("motor embutido", "Excel"); the chosen engine's name while not connected.
  std::string NomeMotor() const { return planilha_ ? planilha_->NomeMotor() : motor_; }

  // The macro references, rebuilt from the active workbook's name before each operation.
  void RefazReferencias();
  const std::string& Referencia(const char* macro) const;

  bool DefineValor(const std::string& nome, const ValorPlanilha& valor);
  // The value read, and whether StatusLeitura says the name was found. When the name is there but
  // its value could not be computed, motivo (when given) says why; else it is emptied.
  bool ObtemValor(const std::string& nome, ValorPlanilha& valor, std::string* motivo = nullptr);
  // The value as a number, 0 when the name was not found.
  double LeNumero(const std::string& nome);
  // Rounded or cut to the workbook's decimals by its macros; x itself when the macro fails.
  double NBR5891(double x);
  double Trunca(double x);
  bool LimpaAreaDadosCupom();

  std::int32_t ItemAtual = 1;
  std::int32_t LimiteItens = 0;
  MemoriaEspelhamento Memoria;
  TfrmErros Erros;  // the error list the check and the totalizers fill

 private:
  friend void ConexaoExcel(TfrmMain& frm);
  ResultadoMacro Executa(const char* macro, std::vector<ValorPlanilha> argumentos);
  void DefineReferencias(const std::string& pasta);
  // Saves the workbook first unless salva is false (already saved), then closes it.
  void Fecha(bool salva = true);

  FabricaPlanilha fabrica_;
  std::string motor_, motivo_;
  std::unique_ptr<Planilha> planilha_;
  std::string pasta_referencias_;
  std::vector<std::pair<std::string, std::string>> referencias_;  // macro -> reference
};

// The link of the window, made with a factory that gives no application when none was installed.
LigacaoPlanilha& Ligacao(TfrmMain& frm);
// Installs the link of the window with the application factory it will use.
void InstalaLigacao(TfrmMain& frm, std::unique_ptr<LigacaoPlanilha> ligacao);

// The action ConexaoExcel: connects when not connected (the workbook from the current folder), and
// disconnects otherwise; failures are told in a message box and leave the link closed.
void ConexaoExcel(TfrmMain& frm);
// Connects when not connected; true when connected then.
bool ConectaSeNecessario(TfrmMain& frm);

// Adds n to the workbook's "delta" + nome, connecting first when needed (silently nothing when that
// fails).
void AcresceDelta(TfrmMain& frm, const std::string& nome, std::int32_t n);

}  // namespace tarnel
