// The embedded engine as a spreadsheet application: it opens one workbook file, computes it in
// memory and saves it back to the same file. Nothing is shown: being visible changes nothing.
#pragma once
#include <memory>
#include <string>

#include "compat/file_lock.h"
#include "spreadsheet/embutido/pasta_embutida.h"
#include "spreadsheet/planilha_sobre_nomes.h"

namespace tarnel {

class PlanilhaEmbutida : public PlanilhaSobreNomes {
 public:
  void DesativaAlertas() override {}
  void AbrePasta(const std::string& caminho) override;
  int ContaPastas() const override { return pasta_ != nullptr ? 1 : 0; }
  void DefineVisivel(bool) override {}
  std::string NomePastaAtiva() const override;
  bool Salva() override;
  void FechaPastas() override;
  std::string Erro() const override { return erro_; }
  std::string NomeMotor() const override;

 protected:
  PastaNomes* PastaAtiva() override { return pasta_.get(); }

 private:
  // Held while the workbook is open: two programs each saving their own copy of it would lose the
  // other's values, as Excel prevents by locking the file it has open.
  std::unique_ptr<compat::FileLock> trava_;
  std::unique_ptr<PastaEmbutida> pasta_;
  std::string caminho_;
  std::string erro_;
};

}  // namespace tarnel
