// The emulated printer's whole persistent state: identity, tables, counters, the documents of the
// current day (day totals are computed from them), the document in issue and the fiscal memory.
// Amounts are integers in cents, quantities in thousandths, unit prices in thousandths of a unit.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fiscal/reducao.h"

namespace ecf {

constexpr int kTotalMeiosPagamento = 15;
constexpr int kTotalDepartamentos = 20;
constexpr int kTotalNaoFiscais = 15;
constexpr int kTotalGerenciais = 20;

// Tax situations that are not programmable aliquots (codes of CodAliquota).
enum CodigoTributo : std::int32_t {
  kSubstituicaoICMS = -2,
  kIsentoICMS = -3,
  kNaoTributadoICMS = -4,
  kSubstituicaoISSQN = -11,
  kIsentoISSQN = -12,
  kNaoTributadoISSQN = -13,
};

struct Aliquota {
  bool definida = false;
  bool icms = true;
  std::int32_t percentual = 0;  // hundredths of a percent: 1800 = 18,00 %
  std::string descricao;
};

struct MeioPagamento {
  bool definido = false;
  std::string nome;
  std::string descricao;
  bool permite_vinculado = false;
};

struct Departamento {
  bool definido = false;
  std::string nome;
  std::string descricao;
};

struct NaoFiscal {
  bool definido = false;
  std::string nome;
  std::string descricao;
  bool entrada = true;  // TipoNaoFiscal: money comes in (true) or goes out (false)
};

struct Gerencial {
  bool definido = false;
  std::string nome;
  std::string descricao;
};

// An increase (positive) or discount (negative) on an item or on the subtotal.
struct Ajuste {
  bool existe = false;
  bool cancelado = false;
  std::int64_t valor = 0;       // cents, signed
  std::int32_t percentual = 0;  // hundredths of a percent when given as a percentage, else 0
};

struct ItemDocumento {
  std::string codigo;
  std::string descricao;
  std::string unidade;
  std::int32_t tributo = 0;        // aliquot index 0..15 or a CodigoTributo; non-fiscal: totalizer index
  std::int32_t departamento = -1;  // -1 = none
  std::int64_t quantidade = 0;     // thousandths
  std::int64_t preco = 0;          // thousandths of a unit of money
  std::int64_t total = 0;          // cents: quantidade x preco truncated
  std::int64_t quantidade_cancelada = 0;
  std::int64_t valor_cancelado = 0;  // cents
  Ajuste ajuste;
};

struct Pagamento {
  std::int32_t meio = 0;   // index in the means table
  std::int64_t valor = 0;  // cents, signed (reversals move money out of a means)
  std::string texto;
};

enum class TipoDocumento : std::uint8_t {
  kNenhum = 0,
  kCupomFiscal = 1,
  kNaoFiscal = 2,
  kGerencial = 3,
  kCreditoDebito = 4,
  kEstornoCreditoDebito = 5,
  kEstornoMeioPagamento = 6,
  kLeituraX = 7,
  kReducaoZ = 8,
  kLeituraMF = 9,
  kLeituraMFD = 10,
  kCancelamento = 11,  // the coupon that cancels the last closed document
};

// Where a sale document stands.
enum class FaseDocumento : std::uint8_t {
  kItens = 0,       // items may be sold
  kSubtotal = 1,    // subtotal adjusted: no more items
  kPagamento = 2,   // partly paid
  kPago = 3,        // fully paid: only closing
  kEncerrado = 4,
};

struct Documento {
  TipoDocumento tipo = TipoDocumento::kNenhum;
  FaseDocumento fase = FaseDocumento::kItens;
  std::uint32_t coo = 0;
  std::uint32_t contador = 0;  // CCF, GNF, GRG or CDC of the document, by type
  std::int32_t data = 0;       // yyyymmdd
  std::int32_t hora = 0;       // seconds of the day
  bool cancelado = false;
  std::string consumidor_id;
  std::string consumidor_nome;
  std::string consumidor_endereco;
  std::vector<ItemDocumento> itens;
  Ajuste ajuste_subtotal;
  std::vector<Pagamento> pagamentos;
  std::int32_t indice = -1;        // managerial report or linked means of payment
  std::uint32_t coo_vinculado = 0;  // CDC and reversal: the coupon or voucher referred to
  std::int64_t valor = 0;           // CDC and means reversal: the amount
  std::int32_t parcelas = 0;
  std::int32_t vias = 0;            // CDC copies printed
  std::string operador;
};

struct Contadores {
  std::uint32_t coo = 0, ccf = 0, gnf = 0, grg = 0, cdc = 0, cfc = 0, cfd = 0, nfc = 0, crz = 0, cro = 1, ncn = 0;
  std::array<std::uint32_t, kTotalNaoFiscais> con{};
  std::array<std::uint32_t, kTotalGerenciais> cer{};
  std::uint32_t proprietarios = 1;
  std::uint32_t reinicios = 0;  // restarts since the last Z
};

struct Estado {
  // Identity and owner.
  std::string numero_serie = "EMUL000001";
  std::string numero_serie_mfd;
  std::string cnpj;
  std::string ie;
  std::string im;
  std::uint32_t senha = 0;
  std::uint32_t ecf = 1;
  std::uint32_t loja = 1;
  std::string cabecalho;
  std::string logotipo;
  std::uint32_t logotipo_altura = 0, logotipo_largura = 0;

  // Clock: host clock plus this many seconds; summer time moves it by an hour.
  std::int64_t desvio_relogio = 0;
  bool horario_verao = false;
  std::int32_t data_acerto_verao = 0;  // last date summer time was switched

  // Settings.
  std::int32_t tempo_gaveta = 100;
  std::int32_t contraste_bobina = 5, contraste_pagina = 5;
  std::int32_t espacamento_linhas = 0, espacamento_documentos = 0;
  bool cupom_adicional = false;
  std::string texto_livre;
  std::string moeda_singular = "Real", moeda_plural = "Reais", simbolo_moeda = "R$";

  // Tables.
  std::array<Aliquota, kTotalAliquotas> aliquotas{};
  std::array<MeioPagamento, kTotalMeiosPagamento> meios{};
  std::array<Departamento, kTotalDepartamentos> departamentos{};
  std::array<NaoFiscal, kTotalNaoFiscais> nao_fiscais{};
  std::array<Gerencial, kTotalGerenciais> gerenciais{};
  std::int32_t meio_dinheiro = 0;  // index of the cash means

  Contadores contadores;

  // Day.
  std::int32_t data_abertura = 0;     // date of the first document of the day; 0 = day not opened
  std::uint32_t coo_inicio_dia = 0;
  std::int32_t data_ultima_z = 0;     // a Z on this date closes the day until the date changes
  std::int64_t gt_inicial = 0;        // GT when the day began
  std::vector<Documento> documentos;  // documents since the last Z, in order; the last may be open
  TipoDocumento ultimo_tipo = TipoDocumento::kNenhum;
  std::uint32_t ultimo_coo = 0;
  std::int32_t data_ultimo_doc = 0, hora_ultimo_doc = 0;
  std::uint32_t coo_ultimo_item = 0;  // ContadorDocUltimoItemVendido
  std::int64_t segundos_emitindo = 0;  // TempoEmitindoDocFiscal
  std::int64_t inicio_operacao = 0;    // printer clock when it was first switched on (TempoOperacional)
  std::int32_t autenticacoes = 0;      // of the last coupon

  // The last CDC issued, for reprinting.
  std::uint32_t ultimo_cdc_coo = 0;
  std::int32_t reimpressoes_cdc = 0;

  // The last Z's record (none before the first Z). Every Z is in the fiscal memory, which grows
  // in its own file; the state, rewritten at every command, keeps only what the registers read.
  std::vector<RegistroReducao> reducoes;
};

// A fresh printer as a technician hands it to a shop.
Estado EstadoInicial();

}  // namespace ecf
