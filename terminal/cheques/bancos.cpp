#include "cheques/bancos.h"

#include <set>

#include "compat/path.h"
#include "compat/profile.h"

namespace tarnel {

const char kArquivoBancos[] = "CHEQUES.INI";

const char* const kPosicoesCheque[kTotalPosicoesCheque] = {
    "HPosAno",         "HPosCidade",        "HPosDia",           "HPosExtensoLinha1", "HPosExtensoLinha2",
    "HPosFavorecido",  "HPosMes",           "HPosMsgLinha1",     "HPosValor",         "VPosCidade",
    "VPosExtensoLinha1", "VPosExtensoLinha2", "VPosFavorecido",  "VPosMsgLinha1",     "VPosValor",
};

namespace {
constexpr int kUltimoBanco = 999;
constexpr std::size_t kBufferObservacao = 120;  // the description's buffer: 119 characters and the end
}  // namespace

std::string CaminhoArquivoBancos() { return compat::join_path(compat::current_folder(), kArquivoBancos); }

std::string ObservacaoBanco(const std::string& secao) {
  char texto[kBufferObservacao];
  const std::size_t lidos =
      compat::profile_read_string(CaminhoArquivoBancos(), secao, "Observacao", "", texto, sizeof texto);
  return std::string(texto, lidos);
}

PosicoesCheque PosicoesBanco(const std::string& secao) {
  PosicoesCheque posicoes{};
  const std::string arquivo = CaminhoArquivoBancos();
  for (int i = 0; i < kTotalPosicoesCheque; ++i)
    posicoes[i] = compat::profile_int(arquivo, secao, kPosicoesCheque[i], -1);
  return posicoes;
}

void CarregaBancos(TfrmMain& frm) {
  frm.ListaBancos.clear();
  frm.ListaSecoesBancos.clear();
  const std::string arquivo = CaminhoArquivoBancos();
  if (!compat::file_exists(arquivo)) return;
  // Only the sections the file has are asked for; the order stays the banks' numbers.
  const std::vector<std::string> nomes = compat::profile_sections(arquivo);
  const std::set<std::string> secoes(nomes.begin(), nomes.end());
  for (int numero = 0; numero <= kUltimoBanco; ++numero) {
    const std::string secao = std::to_string(numero);
    if (secoes.count(secao) == 0) continue;
    const std::string observacao = ObservacaoBanco(secao);
    if (observacao.empty()) continue;
    frm.ListaBancos.push_back("Banco " + secao + " - " + observacao);
    frm.ListaSecoesBancos.push_back(secao);
  }
}

}  // namespace tarnel
