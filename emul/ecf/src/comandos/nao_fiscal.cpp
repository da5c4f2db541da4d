// Non-fiscal receipts: money coming in or going out through the non-fiscal totalizers.
#include <string>

#include "comandos/comandos.h"
#include "comandos/documento.h"
#include "comandos/tabelas.h"
#include "protocolo/valores.h"

namespace ecf {

namespace {

constexpr std::size_t kMaximoItens = 999;

}  // namespace

Falha AbreCupomNaoFiscal(Sessao& s) {
  if (Falha f = PodeAbrirDocumento(s)) return f;
  bool algum = false;
  for (const NaoFiscal& nf : s.estado.nao_fiscais) algum = algum || nf.definido;
  if (!algum) return Erro("ErroCMDNaoHaDocNaoFiscaisDefinidos", "Nenhum totalizador não fiscal definido: use DefineNaoFiscal");
  AbreComConsumidor(s, TipoDocumento::kNaoFiscal);
  return Ok();
}

Falha EmiteItemNaoFiscal(Sessao& s) {
  Documento* d = nullptr;
  if (Falha f = ExigeDocumento(s, TipoDocumento::kNaoFiscal, TipoDocumento::kNenhum, d)) return f;
  if (d->fase != FaseDocumento::kItens)
    return Erro("ErroCMDForaDeSequencia", "O comprovante já foi totalizado: não se lançam mais itens");
  if (d->itens.size() >= kMaximoItens)
    return Erro("ErroCMDIndiceItemInvalido", "O comprovante já tem o máximo de " + std::to_string(kMaximoItens) + " itens");
  if (Falha f = ExigeEspacoMFD(s)) return f;
  int indice = 0;
  if (Falha f = Localiza(s, kNaoFiscais, true, indice)) return f;
  std::int64_t valor = s.par.Numero("Valor");
  if (valor <= 0) return Erro("ErroCMDValorInvalido", "Valor deve ser maior que zero");
  const NaoFiscal& nf = s.estado.nao_fiscais[static_cast<std::size_t>(indice)];
  // One receipt moves money one way: entries and withdrawals do not mix.
  if (!d->itens.empty() && s.estado.nao_fiscais[static_cast<std::size_t>(d->itens.front().tributo)].entrada != nf.entrada)
    return Erro("ErroCMDNaoFiscalIndisponivel", "'" + nf.nome + "' é de " + (nf.entrada ? "entrada" : "saída") +
                                                    " e o comprovante já tem itens de " +
                                                    (nf.entrada ? "saída" : "entrada"));
  ItemDocumento item;
  item.descricao = nf.nome;
  item.tributo = indice;
  item.quantidade = 1000;
  if (__builtin_mul_overflow(valor, std::int64_t{10}, &item.preco))  // cents to thousandths
    return Erro("ErroCMDMontanteOperacao", "Valor excede a capacidade do totalizador");
  item.total = valor;
  d->itens.push_back(std::move(item));
  s.estado.contadores.con[static_cast<std::size_t>(indice)] += 1;
  Evento& ev = s.Emite(Impresso::kItem, IndiceDe(s.estado, *d));
  ev.item = static_cast<std::int32_t>(d->itens.size() - 1);
  return Ok();
}

Falha AcresceItemNaoFiscal(Sessao& s) { return AjustaItem(s, TipoDocumento::kNaoFiscal); }

Falha CancelaItemNaoFiscal(Sessao& s) { return CancelaItem(s, TipoDocumento::kNaoFiscal, false, 0); }

}  // namespace ecf
