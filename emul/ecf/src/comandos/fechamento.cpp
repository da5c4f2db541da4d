// Totalling, payment, closing and cancellation of the documents.
#include <string>

#include "comandos/comandos.h"
#include "comandos/documento.h"
#include "fiscal/situacao.h"
#include "fiscal/totais.h"
#include "protocolo/valores.h"

namespace ecf {

namespace {

constexpr std::size_t kMaximoPagamentos = 20;

// The base a subtotal adjustment falls on: the ICMS part of a coupon, the whole of a receipt.
std::int64_t BaseSubtotal(const Estado& e, const Documento& d) {
  std::int64_t base = 0;
  for (const ItemDocumento& item : d.itens)
    if (d.tipo == TipoDocumento::kNaoFiscal || TributoICMS(e, item.tributo)) base += LiquidoItem(item);
  return base;
}

bool TodosCancelados(const Documento& d) {
  for (const ItemDocumento& item : d.itens)
    if (item.quantidade_cancelada != item.quantidade) return false;
  return true;
}

bool DeSaida(const Estado& e, const Documento& d) {
  return d.tipo == TipoDocumento::kNaoFiscal && !d.itens.empty() &&
         !e.nao_fiscais[static_cast<std::size_t>(d.itens.front().tributo)].entrada;
}

// Cancels the open sale document in place. The amount printed is what the document totalled.
void CancelaAberto(Sessao& s, Documento& d) {
  const std::int64_t total = TotalAPagar(s.estado, d);
  AnulaDocumento(d);
  if (d.tipo == TipoDocumento::kCupomFiscal) s.estado.contadores.cfc += 1;
  else s.estado.contadores.nfc += 1;
  s.estado.data_ultimo_doc = s.Hoje();
  s.estado.hora_ultimo_doc = s.HoraAgora();
  s.Emite(Impresso::kCancelamento, IndiceDe(s.estado, d)).valor = total;
}

}  // namespace

Falha AcresceSubtotal(Sessao& s) {
  Documento* d = nullptr;
  if (Falha f = ExigeDocumento(s, TipoDocumento::kCupomFiscal, TipoDocumento::kNaoFiscal, d)) return f;
  Ajuste& a = d->ajuste_subtotal;
  if (s.par.Indicador("Cancelar", false)) {
    if (!a.existe) return Erro("ErroCMDNaoHouveOpSubtotal", "Não houve acréscimo nem desconto no subtotal");
    if (a.cancelado) return Erro("ErroCMDOperacaoJaCancelada", "O ajuste do subtotal já foi cancelado");
    if (d->fase != FaseDocumento::kSubtotal)
      return Erro("ErroCMDForaDeSequencia", "O pagamento já começou: o ajuste do subtotal não se cancela mais");
    a.cancelado = true;
    s.Emite(Impresso::kAjusteSubtotal, IndiceDe(s.estado, *d));
    return Ok();
  }
  if (d->fase == FaseDocumento::kSubtotal || a.existe)
    return Erro("ErroCMDOpSubtotalInvalida", "O subtotal já recebeu acréscimo ou desconto");
  if (d->fase != FaseDocumento::kItens)
    return Erro("ErroCMDForaDeSequencia", "O pagamento já começou: o subtotal não se ajusta mais");
  std::int64_t base = BaseSubtotal(s.estado, *d);
  if (base <= 0)
    return d->tipo == TipoDocumento::kCupomFiscal
               ? Erro("ErroCMDNaoHouveVendaEmICMS", "Acréscimo e desconto no subtotal valem só sobre itens de ICMS, e não há nenhum")
               : Erro("ErroCMDNaoHouveVendaNaoFiscal", "O comprovante não tem itens em vigor");
  std::int64_t valor = 0;
  std::int32_t percentual = 0;
  if (Falha f = ValorDoAjuste(s, base, "subtotal", "ErroCMDDescontoInvalido", valor, percentual)) return f;
  a = Ajuste{true, false, valor, percentual};
  d->fase = FaseDocumento::kSubtotal;
  s.Emite(Impresso::kAjusteSubtotal, IndiceDe(s.estado, *d));
  return Ok();
}

Falha PagaCupom(Sessao& s) {
  Documento* d = nullptr;
  if (Falha f = ExigeDocumento(s, TipoDocumento::kCupomFiscal, TipoDocumento::kNaoFiscal, d)) return f;
  if (d->fase == FaseDocumento::kPago)
    return Erro("ErroCMDForaDeSequencia", "O documento já está pago: encerre-o com EncerraDocumento");
  if (d->itens.empty()) return Erro("ErroCMDCupomTotalizadoEmZero", "O documento não tem itens");
  std::int32_t meio = 0;
  if (Falha f = ResolveMeioPagamento(s, "CodMeioPagamento", "NomeMeioPagamento", meio)) return f;
  std::int64_t valor = s.par.Numero("Valor");
  if (valor <= 0) return Erro("ErroCMDValorInvalido", "Valor do pagamento deve ser maior que zero");
  if (d->pagamentos.size() >= kMaximoPagamentos)
    return Erro("ErroCMDPayIndisponivel", "O documento já tem " + std::to_string(kMaximoPagamentos) + " pagamentos");
  if (TodosCancelados(*d)) {
    // A document whose items were all cancelled totals zero: the printer cancels it.
    CancelaAberto(s, *d);
    return Ok();
  }
  std::int64_t devido = TotalAPagar(s.estado, *d);
  std::int64_t pago = 0;
  for (const Pagamento& p : d->pagamentos) pago += p.valor;
  if (DeSaida(s.estado, *d) && pago + valor > devido)
    return Erro("ErroCMDValorInvalido", "Numa retirada o pagamento não pode passar do total de " + FormataMoeda(devido, 2));
  d->pagamentos.push_back(Pagamento{meio, valor, s.par.Texto("TextoAdicional")});
  d->fase = pago + valor >= devido ? FaseDocumento::kPago : FaseDocumento::kPagamento;
  Evento& ev = s.Emite(Impresso::kPagamento, IndiceDe(s.estado, *d));
  ev.item = static_cast<std::int32_t>(d->pagamentos.size() - 1);
  return Ok();
}

Falha EncerraDocumento(Sessao& s) {
  Documento* d = DocumentoEmEmissao(s.estado);
  if (d == nullptr) return Erro("ErroCMDForaDeSequencia", "Não há documento aberto");
  if (d->tipo == TipoDocumento::kCupomFiscal || d->tipo == TipoDocumento::kNaoFiscal) {
    if (d->itens.empty()) return Erro("ErroCMDForaDeSequencia", "O documento não tem itens: cancele-o com CancelaCupom");
    if (d->fase != FaseDocumento::kPago) {
      std::int64_t devido = TotalAPagar(s.estado, *d);
      std::int64_t pago = 0;
      for (const Pagamento& p : d->pagamentos) pago += p.valor;
      return Erro("ErroCMDPagamentoIncompleto", "Faltam " + FormataMoeda(devido - pago, 2) + " para pagar o total de " +
                                                    FormataMoeda(devido, 2));
    }
  }
  d->fase = FaseDocumento::kEncerrado;
  d->operador = s.par.Texto("Operador");
  if (d->tipo == TipoDocumento::kCupomFiscal) {
    std::int64_t inicio = Segundos(d->data, d->hora);
    if (s.agora > inicio) s.estado.segundos_emitindo += s.agora - inicio;
  }
  s.estado.data_ultimo_doc = s.Hoje();
  s.estado.hora_ultimo_doc = s.HoraAgora();
  s.Emite(Impresso::kEncerramento, IndiceDe(s.estado, *d)).texto = s.par.Texto("TextoPromocional");
  return Ok();
}

Falha CancelaCupom(Sessao& s) {
  if (Documento* aberto = DocumentoEmEmissao(s.estado)) {
    if (aberto->tipo != TipoDocumento::kCupomFiscal && aberto->tipo != TipoDocumento::kNaoFiscal)
      return Erro("ErroCMDCancelamentoInvalido", "Relatórios e comprovantes vinculados não se cancelam: encerre-os");
    aberto->operador = s.par.Texto("Operador");
    CancelaAberto(s, *aberto);
    return Ok();
  }
  // The last document closed, when it is a coupon or receipt and nothing was issued after it.
  const Documento* ultimo = DocumentoCorrente(s.estado);
  if (ultimo != nullptr && ultimo->coo == s.estado.ultimo_coo && ultimo->tipo == TipoDocumento::kCancelamento)
    return Erro("ErroCMDOperacaoJaCancelada", "O documento de COO " + std::to_string(ultimo->coo_vinculado) +
                                                  " já foi cancelado (COO " + std::to_string(ultimo->coo) + ")");
  if (ultimo == nullptr || ultimo->coo != s.estado.ultimo_coo ||
      (ultimo->tipo != TipoDocumento::kCupomFiscal && ultimo->tipo != TipoDocumento::kNaoFiscal))
    return Erro("ErroCMDCancelamentoInvalido", "O último documento emitido não é um cupom fiscal nem um comprovante não fiscal");
  if (ultimo->cancelado) return Erro("ErroCMDOperacaoJaCancelada", "O último cupom já foi cancelado");
  if (ReducaoPendente(s.estado, s.Hoje()))
    return Erro("ErroZPendente", "O cupom é de um movimento anterior: emita a redução Z");
  if (Falha f = ExigeEspacoMFD(s)) return f;
  std::size_t indice = s.estado.documentos.size() - 1;
  TipoDocumento tipo = ultimo->tipo;
  std::uint32_t coo = ultimo->coo;
  const std::int64_t total = TotalAPagar(s.estado, *ultimo);
  AnulaDocumento(s.estado.documentos[indice]);
  // The cancellation is a document of its own.
  std::int32_t i = EmiteDocumentoFechado(s, TipoDocumento::kCancelamento, true);
  Documento& cancelamento = s.estado.documentos[static_cast<std::size_t>(i)];
  cancelamento.coo_vinculado = coo;
  cancelamento.operador = s.par.Texto("Operador");
  if (tipo == TipoDocumento::kCupomFiscal) {
    cancelamento.contador = ++s.estado.contadores.ccf;
    s.estado.contadores.cfc += 1;
  } else {
    cancelamento.contador = ++s.estado.contadores.gnf;
    s.estado.contadores.nfc += 1;
  }
  s.Emite(Impresso::kCancelamento, i).valor = total;
  return Ok();
}

}  // namespace ecf
