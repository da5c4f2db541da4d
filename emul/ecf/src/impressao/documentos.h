// The printed text of every document the printer issues, built from plain data so the fiscal core
// only says what happened and these functions say how it looks on paper. A document is printed in
// steps as its commands arrive (opening, items, payments, closing): each function returns the text
// of one step, and the steps of one document joined give the whole document. Amounts are in cents,
// quantities and unit prices in thousandths, percentages in hundredths of a percent.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "fiscal/resumo_fiscal.h"

namespace ecf::impressao {

// A moment of the printer's clock.
struct Instante {
  std::int32_t data = 0;  // yyyymmdd
  std::int32_t hora = 0;  // seconds of the day
};

// Who the printer belongs to and what it is: the top and the bottom of every document.
struct Estabelecimento {
  std::string texto_cabecalho;  // shop name and address as defined; line breaks start new lines
  std::string cnpj;
  std::string inscricao_estadual;
  std::string inscricao_municipal;
  unsigned loja = 1;
  unsigned ecf = 1;
  std::string numero_serie;  // the printer's fabrication number
  std::string marca;
  std::string modelo;
  std::string versao_sw;
};

struct Consumidor {
  std::string id;  // CPF or CNPJ
  std::string nome;
  std::string endereco;
  bool Vazio() const { return id.empty() && nome.empty() && endereco.empty(); }
};

// Bottom of a document.
struct Rodape {
  std::string texto_promocional;
  std::string operador;
  std::vector<std::pair<std::string, std::uint32_t>> contadores;  // e.g. {"CCF", 12}, printed in order
  Instante emissao;                                               // when the document closed
};

// Header of every document: a paper feed, the shop's lines, CNPJ/IE/IM, date, time and COO.
std::string FormataCabecalho(const Estabelecimento& estabelecimento, const Instante& emissao, std::uint32_t coo);
std::string FormataRodape(const Estabelecimento& estabelecimento, const Rodape& rodape);

// ---- Fiscal coupon and non-fiscal receipt ----

struct ItemVendido {
  unsigned numero = 0;
  std::string codigo;
  std::string descricao;
  std::int64_t quantidade = 0;      // thousandths
  std::string unidade;
  std::int64_t preco_unitario = 0;  // thousandths of the currency
  std::string situacao;             // tax situation as printed, see Situacao()
  std::int64_t total = 0;           // cents
};

// "T18,00%" for ICMS, "S05,00%" for ISSQN.
std::string Situacao(bool icms, std::int32_t percentual);

std::string FormataConsumidor(const Consumidor& consumidor);
std::string FormataAberturaCupomFiscal(const Consumidor& consumidor);
std::string FormataItem(const ItemVendido& item);
// An increase (valor > 0) or a discount (valor < 0) on an item; percentual 0 when given as a value.
std::string FormataAcrescimoItem(unsigned numero_item, std::int64_t valor, std::int32_t percentual);
std::string FormataCancelamentoAcrescimoItem(unsigned numero_item, std::int64_t valor);
// Whole cancellation (quantidade 0) or of a quantity in thousandths; valor is what leaves the total.
std::string FormataCancelamentoItem(unsigned numero_item, std::int64_t quantidade, std::int64_t valor);
std::string FormataAcrescimoSubtotal(std::int64_t subtotal, std::int64_t valor, std::int32_t percentual);
std::string FormataCancelamentoAcrescimoSubtotal(std::int64_t valor);
std::string FormataTotal(std::int64_t total);
std::string FormataPagamento(const std::string& meio, std::int64_t valor, const std::string& texto_adicional);
std::string FormataTroco(std::int64_t troco);
// An open coupon or receipt cancelled before its end.
std::string FormataDocumentoCancelado(std::int64_t total);
// The document that cancels the last closed coupon.
std::string FormataCancelamentoCupomAnterior(std::uint32_t coo_cancelado, std::uint32_t ccf_cancelado,
                                             std::int64_t total);

std::string FormataAberturaNaoFiscal(const Consumidor& consumidor);
std::string FormataItemNaoFiscal(unsigned numero, const std::string& totalizador, std::int64_t valor);
std::string FormataEstornoMeioPagamento(const std::string& origem, const std::string& destino, std::int64_t valor);

// ---- Managerial report and credit/debit voucher ----

std::string FormataAberturaGerencial(unsigned indice, const std::string& nome);
std::string FormataTextoLivre(const std::string& texto);

enum class Via { kPrimeira, kSegunda, kReimpressao };

struct ComprovanteCreditoDebito {
  std::uint32_t coo_vinculado = 0;  // the coupon whose payment it proves
  std::string meio_pagamento;
  std::int64_t valor = 0;
  unsigned parcelas = 1;
  Via via = Via::kPrimeira;
};

std::string FormataAberturaCreditoDebito(const ComprovanteCreditoDebito& comprovante);
std::string FormataEstornoCreditoDebito(std::uint32_t coo_comprovante, const std::string& meio, std::int64_t valor);

// ---- Slips: printed on a form the operator inserts, not on the roll ----

struct Autenticacao {
  std::uint32_t coo = 0;  // the document authenticated
  std::pair<std::string, std::uint32_t> contador;  // its own counter, e.g. {"CCF", 12}
  Instante emissao;       // when that document was issued
  std::int64_t valor = 0;
  std::string texto;      // the host's text, printed after the printer's own line
};

struct Cheque {
  std::int64_t valor = 0;
  std::string moeda_singular = "Real", moeda_plural = "Reais";
  std::string favorecido;
  std::string cidade;
  std::int32_t data = 0;  // yyyymmdd
  std::vector<std::string> mensagens;
};

std::string FormataAutenticacao(const Estabelecimento& estabelecimento, const Autenticacao& autenticacao);
// The cheque's face: value, value in words, payee, place and date, messages.
std::string FormataCheque(const Cheque& cheque);
// The endorsement on the back of a cheque.
std::string FormataChancela(const std::string& texto);
// Two parallel lines across the cheque with up to three lines of text between them.
std::string FormataCruzamento(const std::vector<std::string>& linhas);

// ---- Readings ----

// One aliquot's sales of the day or of a period, with its tax when the reading shows it.
struct TotalAliquota {
  unsigned indice = 0;          // slot 0..15
  bool icms = true;             // false: ISSQN
  std::int32_t percentual = 0;  // hundredths of a percent (1800 = 18,00 %)
  std::int64_t valor = 0;       // cents
  std::int64_t imposto = 0;     // cents; shown by the X and Z readings, not kept in the fiscal memory
};

// A named partial total: means of payment, non-fiscal totaliser (CON), managerial report (CER),
// department (with quantity).
struct TotalNomeado {
  unsigned indice = 0;
  std::string nome;
  std::int64_t valor = 0;
  std::uint32_t contador = 0;
  std::int64_t quantidade = 0;  // thousandths; departments only
};

struct Contadores {
  std::uint32_t coo = 0, ccf = 0, gnf = 0, grg = 0, cdc = 0, cfc = 0, cfd = 0, nfc = 0, crz = 0, cro = 0;
  std::uint32_t coo_inicial = 0;  // first COO of the day
};

// The day's totals as the X reading shows them and the Z reduction closes them; every figure is the
// fiscal core's own (the matching TotalDia... register), nothing is recomputed for printing.
struct TotaisDia : ResumoFiscal {
  std::int32_t movimento = 0;  // the day being read, yyyymmdd
  std::int64_t gt = 0;
  std::int64_t issqn = 0;  // sales under ISSQN
  std::vector<TotalAliquota> aliquotas;  // the defined aliquots, ICMS and ISSQN
  std::vector<TotalNomeado> meios_pagamento;
  std::int64_t troco = 0;
  std::vector<TotalNomeado> nao_fiscais;
  std::int64_t descontos_nao_fiscais = 0, acrescimos_nao_fiscais = 0, cancelamentos_nao_fiscais = 0;
  std::int64_t operacoes_nao_fiscais = 0;
  std::vector<TotalNomeado> gerenciais;
  std::vector<TotalNomeado> departamentos;
  Contadores contadores;
};

// Whole documents, header and footer included.
std::string FormataLeituraX(const Estabelecimento& estabelecimento, const Instante& emissao,
                            const TotaisDia& totais, const Rodape& rodape);
std::string FormataReducaoZ(const Estabelecimento& estabelecimento, const Instante& emissao,
                            const TotaisDia& totais, const Rodape& rodape);

}  // namespace ecf::impressao
