#include "spreadsheet/embutido/planilha_embutida.h"

#include "compat/path.h"

namespace tarnel {

namespace {

constexpr int kEsperaOcupada = 2000;  // ms another program's hold is waited for

// Beside the workbook, hidden: .PlanilhaECF.xls.lock.
std::string CaminhoTrava(const std::string& caminho) {
  return compat::folder_of(caminho) + "." + compat::base_name(caminho) + ".lock";
}

}  // namespace

void PlanilhaEmbutida::AbrePasta(const std::string& caminho) {
  erro_.clear();
  // One workbook at a time, as the link uses it: opening another replaces the first.
  FechaPastas();
  auto trava = std::make_unique<compat::FileLock>();
  switch (trava->acquire(CaminhoTrava(caminho), kEsperaOcupada)) {
    case compat::FileLock::Result::kBusy:
      erro_ = "A pasta está aberta em outro programa (outra janela do Tarnel ou um tarnel-cli): "
              "desconecte-a lá antes.";
      return;
    case compat::FileLock::Result::kRefused:
      erro_ = "A trava '" + CaminhoTrava(caminho) +
              "' não pode ser usada (é de outro usuário e sem leitura, é um link ou não é um arquivo): apague-a "
              "quando nenhum programa estiver usando a pasta.";
      return;
    default:
      break;
  }
  pasta_ = PastaEmbutida::Carrega(caminho, erro_);
  if (pasta_ == nullptr) return;
  caminho_ = caminho;
  trava_ = std::move(trava);
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
  trava_.reset();
}

std::string PlanilhaEmbutida::NomeMotor() const { return "motor embutido"; }

}  // namespace tarnel
