// The fiscal coupon up to its items: opening, consumer, sales, item adjustments and cancellations.
#include <string>

#include "comandos/comandos.h"
#include "comandos/documento.h"
#include "comandos/tabelas.h"
#include "protocolo/valores.h"

namespace ecf {

namespace {

constexpr std::size_t kMaximoItens = 999;

bool Vazio(const std::string& texto) { return texto.find_first_not_of(" \t") == std::string::npos; }

bool CodigoTributoEspecial(std::int64_t codigo) {
  return codigo == kSubstituicaoICMS || codigo == kIsentoICMS || codigo == kNaoTributadoICMS ||
         codigo == kSubstituicaoISSQN || codigo == kIsentoISSQN || codigo == kNaoTributadoISSQN;
}

// The tax situation of a sale: a programmed aliquot by code or by percentage, or F/I/N codes.
Falha ResolveTributo(const Sessao& s, std::int32_t& tributo) {
  const Estado& e = s.estado;
  if (s.par.Tem("CodAliquota")) {
    std::int64_t codigo = s.par.Numero("CodAliquota");
    if (CodigoTributoEspecial(codigo)) {
      tributo = static_cast<std::int32_t>(codigo);
      return Ok();
    }
    if (codigo < 0 || codigo >= kTotalAliquotas)
      return Erro("ErroCMDAliquotaInvalida", "CodAliquota " + std::to_string(codigo) +
                                                 " não existe: use 0 a 15 ou -2, -3, -4, -11, -12, -13");
    if (!e.aliquotas[static_cast<std::size_t>(codigo)].definida)
      return Erro("ErroCMDAliquotaNaoCarregada", "Alíquota " + std::to_string(codigo) + " não está programada");
    tributo = static_cast<std::int32_t>(codigo);
    return Ok();
  }
  if (s.par.Tem("PercentualAliquota")) {
    std::int64_t percentual = s.par.Numero("PercentualAliquota");
    bool icms = s.par.Indicador("AliquotaICMS", true);
    tributo = ProcuraAliquota(e, icms, percentual);
    return tributo >= 0 ? Ok() : NaoHaAliquota(icms, percentual);
  }
  return Erro("ErroCMDFaltaAliquotaVenda", "Informe CodAliquota ou PercentualAliquota");
}

// The item's department, when the sale names one. A sale naming a department that does not exist
// is refused as not found (the table commands answer that the name is invalid).
Falha ResolveDepartamento(const Sessao& s, std::int32_t& departamento) {
  static const TabelaNomeada<Departamento, kTotalDepartamentos> kDaVenda = [] {
    TabelaNomeada<Departamento, kTotalDepartamentos> t = kDepartamentos;
    t.erro_inexistente = "ErroCMDDepartamentoNaoEncontrado";
    return t;
  }();
  departamento = -1;
  if (!s.par.Tem(kDaVenda.par_codigo) && !s.par.Tem(kDaVenda.par_nome)) return Ok();
  int indice = -1;
  if (Falha f = Localiza(s, kDaVenda, true, indice)) return f;
  departamento = indice;
  return Ok();
}

}  // namespace

Falha AbreCupomFiscal(Sessao& s) {
  if (Falha f = PodeAbrirDocumento(s)) return f;
  AbreComConsumidor(s, TipoDocumento::kCupomFiscal);
  return Ok();
}

Falha IdentificaConsumidor(Sessao& s) {
  Documento* d = nullptr;
  if (Falha f = ExigeDocumento(s, TipoDocumento::kCupomFiscal, TipoDocumento::kNenhum, d)) return f;
  if (!s.par.Tem("IdConsumidor") && !s.par.Tem("NomeConsumidor") && !s.par.Tem("EnderecoConsumidor"))
    return Erro("ErroCMDFaltaParametro", "Informe IdConsumidor, NomeConsumidor ou EnderecoConsumidor");
  // The consumer is printed where the command comes: not between two payments of the coupon.
  if (d->fase == FaseDocumento::kPagamento)
    return Erro("ErroCMDForaDeSequencia", "Pagamento em curso: identifique o consumidor antes dele ou depois de pago o cupom");
  if (s.par.Tem("IdConsumidor")) d->consumidor_id = s.par.Texto("IdConsumidor");
  if (s.par.Tem("NomeConsumidor")) d->consumidor_nome = s.par.Texto("NomeConsumidor");
  if (s.par.Tem("EnderecoConsumidor")) d->consumidor_endereco = s.par.Texto("EnderecoConsumidor");
  s.Emite(Impresso::kConsumidor, IndiceDe(s.estado, *d));
  return Ok();
}

Falha VendeItem(Sessao& s) {
  Documento* d = nullptr;
  if (Falha f = ExigeDocumento(s, TipoDocumento::kCupomFiscal, TipoDocumento::kNenhum, d)) return f;
  if (d->fase != FaseDocumento::kItens)
    return Erro("ErroCMDForaDeSequencia", "O cupom já foi totalizado: não se vendem mais itens");
  if (d->itens.size() >= kMaximoItens)
    return Erro("ErroCMDIndiceItemInvalido", "O cupom já tem o máximo de " + std::to_string(kMaximoItens) + " itens");
  if (Falha f = ExigeEspacoMFD(s)) return f;
  ItemDocumento item;
  item.codigo = s.par.Texto("CodProduto");
  item.descricao = s.par.Texto("NomeProduto");
  item.unidade = s.par.Texto("Unidade");
  item.quantidade = s.par.Numero("Quantidade");
  item.preco = s.par.Numero("PrecoUnitario");
  if (Vazio(item.codigo)) return Erro("ErroCMDCodigoInvalido", "CodProduto não pode ficar em branco");
  if (Vazio(item.descricao)) return Erro("ErroCMDDescricaoInvalida", "NomeProduto não pode ficar em branco");
  if (item.quantidade <= 0) return Erro("ErroCMDQuantidadeInvalida", "Quantidade deve ser maior que zero");
  if (item.preco <= 0) return Erro("ErroCMDPrecoUnitarioInvalido", "PrecoUnitario deve ser maior que zero");
  // Quantity (thousandths) x price (thousandths) truncated to the cent.
  if (!MultiplicaDivideTrunca(item.quantidade, item.preco, 10000, item.total))
    return Erro("ErroCMDMontanteOperacao", "Quantidade x preço unitário excede a capacidade do totalizador");
  if (item.total == 0)
    return Erro("ErroCMDValorInvalido", "Quantidade x preço unitário resulta em menos de um centavo");
  if (Falha f = ResolveTributo(s, item.tributo)) return f;
  if (Falha f = ResolveDepartamento(s, item.departamento)) return f;
  d->itens.push_back(std::move(item));
  s.estado.coo_ultimo_item = d->coo;
  Evento& ev = s.Emite(Impresso::kItem, IndiceDe(s.estado, *d));
  ev.item = static_cast<std::int32_t>(d->itens.size() - 1);
  return Ok();
}

Falha AcresceItemFiscal(Sessao& s) { return AjustaItem(s, TipoDocumento::kCupomFiscal); }

Falha CancelaItemFiscal(Sessao& s) {
  return CancelaItem(s, TipoDocumento::kCupomFiscal, s.par.Tem("Quantidade"), s.par.Numero("Quantidade"));
}

}  // namespace ecf
