// Excel through OLE Automation, late bound: the application by its ProgID, its workbooks, and the
// active workbook's defined names (Names(nome).RefersToRange) as the view the macros work on.
// Windows only.
#pragma once
#ifdef _WIN32

#include <string>

#include "spreadsheet/excel/ole_dispatch.h"
#include "spreadsheet/planilha_sobre_nomes.h"

namespace tarnel {

// The active workbook's names, reached afresh at every call (the person may switch workbooks).
class PastaExcel : public PastaNomes {
 public:
  explicit PastaExcel(const OleObject& aplicacao) : aplicacao_(aplicacao) {}

  int TamanhoNome(const std::string& nome) const override;
  bool LeCelula(const std::string& nome, int i, ValorPlanilha& valor, std::string& erro) override;
  bool EscreveCelula(const std::string& nome, int i, const ValorPlanilha& valor) override;

 private:
  // The range the name refers to and its number of cells; false when there is none.
  bool Faixa(const std::string& nome, OleObject& faixa, long& total) const;
  // Cell i of the name's range (Cells(i + 1), row by row); false when there is none.
  bool Celula(const std::string& nome, int i, OleObject& celula) const;

  const OleObject& aplicacao_;
};

class PlanilhaExcel : public PlanilhaSobreNomes {
 public:
  // Starts a new Excel; when that fails, nothing opens and Erro() says why.
  PlanilhaExcel();
  ~PlanilhaExcel() override;

  void DesativaAlertas() override;
  void AbrePasta(const std::string& caminho) override;
  int ContaPastas() const override;
  void DefineVisivel(bool visivel) override;
  std::string NomePastaAtiva() const override;
  bool Salva() override;
  void FechaPastas() override;
  std::string Erro() const override { return erro_; }
  std::string NomeMotor() const override { return "Excel"; }

 protected:
  PastaNomes* PastaAtiva() override;

 private:
  bool Workbooks(OleObject& pastas) const;

  bool com_iniciado_ = false;
  OleObject aplicacao_;
  PastaExcel pasta_{aplicacao_};
  std::string erro_;
};

}  // namespace tarnel

#endif
