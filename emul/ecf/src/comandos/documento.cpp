#include "comandos/documento.h"

#include <string>

#include "fiscal/relogio.h"
#include "fiscal/situacao.h"
#include "fiscal/totais.h"
#include "memorias/memoria_fiscal.h"
#include "protocolo/valores.h"

namespace ecf {

namespace {

const char* NomeDocumento(TipoDocumento tipo) {
  switch (tipo) {
    case TipoDocumento::kCupomFiscal: return "cupom fiscal";
    case TipoDocumento::kNaoFiscal: return "comprovante não fiscal";
    case TipoDocumento::kGerencial: return "relatório gerencial";
    case TipoDocumento::kCreditoDebito: return "comprovante de crédito ou débito";
    case TipoDocumento::kEstornoCreditoDebito: return "estorno de comprovante de crédito ou débito";
    default: return "documento";
  }
}

std::string DescricaoAberto(const Documento& d) {
  return std::string(NomeDocumento(d.tipo)) + " aberto (COO " + std::to_string(d.coo) + ")";
}

}  // namespace

Falha ExigeSemDocumento(const Sessao& s) {
  if (const Documento* d = DocumentoEmEmissao(s.estado))
    // Only a coupon or a receipt can be cancelled; a report or a voucher is closed.
    return Erro("ErroCMDForaDeSequencia",
                "Há um " + DescricaoAberto(*d) + "; encerre-o" +
                    (d->tipo == TipoDocumento::kCupomFiscal || d->tipo == TipoDocumento::kNaoFiscal ? " ou cancele-o" : "") +
                    " antes");
  return Ok();
}

Falha PodeAbrirDocumento(const Sessao& s) {
  if (Falha f = ExigeSemDocumento(s)) return f;
  if (ReducaoPendente(s.estado, s.Hoje()))
    return Erro("ErroZPendente", "O movimento de " + FormataData(s.estado.data_abertura) +
                                     " ainda não foi encerrado: emita a redução Z");
  if (DiaFechado(s.estado, s.Hoje()))
    return Erro("ErroDiaFechado", "A redução Z de " + FormataData(s.Hoje()) +
                                      " já foi emitida; novos documentos só no dia seguinte");
  if (s.estado.cnpj.empty() || s.estado.ie.empty())
    return Erro("ErroSemInscricoes", "Proprietário não definido: use DefineProprietario");
  if (s.estado.cabecalho.empty()) return Erro("ErroSemCliche", "Cabeçalho não definido: use DefineDadosCabecalho");
  if (s.estado.numero_serie_mfd.empty())
    return Erro("ErroSemMFD", "Memória de fita detalhe não iniciada: use IniciaFitaDetalhe");
  if (Falha f = ExigeEspacoMF(s, memorias::MemoriaFiscal::kTamanhoReducao)) return f;
  return ExigeEspacoMFD(s);
}

Falha ConfereOrdemDosDocumentos(const Estado& antes, const Estado& depois) {
  // Past 31/12/9999 a document's date would read 01/01/0000, and sort before every earlier one.
  if (depois.data_ultimo_doc > kUltimaData && depois.data_ultimo_doc != antes.data_ultimo_doc)
    return Erro("ErroRelogioInconsistente", "O relógio passou de 31/12/9999, a última data que um documento registra");
  if (antes.data_ultimo_doc == 0) return Ok();
  if (Segundos(depois.data_ultimo_doc, depois.hora_ultimo_doc) >= Segundos(antes.data_ultimo_doc, antes.hora_ultimo_doc))
    return Ok();
  return Erro("ErroRelogioInconsistente",
              "O relógio (" + FormataData(depois.data_ultimo_doc) + " " + FormataHora(depois.hora_ultimo_doc) +
                  ") está antes do último documento (" + FormataData(antes.data_ultimo_doc) + " " +
                  FormataHora(antes.hora_ultimo_doc) + "): aguarde ou acerte o relógio com ProgramaRelogio");
}

Falha ExigeEspacoMF(const Sessao& s, std::uint64_t bytes) {
  if (s.saida.BytesMFLivres() < bytes)
    return Erro("ErroMFCheia", "A memória fiscal está cheia (" + std::to_string(s.saida.BytesMFLivres()) +
                                   " bytes livres, " + std::to_string(bytes) + " necessários para o registro)");
  return Ok();
}

Falha ExigeEspacoMFD(const Sessao& s) {
  if (s.saida.MFDEsgotada())
    return Erro("ErroMFDEsgotada", "A memória de fita detalhe " + s.estado.numero_serie_mfd + " está esgotada (" +
                                       std::to_string(s.saida.BytesMFDLivres()) +
                                       " bytes livres, reservados à redução Z): emita a redução Z e inicie outra "
                                       "com IniciaFitaDetalhe");
  return Ok();
}

Falha ExigeDocumento(const Sessao& s, TipoDocumento tipo, TipoDocumento tipo2, Documento*& documento) {
  Documento* d = DocumentoEmEmissao(s.estado);
  if (d == nullptr)
    return Erro("ErroCMDForaDeSequencia", std::string("Não há ") + NomeDocumento(tipo) + " aberto");
  if (d->tipo != tipo && (tipo2 == TipoDocumento::kNenhum || d->tipo != tipo2))
    return Erro("ErroCMDForaDeSequencia", "O documento aberto é um " + DescricaoAberto(*d) + ", não um " +
                                              NomeDocumento(tipo));
  documento = d;
  return Ok();
}

std::int32_t AbreDocumento(Sessao& s, TipoDocumento tipo, bool abre_dia) {
  Estado& e = s.estado;
  Contadores& c = e.contadores;
  c.coo += 1;
  if (abre_dia && e.data_abertura == 0) {
    e.data_abertura = s.Hoje();
    e.coo_inicio_dia = c.coo;
  }
  Documento d;
  d.tipo = tipo;
  d.coo = c.coo;
  d.data = s.Hoje();
  d.hora = s.HoraAgora();
  switch (tipo) {
    case TipoDocumento::kCupomFiscal: d.contador = ++c.ccf; break;
    case TipoDocumento::kNaoFiscal:
    case TipoDocumento::kEstornoMeioPagamento: d.contador = ++c.gnf; break;
    case TipoDocumento::kGerencial:
      ++c.gnf;
      d.contador = ++c.grg;
      break;
    case TipoDocumento::kCreditoDebito:
    case TipoDocumento::kEstornoCreditoDebito:
      ++c.gnf;
      d.contador = ++c.cdc;
      break;
    default: break;
  }
  e.documentos.push_back(std::move(d));
  e.ultimo_tipo = tipo;
  e.ultimo_coo = c.coo;
  e.data_ultimo_doc = s.Hoje();
  e.hora_ultimo_doc = s.HoraAgora();
  e.autenticacoes = 0;
  std::int32_t indice = static_cast<std::int32_t>(e.documentos.size() - 1);
  s.Emite(Impresso::kAberturaDocumento, indice);
  return indice;
}

Documento& AbreComConsumidor(Sessao& s, TipoDocumento tipo) {
  Documento& d = s.estado.documentos[static_cast<std::size_t>(AbreDocumento(s, tipo, true))];
  d.consumidor_id = s.par.Texto("IdConsumidor");
  d.consumidor_nome = s.par.Texto("NomeConsumidor");
  d.consumidor_endereco = s.par.Texto("EnderecoConsumidor");
  return d;
}

std::int32_t EmiteDocumentoFechado(Sessao& s, TipoDocumento tipo, bool abre_dia) {
  std::int32_t indice = AbreDocumento(s, tipo, abre_dia);
  s.estado.documentos[static_cast<std::size_t>(indice)].fase = FaseDocumento::kEncerrado;
  return indice;
}

std::int32_t IndiceDe(const Estado& e, const Documento& d) { return static_cast<std::int32_t>(&d - e.documentos.data()); }

Falha ValorDoAjuste(const Sessao& s, std::int64_t base, const char* alvo, const char* erro_desconto,
                    std::int64_t& valor, std::int32_t& percentual) {
  bool tem_valor = s.par.Tem("ValorAcrescimo");
  bool tem_percentual = s.par.Tem("ValorPercentual");
  if (!tem_valor && !tem_percentual)
    return Erro("ErroCMDFaltaInformarValor", "Informe ValorAcrescimo ou ValorPercentual (negativo para desconto)");
  if (tem_valor && tem_percentual)
    return Erro("ErroCMDAcrDescInvalido", "Informe ValorAcrescimo ou ValorPercentual, não os dois");
  percentual = 0;
  if (tem_valor) {
    valor = s.par.Numero("ValorAcrescimo");
    if (valor == 0) return Erro("ErroCMDValorAcrescimoInvalido", "ValorAcrescimo não pode ser zero");
  } else {
    std::int64_t p = s.par.Numero("ValorPercentual");
    if (p == 0) return Erro("ErroCMDPercentualInvalido", "ValorPercentual não pode ser zero");
    if (p <= -10000)
      return Erro("ErroCMDPercentualDescontoInvalido", "Desconto percentual deve ser menor que 100,00 %");
    if (p >= 10000)
      return Erro("ErroCMDPercentualAcrescimoInvalido", "Acréscimo percentual deve ser menor que 100,00 %");
    if (!MultiplicaDivideNBR5891(base, p, 10000, valor) || valor == 0)
      return Erro("ErroCMDValorAcrescimoInvalido", "O percentual sobre " + FormataMoeda(base, 2) + " do " + alvo +
                                                       " resulta em valor zero");
    percentual = static_cast<std::int32_t>(p);
  }
  if (valor < 0 && -valor >= base)
    return Erro(erro_desconto, "Desconto de " + FormataMoeda(-valor, 2) + " não é menor que o valor " + FormataMoeda(base, 2) +
                    " do " + alvo);
  return Ok();
}

Falha AjustaItem(Sessao& s, TipoDocumento tipo) {
  Documento* d = nullptr;
  if (Falha f = ExigeDocumento(s, tipo, TipoDocumento::kNenhum, d)) return f;
  if (d->fase != FaseDocumento::kItens)
    return Erro("ErroCMDForaDeSequencia", "O documento já foi totalizado: não se ajustam mais itens");
  std::int64_t total_itens = static_cast<std::int64_t>(d->itens.size());
  bool cancelar = s.par.Indicador("Cancelar", false);
  std::int64_t num = s.par.Numero("NumItem", 0);
  if (s.par.Tem("NumItem") && (num < 1 || num > total_itens))
    return Erro("ErroCMDItemInexistente", "Item " + std::to_string(num) + " não existe; o documento tem " +
                                              std::to_string(total_itens) + " itens");
  if (cancelar) {
    if (num == 0) {
      // Without a number, the last item that received an adjustment.
      for (std::int64_t i = total_itens; i >= 1 && num == 0; --i)
        if (d->itens[static_cast<std::size_t>(i - 1)].ajuste.existe) num = i;
      if (num == 0) return Erro("ErroCMDNaoHaAcrescDescItem", "Nenhum item deste documento recebeu acréscimo ou desconto");
    }
    Ajuste& a = d->itens[static_cast<std::size_t>(num - 1)].ajuste;
    if (!a.existe)
      return Erro("ErroCMDNaoHaAcrescDescItem", "Item " + std::to_string(num) + " não tem acréscimo nem desconto");
    if (a.cancelado)
      return Erro("ErroCMDOperacaoJaCancelada", "O ajuste do item " + std::to_string(num) + " já foi cancelado");
    a.cancelado = true;
    Evento& ev = s.Emite(Impresso::kAjusteItem, IndiceDe(s.estado, *d));
    ev.item = static_cast<std::int32_t>(num - 1);
    return Ok();
  }
  if (total_itens == 0) return Erro("ErroCMDItemInexistente", "O documento ainda não tem itens");
  if (num == 0) num = total_itens;
  ItemDocumento& item = d->itens[static_cast<std::size_t>(num - 1)];
  if (item.quantidade_cancelada == item.quantidade)
    return Erro("ErroCMDItemCancelado", "Item " + std::to_string(num) + " está cancelado");
  if (item.ajuste.existe)
    return Erro("ErroCMDItemAcrescido", "Item " + std::to_string(num) + " já recebeu acréscimo ou desconto");
  std::int64_t valor = 0;
  std::int32_t percentual = 0;
  if (Falha f = ValorDoAjuste(s, item.total - item.valor_cancelado, "item", "ErroCMDDescontoItemInvalido", valor,
                                percentual)) return f;
  item.ajuste = Ajuste{true, false, valor, percentual};
  Evento& ev = s.Emite(Impresso::kAjusteItem, IndiceDe(s.estado, *d));
  ev.item = static_cast<std::int32_t>(num - 1);
  return Ok();
}

Falha CancelaItem(Sessao& s, TipoDocumento tipo, bool parcial, std::int64_t quantidade) {
  Documento* d = nullptr;
  if (Falha f = ExigeDocumento(s, tipo, TipoDocumento::kNenhum, d)) return f;
  if (d->fase != FaseDocumento::kItens)
    return Erro("ErroCMDForaDeSequencia", "O documento já foi totalizado: não se cancelam mais itens");
  std::int64_t total_itens = static_cast<std::int64_t>(d->itens.size());
  if (total_itens == 0) return Erro("ErroCMDItemInexistente", "O documento ainda não tem itens");
  std::int64_t num = s.par.Numero("NumItem", total_itens);
  if (num < 1 || num > total_itens)
    return Erro("ErroCMDItemInexistente", "Item " + std::to_string(num) + " não existe; o documento tem " +
                                              std::to_string(total_itens) + " itens");
  ItemDocumento& item = d->itens[static_cast<std::size_t>(num - 1)];
  std::int64_t restante = item.quantidade - item.quantidade_cancelada;
  if (restante == 0) return Erro("ErroCMDItemCancelado", "Item " + std::to_string(num) + " já está cancelado");
  if (!parcial) quantidade = restante;
  if (quantidade <= 0 || quantidade > restante)
    return Erro("ErroCMDQtdCancInvalida", "Quantidade a cancelar deve ser maior que zero e no máximo " +
                                              FormataMoeda(restante, 3));
  std::int64_t valor = 0;
  if (quantidade == restante) {
    valor = item.total - item.valor_cancelado;  // what is left, so the cancellations add up to the total
  } else if (!MultiplicaDivideTrunca(item.preco, quantidade, 10000, valor)) {
    return Erro("ErroCMDMontanteOperacao", "Valor do cancelamento excede a capacidade do totalizador");
  }
  item.quantidade_cancelada += quantidade;
  item.valor_cancelado += valor;
  // Cancelling an item cancels its increase or discount with it, and the coupon prints both.
  const bool cancela_ajuste = item.ajuste.existe && !item.ajuste.cancelado;
  if (cancela_ajuste) item.ajuste.cancelado = true;
  Evento& ev = s.Emite(Impresso::kCancelamentoItem, IndiceDe(s.estado, *d));
  ev.item = static_cast<std::int32_t>(num - 1);
  ev.quantidade = quantidade;
  ev.valor = valor;
  if (cancela_ajuste) s.Emite(Impresso::kAjusteItem, IndiceDe(s.estado, *d)).item = static_cast<std::int32_t>(num - 1);
  return Ok();
}

Falha ResolveMeioPagamento(const Sessao& s, const char* par_codigo, const char* par_nome, std::int32_t& meio) {
  const Estado& e = s.estado;
  std::int32_t por_codigo = -1;
  std::int32_t por_nome = -1;
  if (s.par.Tem(par_codigo)) {
    std::int64_t codigo = s.par.Numero(par_codigo);
    if (codigo < 0 || codigo >= kTotalMeiosPagamento)
      return Erro("ErroCMDFormaPagamentoInvalida", std::string(par_codigo) + " " + std::to_string(codigo) + " fora de 0 a 14");
    if (!e.meios[static_cast<std::size_t>(codigo)].definido)
      return Erro("ErroCMDFormaPagamentoIndefinida", "Meio de pagamento " + std::to_string(codigo) + " não está definido");
    por_codigo = static_cast<std::int32_t>(codigo);
  }
  if (s.par.Tem(par_nome)) {
    const std::string& nome = s.par.Texto(par_nome);
    for (int k = 0; k < kTotalMeiosPagamento && por_nome < 0; ++k)
      if (e.meios[static_cast<std::size_t>(k)].definido && e.meios[static_cast<std::size_t>(k)].nome == nome) por_nome = k;
    if (por_nome < 0) return Erro("ErroCMDMeioPagamentoNEncontrado", "Meio de pagamento '" + nome + "' não existe");
  }
  if (por_codigo < 0 && por_nome < 0)
    return Erro("ErroCMDFaltaMeioPagamento", "Informe " + std::string(par_codigo) + " ou " + par_nome);
  if (por_codigo >= 0 && por_nome >= 0 && por_codigo != por_nome)
    return Erro("ErroCMDFormaPagamentoInvalida", std::string(par_codigo) + " e " + par_nome +
                                                     " indicam meios de pagamento diferentes");
  meio = por_codigo >= 0 ? por_codigo : por_nome;
  return Ok();
}

void AnulaDocumento(Documento& d) {
  for (ItemDocumento& item : d.itens) {
    item.quantidade_cancelada = item.quantidade;
    item.valor_cancelado = item.total;
    if (item.ajuste.existe) item.ajuste.cancelado = true;
  }
  if (d.ajuste_subtotal.existe) d.ajuste_subtotal.cancelado = true;
  d.cancelado = true;
  d.fase = FaseDocumento::kEncerrado;
}

}  // namespace ecf
