#include "impressao/saida_impressora.h"

#include <cctype>

#include "impressao/armazem_impressao.h"
#include "impressao/bobina.h"
#include "impressao/documentos.h"
#include "impressao/leituras_memoria.h"
#include "impressao/texto_impresso.h"
#include "memorias/memorias.h"
#include "quorbal/catalogo.h"
#include "relogio.h"
#include "totais.h"
#include "valores.h"

namespace ecf {

namespace {

using impressao::Bobina;
using impressao::Instante;
using memorias::TipoDocumento;  // the kind recorded in the detail memory

constexpr char kModelo[] = "ECF EMULADO";
constexpr char kMarca[] = "EMULADOR";
constexpr char kVersao[] = "01.00.00";
constexpr std::uint8_t kVersaoSaida = 1;

std::string Texto(const std::vector<Item>& itens, const char* nome) {
  for (const Item& i : itens)
    if (i.nome == nome) return i.valor;
  return {};
}

bool Tem(const std::vector<Item>& itens, const char* nome) {
  for (const Item& i : itens)
    if (i.nome == nome) return true;
  return false;
}

std::int64_t Numero(const std::vector<Item>& itens, const char* nome, std::int64_t padrao) {
  std::int64_t valor = padrao;
  if (!LeInteiro(Texto(itens, nome), 0, 0xFFFFFFFFLL, valor)) return padrao;
  return valor;
}

std::int32_t Data(const std::vector<Item>& itens, const char* nome) {
  std::int32_t data = 0;
  LeData(Texto(itens, nome), data);
  return data;
}

impressao::Estabelecimento Loja(const Estado& e) {
  impressao::Estabelecimento l;
  l.texto_cabecalho = e.cabecalho;
  l.cnpj = e.cnpj;
  l.inscricao_estadual = e.ie;
  l.inscricao_municipal = e.im;
  l.loja = e.loja;
  l.ecf = e.ecf;
  l.numero_serie = e.numero_serie;
  l.marca = kMarca;
  l.modelo = kModelo;
  l.versao_sw = kVersao;
  return l;
}

TipoDocumento TipoGravado(ecf::TipoDocumento tipo) {
  switch (tipo) {
    case ecf::TipoDocumento::kCupomFiscal: return TipoDocumento::kCupomFiscal;
    case ecf::TipoDocumento::kCancelamento: return TipoDocumento::kCupomFiscal;
    case ecf::TipoDocumento::kNaoFiscal:
    case ecf::TipoDocumento::kEstornoMeioPagamento: return TipoDocumento::kNaoFiscal;
    case ecf::TipoDocumento::kGerencial: return TipoDocumento::kGerencial;
    case ecf::TipoDocumento::kCreditoDebito:
    case ecf::TipoDocumento::kEstornoCreditoDebito: return TipoDocumento::kCreditoDebito;
    case ecf::TipoDocumento::kLeituraX: return TipoDocumento::kLeituraX;
    case ecf::TipoDocumento::kReducaoZ: return TipoDocumento::kReducaoZ;
    case ecf::TipoDocumento::kLeituraMF: return TipoDocumento::kLeituraMF;
    case ecf::TipoDocumento::kLeituraMFD: return TipoDocumento::kLeituraMFD;
    default: return TipoDocumento::kOutro;
  }
}

// The counter a document shows at its foot.
const char* NomeContador(ecf::TipoDocumento tipo) {
  switch (tipo) {
    case ecf::TipoDocumento::kCupomFiscal:
    case ecf::TipoDocumento::kCancelamento: return "CCF";
    case ecf::TipoDocumento::kGerencial: return "GRG";
    case ecf::TipoDocumento::kCreditoDebito:
    case ecf::TipoDocumento::kEstornoCreditoDebito: return "CDC";
    default: return "GNF";
  }
}

impressao::TotaisDia TotaisDoDia(const Estado& e) {
  const Totais dia = CalculaDia(e);
  impressao::TotaisDia t;
  t.movimento = e.data_abertura;
  t.gt = e.gt_inicial + dia.venda_bruta;
  t.venda_bruta = dia.venda_bruta;
  t.cancelamentos_icms = dia.cancelamentos_icms;
  t.cancelamentos_issqn = dia.cancelamentos_issqn;
  t.descontos = dia.descontos;
  t.acrescimos = dia.acrescimos;
  t.venda_liquida = dia.venda_bruta - dia.cancelamentos_icms - dia.cancelamentos_issqn - dia.descontos;
  t.issqn = dia.ISSQN(e);
  t.substituicao_icms = dia.substituicao_icms;
  t.isencao_icms = dia.isento_icms;
  t.nao_tributado_icms = dia.nao_tributado_icms;
  t.substituicao_issqn = dia.substituicao_issqn;
  t.isencao_issqn = dia.isento_issqn;
  t.nao_tributado_issqn = dia.nao_tributado_issqn;
  for (int k = 0; k < kTotalAliquotas; ++k) {
    const Aliquota& a = e.aliquotas[static_cast<std::size_t>(k)];
    if (a.definida)
      t.aliquotas.push_back({static_cast<unsigned>(k), a.icms, a.percentual, dia.aliquota[static_cast<std::size_t>(k)],
                             ImpostoAliquota(e, dia, k)});
  }
  for (int k = 0; k < kTotalMeiosPagamento; ++k)
    if (e.meios[static_cast<std::size_t>(k)].definido)
      t.meios_pagamento.push_back({static_cast<unsigned>(k), e.meios[static_cast<std::size_t>(k)].nome,
                                   dia.meio[static_cast<std::size_t>(k)], 0, 0});
  t.troco = dia.troco;
  for (int k = 0; k < kTotalNaoFiscais; ++k)
    if (e.nao_fiscais[static_cast<std::size_t>(k)].definido)
      t.nao_fiscais.push_back({static_cast<unsigned>(k), e.nao_fiscais[static_cast<std::size_t>(k)].nome,
                               dia.nao_fiscal[static_cast<std::size_t>(k)], e.contadores.con[static_cast<std::size_t>(k)], 0});
  t.descontos_nao_fiscais = dia.descontos_nao_fiscais;
  t.acrescimos_nao_fiscais = dia.acrescimos_nao_fiscais;
  t.cancelamentos_nao_fiscais = dia.cancelamentos_nao_fiscais;
  t.operacoes_nao_fiscais = dia.OperacoesNaoFiscais();
  for (int k = 0; k < kTotalGerenciais; ++k)
    if (e.gerenciais[static_cast<std::size_t>(k)].definido)
      t.gerenciais.push_back({static_cast<unsigned>(k), e.gerenciais[static_cast<std::size_t>(k)].nome, 0,
                              e.contadores.cer[static_cast<std::size_t>(k)], 0});
  for (int k = 0; k < kTotalDepartamentos; ++k)
    if (e.departamentos[static_cast<std::size_t>(k)].definido)
      t.departamentos.push_back({static_cast<unsigned>(k), e.departamentos[static_cast<std::size_t>(k)].nome,
                                 dia.departamento_valor[static_cast<std::size_t>(k)], 0,
                                 dia.departamento_quantidade[static_cast<std::size_t>(k)]});
  const Contadores& c = e.contadores;
  t.contadores = {c.coo, c.ccf, c.gnf, c.grg, c.cdc, c.cfc, c.cfd, c.nfc, c.crz, c.cro, e.coo_inicio_dia};
  return t;
}

// Tax situation as printed: the aliquot, or F/I/N for substitution, exemption and non-taxation.
std::string Situacao(const Estado& e, std::int32_t tributo) {
  switch (tributo) {
    case kSubstituicaoICMS: return "F1";
    case kIsentoICMS: return "I1";
    case kNaoTributadoICMS: return "N1";
    case kSubstituicaoISSQN: return "FS1";
    case kIsentoISSQN: return "IS1";
    case kNaoTributadoISSQN: return "NS1";
    default: break;
  }
  if (tributo < 0 || tributo >= kTotalAliquotas) return "";
  const Aliquota& a = e.aliquotas[static_cast<std::size_t>(tributo)];
  return impressao::Situacao(a.icms, a.percentual);
}

memorias::RegistroReducao RegistroDe(const Reducao& z) {
  memorias::RegistroReducao r;
  r.crz = z.crz;
  r.cro = z.cro;
  r.coo = z.coo;
  r.movimento = z.data_movimento;
  r.data = z.data;
  r.hora = z.hora;
  r.gt = z.gt;
  r.venda_bruta = z.venda_bruta;
  r.venda_liquida = z.venda_bruta - z.cancelamentos_icms - z.cancelamentos_issqn - z.descontos;
  r.cancelamentos_icms = z.cancelamentos_icms;
  r.cancelamentos_issqn = z.cancelamentos_issqn;
  r.descontos = z.descontos;
  r.acrescimos = z.acrescimos;
  r.substituicao_icms = z.substituicao_icms;
  r.isencao_icms = z.isento_icms;
  r.nao_tributado_icms = z.nao_tributado_icms;
  r.substituicao_issqn = z.substituicao_issqn;
  r.isencao_issqn = z.isento_issqn;
  r.nao_tributado_issqn = z.nao_tributado_issqn;
  r.issqn = z.substituicao_issqn + z.isento_issqn + z.nao_tributado_issqn;
  r.operacoes_nao_fiscais = z.operacoes_nao_fiscais;
  for (std::size_t k = 0; k < kTotalAliquotas; ++k) {
    if (!z.aliquota_definida[k]) continue;
    r.aliquotas.push_back({static_cast<unsigned>(k), z.aliquota_icms[k] != 0, z.percentual_aliquota[k], z.total_aliquota[k], 0});
    if (!z.aliquota_icms[k]) r.issqn += z.total_aliquota[k];
  }
  return r;
}

class SaidaImpressora final : public Saida {
 public:
  void Registra(const Estado& estado, const std::vector<Evento>& eventos) override {
    Sincroniza(estado);
    for (const Evento& ev : eventos) Imprime(estado, ev);
    // The day as it stands, for the Z reduction that will close it (the Z clears the day's documents).
    if (estado.data_abertura != 0) dia_ = TotaisDoDia(estado);
  }

  std::string ProximoTrechoImpressao() override { return armazem_.LeImpressao(); }

  std::string LeMemoria(const Estado& estado, std::uint32_t endereco) override {
    Sincroniza(estado);
    memorias_.DefineEnderecoSoftwareBasico(endereco);
    return memorias_.LeSoftwareBasico().texto;
  }
  std::uint32_t TamanhoSoftwareBasico(const Estado&) override { return memorias_.TamanhoSoftwareBasico(); }
  std::uint32_t LinhasImpressas() const override { return linhas_; }
  std::uint64_t BytesMFDUsados() const override {
    return static_cast<std::uint64_t>(memorias_.FitaDetalhe().PaginasUsadas()) * memorias::MemoriaFitaDetalhe::kDadosPagina;
  }
  std::uint64_t CapacidadeMFD() const override {
    return static_cast<std::uint64_t>(memorias::MemoriaFitaDetalhe::kPaginasArea) * memorias::MemoriaFitaDetalhe::kDadosPagina;
  }

  std::string Grava() const override {
    Escritor e;
    e.Inteiro(kVersaoSaida, 1);
    e.Inteiro(linhas_, 4);
    impressao::TotaisDia dia = dia_;
    e(dia);
    armazem_.Serializa(e);
    memorias_.Serializa(e);
    return e.bytes();
  }

  bool Carrega(const std::string& bytes) override {
    if (bytes.empty()) return true;  // a context from before any output was kept
    Leitor l(bytes, 0, bytes.size());
    if (l.Inteiro(1) != kVersaoSaida) return false;
    const auto linhas = static_cast<std::uint32_t>(l.Inteiro(4));
    impressao::TotaisDia dia;
    l(dia);
    impressao::ArmazemImpressao armazem;
    memorias::Memorias memorias(kVersao);
    if (!l.ok() || !armazem.Desserializa(l) || !memorias.Desserializa(l) || !l.NoFim()) return false;
    linhas_ = linhas;
    dia_ = std::move(dia);
    armazem_ = std::move(armazem);
    memorias_ = std::move(memorias);
    return true;
  }

 private:
  // Brings the memories in line with the state: fiscal memory header, owners and Z records, and the
  // detail memory of the serial number in force.
  void Sincroniza(const Estado& e) {
    memorias::MemoriaFiscal& mf = memorias_.Fiscal();
    const std::int32_t inicio = DataDe(e.inicio_operacao);
    const std::int32_t hoje = e.data_ultimo_doc ? e.data_ultimo_doc : inicio;
    if (!mf.Inicializada()) mf.Inicializa(e.numero_serie, kModelo, inicio, HoraDe(e.inicio_operacao));
    const auto& donos = mf.Proprietarios();
    if (!e.cnpj.empty() && (donos.empty() || donos.back().cnpj != e.cnpj || donos.back().inscricao_estadual != e.ie ||
                            donos.back().inscricao_municipal != e.im))
      mf.GravaProprietario({e.contadores.proprietarios, e.contadores.crz, hoje, 0, e.cnpj, e.ie, e.im});
    for (std::size_t i = mf.Reducoes().size(); i < e.reducoes.size(); ++i) mf.GravaReducao(RegistroDe(e.reducoes[i]));
    memorias::MemoriaFitaDetalhe& mfd = memorias_.FitaDetalhe();
    if (!e.numero_serie_mfd.empty() && mfd.Identificacao().numero_serie_mfd != e.numero_serie_mfd) {
      // A new detail memory takes the place of the one in use.
      mfd = memorias::MemoriaFitaDetalhe();
      mfd.Inicializa({e.numero_serie_mfd, e.numero_serie, e.cnpj, hoje, 0});
    }
  }

  Bobina Papel() { return Bobina(armazem_, memorias_.FitaDetalhe()); }

  memorias::CabecalhoDocumento CabecalhoDe(const Estado& e, const Documento& d) const {
    return {d.coo, TipoGravado(d.tipo), e.contadores.proprietarios, d.data, d.hora};
  }

  impressao::Rodape RodapeDe(const Estado& e, const Documento& d, const std::string& promocional) const {
    impressao::Rodape r;
    r.texto_promocional = promocional;
    r.operador = d.operador;
    if (d.contador != 0) r.contadores.push_back({NomeContador(d.tipo), d.contador});
    r.emissao = {e.data_ultimo_doc, e.hora_ultimo_doc};
    return r;
  }

  // Opening of a document that goes on over several commands, or of one printed whole later.
  void Abre(const Estado& e, const Documento& d) {
    const impressao::Consumidor consumidor{d.consumidor_id, d.consumidor_nome, d.consumidor_endereco};
    std::string texto = impressao::FormataCabecalho(Loja(e), {d.data, d.hora}, d.coo);
    switch (d.tipo) {
      case ecf::TipoDocumento::kCupomFiscal: texto += impressao::FormataAberturaCupomFiscal(consumidor); break;
      case ecf::TipoDocumento::kNaoFiscal: texto += impressao::FormataAberturaNaoFiscal(consumidor); break;
      case ecf::TipoDocumento::kGerencial: {
        const std::size_t k = d.indice < 0 ? 0 : static_cast<std::size_t>(d.indice);
        texto += impressao::FormataAberturaGerencial(static_cast<unsigned>(k), k < e.gerenciais.size() ? e.gerenciais[k].nome : "");
        break;
      }
      case ecf::TipoDocumento::kCreditoDebito:
        texto += impressao::FormataAberturaCreditoDebito({d.coo_vinculado, NomeMeio(e, d.indice), d.valor,
                                                          static_cast<unsigned>(d.parcelas > 0 ? d.parcelas : 1),
                                                          impressao::Via::kPrimeira});
        break;
      case ecf::TipoDocumento::kEstornoCreditoDebito:
        texto += impressao::FormataEstornoCreditoDebito(d.coo_vinculado, NomeMeio(e, d.indice), d.valor);
        break;
      default:
        return;  // readings, reversals and cancellations are printed whole by their own event
    }
    Imprimiu(Papel().IniciaDocumento(CabecalhoDe(e, d), texto), texto);
  }

  static std::string NomeMeio(const Estado& e, std::int32_t meio) {
    return meio >= 0 && meio < kTotalMeiosPagamento ? e.meios[static_cast<std::size_t>(meio)].nome : std::string();
  }

  void Continua(const std::string& texto) { Imprimiu(Papel().Imprime(texto), texto); }

  void Fecha(const Estado& e, const Documento& d, std::string texto, const std::string& promocional) {
    texto += impressao::FormataRodape(Loja(e), RodapeDe(e, d, promocional));
    Imprimiu(Papel().EncerraDocumento(texto), texto);
  }

  // A document printed whole at once.
  void Emite(const memorias::CabecalhoDocumento& cabecalho, const std::string& texto) {
    Bobina papel = Papel();
    Imprimiu(papel.IniciaDocumento(cabecalho, texto) && papel.EncerraDocumento(""), texto);
  }

  void Imprimiu(bool ok, const std::string& texto) {
    // The core checks the detail memory before it opens a document; should it still be refused
    // here, the paper is not fed and the line count stays as it was.
    if (ok) linhas_ += static_cast<std::uint32_t>(impressao::ContaQuebras(texto));
  }

  void Imprime(const Estado& e, const Evento& ev);
  void ImprimeLeitura(const Estado& e, const Evento& ev);
  void ImprimeReducaoZ(const Estado& e);

  memorias::Memorias memorias_{kVersao};
  impressao::ArmazemImpressao armazem_;
  std::uint32_t linhas_ = 0;
  impressao::TotaisDia dia_;
};

void SaidaImpressora::Imprime(const Estado& e, const Evento& ev) {
  const Documento* d = ev.documento >= 0 && static_cast<std::size_t>(ev.documento) < e.documentos.size()
                           ? &e.documentos[static_cast<std::size_t>(ev.documento)]
                           : nullptr;
  const ItemDocumento* item = d && ev.item >= 0 && static_cast<std::size_t>(ev.item) < d->itens.size()
                                  ? &d->itens[static_cast<std::size_t>(ev.item)]
                                  : nullptr;
  const unsigned numero = static_cast<unsigned>(ev.item + 1);
  switch (ev.tipo) {
    case Impresso::kAberturaDocumento:
      if (d) Abre(e, *d);
      break;
    case Impresso::kConsumidor:
      if (d) Continua(impressao::FormataConsumidor({d->consumidor_id, d->consumidor_nome, d->consumidor_endereco}));
      break;
    case Impresso::kItem:
      if (!item) break;
      if (d->tipo == ecf::TipoDocumento::kNaoFiscal) {
        const std::size_t k = static_cast<std::size_t>(item->tributo);
        Continua(impressao::FormataItemNaoFiscal(numero, k < e.nao_fiscais.size() ? e.nao_fiscais[k].nome : "", item->total));
      } else {
        Continua(impressao::FormataItem({numero, item->codigo, item->descricao, item->quantidade, item->unidade, item->preco,
                                         Situacao(e, item->tributo), item->total}));
      }
      break;
    case Impresso::kAjusteItem:
      if (!item) break;
      Continua(item->ajuste.cancelado ? impressao::FormataCancelamentoAcrescimoItem(numero, item->ajuste.valor)
                                      : impressao::FormataAcrescimoItem(numero, item->ajuste.valor, item->ajuste.percentual));
      break;
    case Impresso::kCancelamentoItem:
      if (!item) break;
      {
        // The value leaving the total, as the core computes it: what was left when the item empties,
        // quantity x unit price truncated otherwise. Earlier partial cancellations are taken as one,
        // which can differ by a cent from their sum when there were several.
        const std::int64_t antes = item->quantidade_cancelada - ev.quantidade;
        std::int64_t valor = 0;
        if (item->quantidade_cancelada == item->quantidade) {
          std::int64_t anterior = 0;
          if (antes > 0) MultiplicaDivideTrunca(item->preco, antes, 10000, anterior);
          valor = item->total - anterior;
        } else {
          MultiplicaDivideTrunca(item->preco, ev.quantidade, 10000, valor);
        }
        const bool inteiro = antes == 0 && ev.quantidade == item->quantidade;
        Continua(impressao::FormataCancelamentoItem(numero, inteiro ? 0 : ev.quantidade, valor));
      }
      break;
    case Impresso::kAjusteSubtotal:
      if (!d) break;
      if (d->ajuste_subtotal.cancelado) {
        Continua(impressao::FormataCancelamentoAcrescimoSubtotal(d->ajuste_subtotal.valor));
      } else {
        std::int64_t subtotal = 0;
        for (const ItemDocumento& i : d->itens) subtotal += LiquidoItem(i);
        Continua(impressao::FormataAcrescimoSubtotal(subtotal, d->ajuste_subtotal.valor, d->ajuste_subtotal.percentual));
      }
      break;
    case Impresso::kPagamento:
      if (!d || ev.item < 0 || static_cast<std::size_t>(ev.item) >= d->pagamentos.size()) break;
      {
        const Pagamento& p = d->pagamentos[static_cast<std::size_t>(ev.item)];
        std::string texto = ev.item == 0 ? impressao::FormataTotal(TotalAPagar(e, *d)) : std::string();
        texto += impressao::FormataPagamento(NomeMeio(e, p.meio), p.valor, p.texto);
        Continua(texto);
      }
      break;
    case Impresso::kTextoLivre:
      Continua(impressao::FormataTextoLivre(ev.texto));
      break;
    case Impresso::kEncerramento:
      if (!d) break;
      if (d->tipo == ecf::TipoDocumento::kEstornoMeioPagamento) {
        std::string texto = impressao::FormataCabecalho(Loja(e), {d->data, d->hora}, d->coo);
        if (d->pagamentos.size() == 2)
          texto += impressao::FormataEstornoMeioPagamento(NomeMeio(e, d->pagamentos[0].meio), NomeMeio(e, d->pagamentos[1].meio),
                                                          d->valor);
        texto += impressao::FormataRodape(Loja(e), RodapeDe(e, *d, ""));
        Emite(CabecalhoDe(e, *d), texto);
      } else {
        const Totais t = CalculaDocumento(e, *d);
        Fecha(e, *d, t.troco > 0 ? impressao::FormataTroco(t.troco) : std::string(), ev.texto);
      }
      break;
    case Impresso::kCancelamento:
      if (!d) break;
      if (d->tipo == ecf::TipoDocumento::kCancelamento) {
        std::int64_t total = 0;
        std::uint32_t contador = 0;
        for (const Documento& o : e.documentos)
          if (o.coo == d->coo_vinculado) {
            for (const ItemDocumento& i : o.itens) total += i.total;
            contador = o.contador;
          }
        std::string texto = impressao::FormataCabecalho(Loja(e), {d->data, d->hora}, d->coo) +
                            impressao::FormataCancelamentoCupomAnterior(d->coo_vinculado, contador, total) +
                            impressao::FormataRodape(Loja(e), RodapeDe(e, *d, ""));
        Emite(CabecalhoDe(e, *d), texto);
      } else {
        std::int64_t total = 0;
        for (const ItemDocumento& i : d->itens) total += i.total;
        Fecha(e, *d, impressao::FormataDocumentoCancelado(total), "");
      }
      break;
    case Impresso::kViaCreditoDebito:
      if (!d) break;
      {
        // Another copy of the voucher: printed whole, recorded under the voucher's COO.
        const bool aberto = d->fase != FaseDocumento::kEncerrado;
        std::string texto = impressao::FormataCabecalho(Loja(e), {d->data, d->hora}, d->coo) +
                            impressao::FormataAberturaCreditoDebito(
                                {d->coo_vinculado, NomeMeio(e, d->indice), d->valor,
                                 static_cast<unsigned>(d->parcelas > 0 ? d->parcelas : 1),
                                 aberto ? impressao::Via::kSegunda : impressao::Via::kReimpressao});
        if (aberto) Continua(texto);
        else Emite(CabecalhoDe(e, *d), texto + impressao::FormataRodape(Loja(e), RodapeDe(e, *d, "")));
      }
      break;
    case Impresso::kLeituraX:
    case Impresso::kLeituraMF:
    case Impresso::kLeituraMFD:
      ImprimeLeitura(e, ev);
      break;
    case Impresso::kReducaoZ:
      ImprimeReducaoZ(e);
      break;
    case Impresso::kAvancoPapel: {
      std::string texto;
      for (std::int64_t i = 0; i < ev.quantidade && i < 1000; ++i) texto += impressao::kQuebraLinha;
      Continua(texto);
      break;
    }
    case Impresso::kCupomAdicional:
      if (d) {
        // A copy of the last coupon as the detail memory keeps it; it is no new document.
        for (const memorias::DocumentoGravado& g : memorias_.FitaDetalhe().Documentos())
          if (g.cabecalho.coo == d->coo) {
            impressao::TextoImpresso t;
            t.LinhaEmBranco();
            t.Centro("CUPOM ADICIONAL", true);
            t.Acrescenta(g.texto);
            armazem_.NovoDocumento();
            armazem_.Acrescenta(t.Texto());
            linhas_ += static_cast<std::uint32_t>(impressao::ContaQuebras(t.Texto()));
          }
      }
      break;
    case Impresso::kDadosDepartamento: {
      impressao::TextoImpresso t;
      t.LinhaEmBranco();
      t.Centro("DEPARTAMENTOS", true);
      const Totais dia = CalculaDia(e);
      for (std::size_t k = 0; k < e.departamentos.size(); ++k)
        if (e.departamentos[k].definido)
          t.Colunas(impressao::Numero(k, 2) + " " + e.departamentos[k].nome,
                    impressao::Milesimos(dia.departamento_quantidade[k]) + "  " + impressao::Valor(dia.departamento_valor[k]));
      armazem_.NovoDocumento();
      armazem_.Acrescenta(t.Texto());
      linhas_ += static_cast<std::uint32_t>(impressao::ContaQuebras(t.Texto()));
      break;
    }
    default:
      break;  // slips, cheques, drawer, cutter, restart: nothing on the paper roll
  }
}

void SaidaImpressora::ImprimeLeitura(const Estado& e, const Evento& ev) {
  const Documento* d = ev.documento >= 0 && static_cast<std::size_t>(ev.documento) < e.documentos.size()
                           ? &e.documentos[static_cast<std::size_t>(ev.documento)]
                           : nullptr;
  const std::uint32_t coo = d ? d->coo : e.contadores.coo;
  const Instante agora = d ? Instante{d->data, d->hora} : Instante{e.data_ultimo_doc, e.hora_ultimo_doc};
  impressao::Rodape rodape;
  rodape.operador = Texto(ev.parametros, "Operador");
  rodape.emissao = agora;
  std::string texto;
  if (ev.tipo == Impresso::kLeituraX) {
    texto = impressao::FormataLeituraX(Loja(e), agora, TotaisDoDia(e), rodape);
  } else if (ev.tipo == Impresso::kLeituraMF) {
    impressao::FaixaMF faixa;
    faixa.por_data = Tem(ev.parametros, "DataInicial");
    faixa.reducao_inicial = static_cast<std::uint32_t>(Numero(ev.parametros, "ReducaoInicial", 1));
    faixa.reducao_final = static_cast<std::uint32_t>(Numero(ev.parametros, "ReducaoFinal", 9999));
    faixa.data_inicial = Data(ev.parametros, "DataInicial");
    faixa.data_final = Data(ev.parametros, "DataFinal");
    bool simplificada = false;
    faixa.simplificada = LeIndicador(Texto(ev.parametros, "LeituraSimplificada"), simplificada) && simplificada;
    texto = impressao::FormataLeituraMF(Loja(e), agora, coo, memorias_.Fiscal(), faixa, rodape);
  } else {
    impressao::FaixaMFD faixa;
    faixa.por_data = Tem(ev.parametros, "DataInicial");
    faixa.coo_inicial = static_cast<std::uint32_t>(Numero(ev.parametros, "COOInicial", 1));
    faixa.coo_final = static_cast<std::uint32_t>(Numero(ev.parametros, "COOFinal", 999999));
    faixa.data_inicial = Data(ev.parametros, "DataInicial");
    faixa.data_final = Data(ev.parametros, "DataFinal");
    if (Tem(ev.parametros, "Proprietario")) faixa.proprietario = Numero(ev.parametros, "Proprietario", -1);
    const std::string tipo = Texto(ev.parametros, "TipoDocumento");
    if (!tipo.empty()) faixa.tipo = static_cast<char>(std::toupper(static_cast<unsigned char>(tipo[0])));
    texto = impressao::FormataLeituraMFD(Loja(e), agora, coo, memorias_.FitaDetalhe(), faixa, rodape);
  }
  if (ev.para_host) {
    Papel().EntregaAoHost(std::move(texto));
  } else if (d) {
    Emite(CabecalhoDe(e, *d), texto);
  }
}

void SaidaImpressora::ImprimeReducaoZ(const Estado& e) {
  if (e.reducoes.empty()) return;
  const Reducao& z = e.reducoes.back();
  // Names and zeros from the state, the day's figures from the picture taken before the Z, the
  // fiscal figures from the fiscal-memory record.
  impressao::TotaisDia dia = TotaisDoDia(e);
  if (z.data_movimento != 0 && dia_.movimento == z.data_movimento) dia = dia_;
  const memorias::RegistroReducao r = RegistroDe(z);
  dia.movimento = z.data_movimento;
  dia.gt = z.gt;
  dia.venda_bruta = z.venda_bruta;
  dia.venda_liquida = r.venda_liquida;
  dia.cancelamentos_icms = z.cancelamentos_icms;
  dia.cancelamentos_issqn = z.cancelamentos_issqn;
  dia.descontos = z.descontos;
  dia.acrescimos = z.acrescimos;
  dia.contadores.coo = z.coo;
  dia.contadores.crz = z.crz;
  dia.contadores.cro = z.cro;
  impressao::Rodape rodape;
  rodape.emissao = {z.data, z.hora};
  const std::string texto = impressao::FormataReducaoZ(Loja(e), {z.data, z.hora}, dia, rodape);
  Emite({z.coo, TipoDocumento::kReducaoZ, e.contadores.proprietarios, z.data, z.hora}, texto);
  dia_ = impressao::TotaisDia();
}

}  // namespace

std::unique_ptr<Saida> CriaSaidaImpressora() { return std::make_unique<SaidaImpressora>(); }

}  // namespace ecf
