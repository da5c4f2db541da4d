// Fiscal-memory reading: owners, then each Z of the range (complete) or one line per Z
// (simplified), then the totals of the period.
#include "impressao/leituras_memoria.h"
#include "impressao/resumo_impresso.h"
#include "impressao/texto_impresso.h"
#include "protocolo/valores.h"

namespace ecf::impressao {

namespace {

// A Z of a day without any document has no movement date; the column keeps its width.
std::string DataMovimento(std::int32_t movimento) { return movimento ? FormataData(movimento) : "SEM MOVTO."; }

// The figures a fiscal-memory reading shows for one Z or for the sum of several. An aliquot slot
// redefined between reductions shows one line per definition.
struct TotalReducoes : ResumoFiscal {
  std::int64_t issqn = 0;
  std::int64_t operacoes_nao_fiscais = 0;
  std::vector<TotalAliquota> aliquotas;
};

void Faixa(TextoImpresso& t, const FaixaMF& f) {
  if (f.por_data) {
    t.Colunas("DATA INICIAL: " + FormataData(f.data_inicial), "DATA FINAL: " + FormataData(f.data_final));
  } else {
    t.Colunas("REDUÇÃO INICIAL: " + Numero(f.reducao_inicial, 4), "REDUÇÃO FINAL: " + Numero(f.reducao_final, 4));
  }
}

void Proprietarios(TextoImpresso& t, const memorias::MemoriaFiscal& memoria) {
  t.Secao("PROPRIETÁRIOS");
  for (const memorias::RegistroProprietario& p : memoria.Proprietarios()) {
    t.Colunas(Numero(p.numero, 2) + " CNPJ:" + p.cnpj, FormataData(p.data));
    t.Colunas("   IE:" + p.inscricao_estadual, p.inscricao_municipal.empty() ? "" : "IM:" + p.inscricao_municipal);
  }
}

// The period's totals: amounts added up, aliquots matched by slot, kind and percentage.
TotalReducoes Soma(const RegistroReducao* inicio, const RegistroReducao* fim) {
  TotalReducoes s;
  for (const RegistroReducao* r = inicio; r != fim; ++r) {
    s.Soma(*r);
    s.issqn = SomaLimitada(s.issqn, r->VendasISSQN());
    s.operacoes_nao_fiscais = SomaLimitada(s.operacoes_nao_fiscais, r->operacoes_nao_fiscais);
    for (std::size_t k = 0; k < kTotalAliquotas; ++k) {
      const AliquotaReducao& a = r->aliquotas[k];
      if (!a.definida) continue;
      bool somada = false;
      for (TotalAliquota& b : s.aliquotas) {
        if (b.indice == k && b.icms == a.icms && b.percentual == a.percentual) {
          b.valor = SomaLimitada(b.valor, a.valor);
          somada = true;
        }
      }
      if (!somada) s.aliquotas.push_back({static_cast<unsigned>(k), a.icms, a.percentual, a.valor, 0});
    }
  }
  return s;
}

// Sales figures of one Z, or of the sum of several.
void Valores(TextoImpresso& t, const TotalReducoes& r) {
  t.Colunas("VENDA BRUTA", Valor(r.venda_bruta));
  ImprimeDeducoes(t, r);
  t.Colunas("VENDA LÍQUIDA", Valor(r.VendaLiquida()));
  for (const TotalAliquota& a : r.aliquotas)
    t.Colunas(Numero(a.indice, 2) + " " + Situacao(a.icms, a.percentual), Valor(a.valor));
  ImprimeForaDasAliquotas(t, r, true);
  t.Colunas("VENDAS ISSQN", Valor(r.issqn));
  ImprimeForaDasAliquotas(t, r, false);
  t.Colunas("OPERAÇÕES NÃO FISCAIS", Valor(r.operacoes_nao_fiscais));
}

}  // namespace

std::vector<RegistroReducao> SelecionaReducoes(const memorias::MemoriaFiscal& memoria, const FaixaMF& faixa) {
  return faixa.por_data ? memoria.ReducoesPorData(faixa.data_inicial, faixa.data_final)
                        : memoria.ReducoesPorNumero(faixa.reducao_inicial, faixa.reducao_final);
}

std::string FormataLeituraMF(const Estabelecimento& estabelecimento, const Instante& emissao, std::uint32_t coo,
                             const memorias::MemoriaFiscal& memoria, const FaixaMF& faixa, const Rodape& rodape) {
  const std::vector<RegistroReducao> reducoes = SelecionaReducoes(memoria, faixa);
  TextoImpresso t;
  t.Acrescenta(FormataCabecalho(estabelecimento, emissao, coo));
  t.Centro("LEITURA DA MEMÓRIA FISCAL", true);
  t.Centro(faixa.simplificada ? "SIMPLIFICADA" : "COMPLETA");
  Faixa(t, faixa);
  Proprietarios(t, memoria);
  t.Secao("REDUÇÕES");
  if (reducoes.empty()) t.Centro("NÃO HÁ REDUÇÕES NO PERÍODO");
  if (faixa.simplificada && !reducoes.empty()) t.Colunas("CRZ  COO    MOVIMENTO", "VENDA BRUTA");
  for (const RegistroReducao& r : reducoes) {
    if (faixa.simplificada) {
      t.Colunas(Numero(r.crz, 4) + " " + Numero(r.coo, 6) + " " + DataMovimento(r.movimento), Valor(r.venda_bruta));
      continue;
    }
    t.Colunas("CRZ:" + Numero(r.crz, 4) + " COO:" + Numero(r.coo, 6) + " CRO:" + Numero(r.cro, 3),
              DataMovimento(r.movimento), true);
    t.Colunas("EMITIDA EM", FormataData(r.data) + " " + FormataHora(r.hora));
    t.Colunas("GRANDE TOTAL", Valor(r.gt));
    Valores(t, Soma(&r, &r + 1));
    t.Separador();
  }
  if (!reducoes.empty()) {
    t.Secao("TOTAL DO PERÍODO");
    t.Colunas("REDUÇÕES NO PERÍODO", std::to_string(reducoes.size()));
    Valores(t, Soma(reducoes.data(), reducoes.data() + reducoes.size()));
    t.Colunas("GRANDE TOTAL FINAL", Valor(reducoes.back().gt), true);
  }
  t.Acrescenta(FormataRodape(estabelecimento, rodape));
  return t.Extrai();
}

}  // namespace ecf::impressao
