#include "spreadsheet/embutido/planilha_embutida.h"

#include "compat/path.h"

namespace tarnel {

void PlanilhaEmbutida::AbrePasta(const std::string& caminho) {
  erro_.clear();
  // One workbook at a time, as the link uses it: opening another replaces the first.
  pasta_ = PastaEmbutida::Carrega(caminho, erro_);
  caminho_ = pasta_ != nullptr ? caminho : std::string();
}

std::string PlanilhaEmbutida::NomePastaAtiva() const {
  return pasta_ != nullptr ? compat::base_name(caminho_) : std::string();
}

bool PlanilhaEmbutida::Salva() {
  erro_.clear();
  if (pasta_ == nullptr) {
    erro_ = "Nenhuma pasta aberta para gravar";
    return false;
  }
  return pasta_->Salva(caminho_, erro_);
}

void PlanilhaEmbutida::FechaPastas() {
  pasta_.reset();
  caminho_.clear();
}

std::string PlanilhaEmbutida::NomeMotor() const { return "motor embutido"; }

}  // namespace tarnel
