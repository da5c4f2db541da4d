// Managerial report and credit/debit voucher: free-text documents.
#include "impressao/documentos.h"
#include "impressao/texto_impresso.h"

namespace ecf::impressao {

std::string FormataAberturaGerencial(unsigned indice, const std::string& nome) {
  TextoImpresso t;
  t.Centro("RELATÓRIO GERENCIAL", true);
  t.Centro(Numero(indice, 2) + " " + nome);
  t.Separador();
  return t.Extrai();
}

std::string FormataTextoLivre(const std::string& texto) {
  TextoImpresso t;
  t.TextoLivre(texto);
  return t.Extrai();
}

std::string FormataAberturaCreditoDebito(const ComprovanteCreditoDebito& comprovante) {
  TextoImpresso t;
  t.Centro("COMPROVANTE CRÉDITO OU DÉBITO", true);
  if (comprovante.via == Via::kSegunda) t.Centro("SEGUNDA VIA");
  if (comprovante.via == Via::kReimpressao) t.Centro("REIMPRESSÃO");
  t.Separador();
  t.Colunas("COO DO DOCUMENTO VINCULADO:", Numero(comprovante.coo_vinculado, 6));
  t.Colunas(comprovante.meio_pagamento, Valor(comprovante.valor));
  if (comprovante.parcelas > 1) t.Linha("EM " + std::to_string(comprovante.parcelas) + " PARCELAS");
  t.Separador();
  return t.Extrai();
}

std::string FormataEstornoCreditoDebito(std::uint32_t coo_comprovante, const std::string& meio, std::int64_t valor) {
  TextoImpresso t;
  t.Centro("ESTORNO DE COMPROVANTE", true);
  t.Centro("CRÉDITO OU DÉBITO", true);
  t.Separador();
  t.Colunas("COO DO COMPROVANTE ESTORNADO:", Numero(coo_comprovante, 6));
  t.Colunas(meio, ValorComSinal(-valor));
  t.Separador();
  return t.Extrai();
}

}  // namespace ecf::impressao
