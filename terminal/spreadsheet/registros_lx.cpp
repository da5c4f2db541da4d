#include "spreadsheet/registros_lx.h"

#include <vector>

#include "quorbal/registradores.h"

namespace tarnel {
namespace {

using R = quorbal::Registrador;

// A run of the table: a plain register (total 0) or an indexed one with its number of indexes.
struct Trecho {
  R registrador;
  int total = 0;
};

const Trecho kTrechos[] = {
    {R::GT},
    {R::TotalDiaVendaBruta}, {R::TotalDiaCancelamentosICMS}, {R::TotalDiaDescontos}, {R::TotalDiaISSQN},
    {R::TotalDiaCancelamentosISSQN}, {R::TotalDiaVendaLiquida}, {R::TotalDiaAcrescimos},
    {R::TotalDiaValorAliquota, 16},
    {R::TotalDiaSubstituicaoTributariaICMS}, {R::TotalDiaIsencaoICMS}, {R::TotalDiaNaoTributadoICMS},
    {R::TotalDiaSubstituicaoTributariaISSQN}, {R::TotalDiaIsencaoISSQN}, {R::TotalDiaNaoTributadoISSQN},
    {R::TotalDiaMeioPagamento, 15},
    {R::TotalDiaDinheiro}, {R::TotalDiaTroco},
    {R::TotalDiaValorVendasDepartamento, 20},
    {R::TotalDiaQuantidadeVendasDepartamento, 20},
    {R::CON, 15},
    {R::TotalDiaNaoFiscal, 15},
    {R::CER, 20},
    {R::TotalDiaDescontosNaoFiscais}, {R::TotalDiaAcrescimosNaoFiscais}, {R::TotalDiaCancelamentosNaoFiscais},
    {R::TotalDiaOperacoesNaoFiscais},
    {R::COO}, {R::CRZ}, {R::CRO}, {R::GNF}, {R::CDC}, {R::NFC}, {R::GRG}, {R::CCF}, {R::CFC}, {R::CFD},
    {R::TotalDocBruto}, {R::TotalDocCancelamentoICMS}, {R::TotalDocDescontos}, {R::TotalDocISSQN},
    {R::TotalDocCancelamentoISSQN}, {R::TotalDocLiquido}, {R::TotalDocAcrescimos}, {R::TotalDocDinheiro},
    {R::TotalDocMeioPagamento, 15},
    {R::TotalDocValorPago}, {R::TotalDocTroco},
    {R::TotalDocAliquota, 16},
    {R::TotalDocSubstituicaoTributariaICMS}, {R::TotalDocIsencaoICMS}, {R::TotalDocNaoTributadoICMS},
    {R::TotalDocSubstituicaoTributariaISSQN}, {R::TotalDocIsencaoISSQN}, {R::TotalDocNaoTributadoISSQN},
    {R::TotalDiaImpostoAliquota, 16},
    {R::TotalDiaImpostoICMS}, {R::TotalDiaImpostoISSQN}, {R::TotalDiaValorTributadoICMS}, {R::TotalDiaValorTributadoISSQN},
    {R::TotalDocCancelamentosNaoFiscais},
};

std::vector<std::string> Monta() {
  std::vector<std::string> nomes;
  for (const Trecho& trecho : kTrechos) {
    const std::string nome = quorbal::kNomesRegistradores[quorbal::Indice(trecho.registrador)];
    if (trecho.total == 0) nomes.push_back(nome);
    for (int i = 0; i < trecho.total; ++i) nomes.push_back(nome + "[" + std::to_string(i) + "]");
  }
  return nomes;
}

}  // namespace

const std::string& RegistroLX(int k) {
  static const std::vector<std::string> kNomes = Monta();
  static const std::string kNenhum;
  return k >= 0 && k < static_cast<int>(kNomes.size()) ? kNomes[k] : kNenhum;
}

}  // namespace tarnel
