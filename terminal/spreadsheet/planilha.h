// The workbook port: what the link asks of a spreadsheet application, one instance per connection,
// in the order of one connection (create, alerts off, open, count, visible, run macros, active
// workbook's name, save, invisible, close, release). The backends are the embedded engine (every
// platform) and Excel through OLE Automation (Windows).
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "spreadsheet/pasta_nomes.h"
#include "spreadsheet/valor_planilha.h"

namespace tarnel {

// Result of running a macro. executada is false when the workbook has no such macro (or no workbook
// is open under the name the reference gives). erro is set when a value could not be computed (a
// formula the engine does not compute, with its sheet and cell); the value is then empty.
struct ResultadoMacro {
  bool executada = false;
  ValorPlanilha valor;
  std::string erro;
};

class Planilha {
 public:
  virtual ~Planilha() = default;  // releases the application instance

  virtual void DesativaAlertas() = 0;
  // Opens the workbook at caminho; a failure shows in ContaPastas() staying 0 and in Erro().
  virtual void AbrePasta(const std::string& caminho) = 0;
  virtual int ContaPastas() const = 0;
  virtual void DefineVisivel(bool visivel) = 0;
  // referencia is "'" + workbook name + "'!" + macro name; at most two arguments.
  virtual ResultadoMacro ExecutaMacro(const std::string& referencia, const std::vector<ValorPlanilha>& argumentos) = 0;
  virtual std::string NomePastaAtiva() const = 0;
  // Saves the active workbook under its own name; false when that failed (Erro() says why).
  virtual bool Salva() = 0;
  virtual void FechaPastas() = 0;

  // Why the last open or save failed, for the person; empty when nothing failed.
  virtual std::string Erro() const = 0;
  // The backend's name as the menu shows it ("motor embutido", "Excel").
  virtual std::string NomeMotor() const = 0;
};

// Makes a new application instance; null when none can be created (no Excel installed, say).
using FabricaPlanilha = std::function<std::unique_ptr<Planilha>()>;

}  // namespace tarnel
