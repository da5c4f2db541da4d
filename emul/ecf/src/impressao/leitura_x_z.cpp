// X reading and Z reduction: the day's totals, per aliquot, per means of payment and the counters.
#include "impressao/documentos.h"
#include "impressao/resumo_impresso.h"
#include "impressao/texto_impresso.h"
#include "protocolo/valores.h"

namespace ecf::impressao {

namespace {

void Aliquotas(TextoImpresso& t, const TotaisDia& d, bool icms) {
  std::int64_t valor = 0, imposto = 0;
  for (const TotalAliquota& a : d.aliquotas) {
    if (a.icms != icms) continue;
    t.Colunas(Numero(a.indice, 2) + " " + Situacao(a.icms, a.percentual), Valor(a.valor) + Direita(Valor(a.imposto), 14));
    valor += a.valor;
    imposto += a.imposto;
  }
  ImprimeForaDasAliquotas(t, d, icms);
  const char* sufixo = icms ? " ICMS" : " ISSQN";
  t.Colunas(std::string("TOTAL TRIBUTADO") + sufixo, Valor(valor));
  t.Colunas(std::string("IMPOSTO") + sufixo, Valor(imposto));
}

void Nomeados(TextoImpresso& t, const std::vector<TotalNomeado>& lista, const char* contador, bool quantidade) {
  for (const TotalNomeado& n : lista) {
    std::string direita;
    if (contador) direita = std::string(contador) + ":" + Numero(n.contador, 4) + "  ";
    if (quantidade) direita = Milesimos(n.quantidade) + "  ";
    direita += Valor(n.valor);
    t.Colunas(Numero(n.indice, 2) + " " + n.nome, direita);
  }
}

std::string Corpo(const TotaisDia& d) {
  TextoImpresso t;
  t.Secao("TOTALIZADORES");
  t.Colunas("GRANDE TOTAL", Valor(d.gt));
  t.Colunas("VENDA BRUTA DIÁRIA", Valor(d.venda_bruta));
  ImprimeDeducoes(t, d);
  t.Colunas("VENDAS ISSQN", Valor(d.issqn));
  t.Colunas("VENDA LÍQUIDA", Valor(d.VendaLiquida()), true);
  t.Secao("ICMS");
  Aliquotas(t, d, true);
  t.Secao("ISSQN");
  Aliquotas(t, d, false);
  t.Secao("MEIOS DE PAGAMENTO");
  Nomeados(t, d.meios_pagamento, nullptr, false);
  t.Colunas("TROCO", Valor(d.troco));
  t.Secao("NÃO FISCAIS");
  Nomeados(t, d.nao_fiscais, "CON", false);
  t.Colunas("DESCONTOS NÃO FISCAIS", ValorComSinal(-d.descontos_nao_fiscais));
  t.Colunas("ACRÉSCIMOS NÃO FISCAIS", ValorComSinal(d.acrescimos_nao_fiscais));
  t.Colunas("CANCELAMENTOS NÃO FISCAIS", ValorComSinal(-d.cancelamentos_nao_fiscais));
  t.Colunas("TOTAL NÃO FISCAL", Valor(d.operacoes_nao_fiscais));
  if (!d.gerenciais.empty()) {
    t.Secao("RELATÓRIOS GERENCIAIS");
    Nomeados(t, d.gerenciais, "CER", false);
  }
  if (!d.departamentos.empty()) {
    t.Secao("DEPARTAMENTOS");
    Nomeados(t, d.departamentos, nullptr, true);
  }
  const Contadores& c = d.contadores;
  t.Secao("CONTADORES");
  t.Colunas("COO INICIAL:" + Numero(c.coo_inicial, 6), "COO FINAL:" + Numero(c.coo, 6));
  t.Colunas("CCF:" + Numero(c.ccf, 6) + "  GNF:" + Numero(c.gnf, 6), "GRG:" + Numero(c.grg, 6));
  t.Colunas("CDC:" + Numero(c.cdc, 4) + "  CFC:" + Numero(c.cfc, 4) + "  CFD:" + Numero(c.cfd, 4),
            "NFC:" + Numero(c.nfc, 4));
  t.Colunas("CRZ:" + Numero(c.crz, 4), "CRO:" + Numero(c.cro, 3));
  return t.Extrai();
}

}  // namespace

std::string FormataLeituraX(const Estabelecimento& estabelecimento, const Instante& emissao,
                            const TotaisDia& totais, const Rodape& rodape) {
  TextoImpresso t;
  t.Acrescenta(FormataCabecalho(estabelecimento, emissao, totais.contadores.coo));
  t.Centro("LEITURA X", true);
  t.Acrescenta(Corpo(totais));
  t.Acrescenta(FormataRodape(estabelecimento, rodape));
  return t.Extrai();
}

std::string FormataReducaoZ(const Estabelecimento& estabelecimento, const Instante& emissao,
                            const TotaisDia& totais, const Rodape& rodape) {
  TextoImpresso t;
  t.Acrescenta(FormataCabecalho(estabelecimento, emissao, totais.contadores.coo));
  t.Centro("REDUÇÃO Z", true);
  // A day closed without any document has no movement date.
  t.Centro(totais.movimento ? "MOVIMENTO DO DIA: " + FormataData(totais.movimento) : std::string("DIA SEM MOVIMENTO"));
  t.Acrescenta(Corpo(totais));
  t.Acrescenta(FormataRodape(estabelecimento, rodape));
  return t.Extrai();
}

}  // namespace ecf::impressao
