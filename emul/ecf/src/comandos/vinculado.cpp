// Documents without sale amounts: managerial reports, credit/debit vouchers and their reversal,
// and the reversal of a means of payment.
#include <algorithm>
#include <string>

#include "comandos/comandos.h"
#include "comandos/documento.h"
#include "comandos/tabelas.h"
#include "fiscal/situacao.h"
#include "fiscal/totais.h"
#include "protocolo/valores.h"

namespace ecf {

namespace {

constexpr std::int32_t kMaximoVias = 2;

// A closed fiscal coupon of the day by its COO.
const Documento* CupomDoDia(const Estado& e, std::uint32_t coo) {
  for (const Documento& d : e.documentos)
    if (d.coo == coo && d.tipo == TipoDocumento::kCupomFiscal) return &d;
  return nullptr;
}

// The last closed fiscal coupon of the day.
const Documento* UltimoCupom(const Estado& e) {
  for (auto it = e.documentos.rbegin(); it != e.documentos.rend(); ++it)
    if (it->tipo == TipoDocumento::kCupomFiscal) return &*it;
  return nullptr;
}

// What the coupon paid in a means less the vouchers already issued for it and not reversed.
std::int64_t ValorSemComprovante(const Estado& e, const Documento& cupom, std::int32_t meio) {
  std::int64_t livre = 0;
  for (const Pagamento& p : cupom.pagamentos)
    if (p.meio == meio) livre += p.valor;
  for (const Documento& d : e.documentos)
    if (d.tipo == TipoDocumento::kCreditoDebito && !d.cancelado && d.coo_vinculado == cupom.coo && d.indice == meio)
      livre -= d.valor;
  return livre;
}

// A voucher or its reversal: the document it refers to, the means of payment and the amount.
Documento& AbreVinculado(Sessao& s, TipoDocumento tipo, std::uint32_t coo_vinculado, std::int32_t meio,
                         std::int64_t valor) {
  std::int32_t i = AbreDocumento(s, tipo, true);
  Documento& d = s.estado.documentos[static_cast<std::size_t>(i)];
  d.coo_vinculado = coo_vinculado;
  d.indice = meio;
  d.valor = valor;
  return d;
}

}  // namespace

Falha AbreGerencial(Sessao& s) {
  if (Falha f = PodeAbrirDocumento(s)) return f;
  int indice = 0;  // the first report when none is named
  if (s.par.Tem(kGerenciais.par_codigo) || s.par.Tem(kGerenciais.par_nome)) {
    if (Falha f = Localiza(s, kGerenciais, true, indice)) return f;
  } else if (!s.estado.gerenciais[0].definido) {
    return Erro("ErroCMDGerencialNaoDefinido", "Informe CodGerencial ou NomeGerencial (o relatório 0 não está definido)");
  }
  std::int32_t i = AbreDocumento(s, TipoDocumento::kGerencial, true);
  s.estado.documentos[static_cast<std::size_t>(i)].indice = indice;
  s.estado.contadores.cer[static_cast<std::size_t>(indice)] += 1;
  return Ok();
}

Falha ImprimeTexto(Sessao& s) {
  Documento* d = DocumentoEmEmissao(s.estado);
  if (d == nullptr || (d->tipo != TipoDocumento::kGerencial && d->tipo != TipoDocumento::kCreditoDebito &&
                       d->tipo != TipoDocumento::kEstornoCreditoDebito))
    return Erro("ErroCMDForaDeSequencia", "Texto livre só dentro de um relatório gerencial ou comprovante vinculado");
  if (Falha f = ExigeEspacoMFD(s)) return f;
  s.Emite(Impresso::kTextoLivre, IndiceDe(s.estado, *d)).texto = s.par.Texto("TextoLivre");
  return Ok();
}

Falha AbreCreditoDebito(Sessao& s) {
  if (Falha f = PodeAbrirDocumento(s)) return f;
  const Estado& e = s.estado;
  const Documento* cupom = s.par.Tem("COO") ? CupomDoDia(e, static_cast<std::uint32_t>(s.par.Numero("COO"))) : UltimoCupom(e);
  if (cupom == nullptr || cupom->cancelado)
    return Erro("ErroCMDCOOVinculadoInvalido",
                s.par.Tem("COO")  ? "COO " + std::to_string(s.par.Numero("COO")) + " não é um cupom fiscal válido deste movimento"
                : cupom != nullptr ? "O último cupom fiscal (COO " + std::to_string(cupom->coo) +
                                         ") foi cancelado: informe o COO do cupom"
                                   : "Não há cupom fiscal neste movimento");
  // The payment the voucher refers to: by its sequence (NumItem), by its means, or the first
  // payment whose means allows vouchers.
  std::int32_t meio = -1;
  bool tem_meio = s.par.Tem("CodMeioPagamento") || s.par.Tem("NomeMeioPagamento");
  if (tem_meio)
    if (Falha f = ResolveMeioPagamento(s, "CodMeioPagamento", "NomeMeioPagamento", meio)) return f;
  const Pagamento* pagamento = nullptr;
  if (s.par.Tem("NumItem")) {
    std::int64_t n = s.par.Numero("NumItem");
    if (n < 1 || n > static_cast<std::int64_t>(cupom->pagamentos.size()) ||
        (tem_meio && cupom->pagamentos[static_cast<std::size_t>(n - 1)].meio != meio))
      return Erro("ErroCMDSequenciaPagamentoNaoEncontrada", "O cupom " + std::to_string(cupom->coo) +
                                                                " não tem o pagamento " + std::to_string(n) +
                                                                (tem_meio ? " nesse meio" : ""));
    pagamento = &cupom->pagamentos[static_cast<std::size_t>(n - 1)];
  } else {
    for (const Pagamento& p : cupom->pagamentos)
      if (pagamento == nullptr && (tem_meio ? p.meio == meio : e.meios[static_cast<std::size_t>(p.meio)].permite_vinculado))
        pagamento = &p;
    if (pagamento == nullptr)
      return Erro("ErroCMDSequenciaPagamentoNaoEncontrada",
                  "O cupom " + std::to_string(cupom->coo) + " não tem pagamento que admita comprovante vinculado");
  }
  const MeioPagamento& m = e.meios[static_cast<std::size_t>(pagamento->meio)];
  if (!m.permite_vinculado)
    return Erro("ErroCMDPagamentoNaoPermiteCDC", "O meio de pagamento '" + m.nome + "' não admite comprovante vinculado");
  const std::int64_t livre = ValorSemComprovante(e, *cupom, pagamento->meio);
  if (livre <= 0)
    return Erro("ErroCMDSequenciaPagamentoNaoEncontrada", "Os pagamentos em '" + m.nome + "' do cupom " +
                                                              std::to_string(cupom->coo) + " já têm comprovante vinculado");
  const std::int64_t limite = std::min(pagamento->valor, livre);
  std::int64_t valor = s.par.Tem("Valor") ? s.par.Numero("Valor") : limite;
  if (valor <= 0 || valor > limite)
    return Erro("ErroCMDValorInvalido", "Valor do comprovante deve ser maior que zero e no máximo " +
                                            FormataMoeda(limite, 2));
  std::int64_t parcelas = s.par.Numero("NumParcelas", 1);
  if (parcelas < 1) return Erro("ErroCMDValorInvalido", "NumParcelas deve ser ao menos 1");
  std::uint32_t coo_cupom = cupom->coo;
  std::int32_t meio_pago = pagamento->meio;
  Documento& d = AbreVinculado(s, TipoDocumento::kCreditoDebito, coo_cupom, meio_pago, valor);
  d.parcelas = static_cast<std::int32_t>(parcelas);
  d.vias = 1;
  s.estado.ultimo_cdc_coo = d.coo;
  s.estado.reimpressoes_cdc = 0;
  return Ok();
}

Falha EmiteViaCreditoDebito(Sessao& s) {
  Documento* d = nullptr;
  if (Falha f = ExigeDocumento(s, TipoDocumento::kCreditoDebito, TipoDocumento::kNenhum, d)) return f;
  if (d->vias >= kMaximoVias)
    return Erro("ErroProtNumEmissoesExcedido", "O comprovante já tem " + std::to_string(kMaximoVias) + " vias");
  d->vias += 1;
  s.Emite(Impresso::kViaCreditoDebito, IndiceDe(s.estado, *d));
  return Ok();
}

Falha ReimprimeViaCreditoDebito(Sessao& s) {
  if (Falha f = ExigeSemDocumento(s)) return f;
  const Documento* ultimo = DocumentoCorrente(s.estado);
  if (ultimo == nullptr || ultimo->tipo != TipoDocumento::kCreditoDebito || ultimo->coo != s.estado.ultimo_coo)
    return Erro("ErroCMDForaDeSequencia", "O último documento emitido não é um comprovante de crédito ou débito");
  if (s.estado.reimpressoes_cdc >= 1)
    return Erro("ErroProtNumEmissoesExcedido", "O comprovante já foi reimpresso");
  s.estado.reimpressoes_cdc += 1;
  s.Emite(Impresso::kViaCreditoDebito, IndiceDe(s.estado, *ultimo));
  return Ok();
}

Falha EstornaCreditoDebito(Sessao& s) {
  if (Falha f = PodeAbrirDocumento(s)) return f;
  std::uint32_t coo = static_cast<std::uint32_t>(s.par.Numero("COO"));
  Documento* cdc = nullptr;
  for (Documento& d : s.estado.documentos)
    if (d.coo == coo && d.tipo == TipoDocumento::kCreditoDebito) cdc = &d;
  if (cdc == nullptr)
    return Erro("ErroCMDCOOInvalido", "COO " + std::to_string(coo) + " não é um comprovante de crédito ou débito deste movimento");
  if (cdc->cancelado) return Erro("ErroCMDEstorno", "O comprovante " + std::to_string(coo) + " já foi estornado");
  cdc->cancelado = true;
  std::int32_t meio = cdc->indice;
  std::int64_t valor = cdc->valor;
  AbreVinculado(s, TipoDocumento::kEstornoCreditoDebito, coo, meio, valor);
  return Ok();
}

Falha EstornaMeioPagamento(Sessao& s) {
  if (Falha f = PodeAbrirDocumento(s)) return f;
  std::int32_t origem = 0, destino = 0;
  if (Falha f = ResolveMeioPagamento(s, "CodMeioPagamentoOrigem", "NomeMeioPagamentoOrig", origem)) return f;
  if (Falha f = ResolveMeioPagamento(s, "CodMeioPagamentoDestino", "NomeMeioPagamentoDest", destino)) return f;
  if (origem == destino)
    return Erro("ErroCMDMeiosPagamentoOrigemDestinoIguais", "Origem e destino são o mesmo meio de pagamento");
  std::int64_t valor = s.par.Numero("Valor");
  const Totais dia = CalculaDia(s.estado);
  std::int64_t disponivel = dia.meio[static_cast<std::size_t>(origem)];
  // The change is handed out in cash: the cash means holds its payments less the change.
  const bool dinheiro = origem == s.estado.meio_dinheiro;
  if (dinheiro) disponivel -= dia.troco;
  if (valor <= 0 || valor > disponivel)
    return Erro("ErroCMDValorEstornoInvalido", "Valor do estorno deve ser maior que zero e no máximo " +
                                                   FormataMoeda(disponivel, 2) + ", o total do dia em '" +
                                                   s.estado.meios[static_cast<std::size_t>(origem)].nome + "'" +
                                                   (dinheiro ? " menos o troco" : ""));
  std::int32_t i = EmiteDocumentoFechado(s, TipoDocumento::kEstornoMeioPagamento, true);
  Documento& d = s.estado.documentos[static_cast<std::size_t>(i)];
  d.pagamentos.push_back(Pagamento{origem, -valor, {}});
  d.pagamentos.push_back(Pagamento{destino, valor, {}});
  d.valor = valor;
  d.operador = s.par.Texto("Operador");
  s.Emite(Impresso::kEncerramento, i);
  return Ok();
}

}  // namespace ecf
