#include "impressao/saida_impressora.h"

#include <cctype>

#include "contexto/arquivo_crescente.h"
#include "fiscal/relogio.h"
#include "fiscal/totais.h"
#include "impressao/armazem_impressao.h"
#include "impressao/arquivo_bobina.h"
#include "impressao/bobina.h"
#include "impressao/documentos.h"
#include "impressao/leituras_memoria.h"
#include "impressao/texto_impresso.h"
#include "memorias/capacidade_mfd.h"
#include "memorias/memorias.h"

namespace ecf {

namespace {

using impressao::Bobina;
using impressao::Instante;
using memorias::TipoDocumento;  // the kind recorded in the detail memory

constexpr char kModelo[] = "ECF EMULADO";
constexpr char kMarca[] = "EMULADOR";
constexpr char kVersao[] = "01.00.00";
constexpr std::uint8_t kVersaoSaida = 3;
constexpr std::uint8_t kVersaoMemoriasNoContexto = 2;  // the previous layout: memories inline
constexpr int kLinhasAteGuilhotina = 5;  // the last printed line passes the cutter before the cut

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

// One entry per defined slot of a table, with what `total` gives for it.
template <class Tabela, class Total>
std::vector<impressao::TotalNomeado> Nomeados(const Tabela& tabela, Total total) {
  std::vector<impressao::TotalNomeado> lista;
  for (std::size_t k = 0; k < tabela.size(); ++k)
    if (tabela[k].definido) lista.push_back(total(k, tabela[k].nome));
  return lista;
}

// The day as the X reading shows it and the Z closes it: names from the tables, the figures from
// the day's totals, the counters as given.
impressao::TotaisDia TotaisDoDia(const Estado& e, const Totais& dia, const Contadores& c) {
  impressao::TotaisDia t;
  static_cast<ResumoFiscal&>(t) = dia;
  t.movimento = e.data_abertura;
  t.gt = e.gt_inicial + dia.venda_bruta;
  t.issqn = dia.ISSQN(e);
  for (int k = 0; k < kTotalAliquotas; ++k) {
    const Aliquota& a = e.aliquotas[static_cast<std::size_t>(k)];
    if (a.definida)
      t.aliquotas.push_back({static_cast<unsigned>(k), a.icms, a.percentual, dia.aliquota[static_cast<std::size_t>(k)],
                             ImpostoAliquota(e, dia, k)});
  }
  using impressao::TotalNomeado;
  t.meios_pagamento = Nomeados(e.meios, [&](std::size_t k, const std::string& nome) {
    return TotalNomeado{static_cast<unsigned>(k), nome, dia.meio[k], 0, 0};
  });
  t.troco = dia.troco;
  t.nao_fiscais = Nomeados(e.nao_fiscais, [&](std::size_t k, const std::string& nome) {
    return TotalNomeado{static_cast<unsigned>(k), nome, dia.nao_fiscal[k], c.con[k], 0};
  });
  t.descontos_nao_fiscais = dia.descontos_nao_fiscais;
  t.acrescimos_nao_fiscais = dia.acrescimos_nao_fiscais;
  t.cancelamentos_nao_fiscais = dia.cancelamentos_nao_fiscais;
  t.operacoes_nao_fiscais = dia.OperacoesNaoFiscais();
  t.gerenciais = Nomeados(e.gerenciais, [&](std::size_t k, const std::string& nome) {
    return TotalNomeado{static_cast<unsigned>(k), nome, 0, c.cer[k], 0};
  });
  t.departamentos = Nomeados(e.departamentos, [&](std::size_t k, const std::string& nome) {
    return TotalNomeado{static_cast<unsigned>(k), nome, dia.departamento_valor[k], 0, dia.departamento_quantidade[k]};
  });
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

// The document an event speaks of, or nullptr.
const Documento* DocumentoDo(const Estado& e, const Evento& ev) {
  return ev.documento >= 0 && static_cast<std::size_t>(ev.documento) < e.documentos.size()
             ? &e.documentos[static_cast<std::size_t>(ev.documento)]
             : nullptr;
}

class SaidaImpressora final : public Saida {
 public:
  explicit SaidaImpressora(std::uint32_t paginas_mfd) : paginas_mfd_(paginas_mfd) {}

  void Registra(const Estado& estado, const std::vector<Evento>& eventos) override {
    if (Sincroniza(estado) || !eventos.empty()) ++revisao_;
    for (const Evento& ev : eventos) Imprime(estado, ev);
    rolo_.Descarrega();
  }

  std::string ProximoTrechoImpressao() override {
    if (armazem_.Pendente() > 0) ++revisao_;
    return armazem_.LeImpressao();
  }

  void DefineEnderecoMemoria(std::uint32_t endereco) override { memorias_.DefineEnderecoSoftwareBasico(endereco); }
  std::uint32_t EnderecoMemoria() const override { return memorias_.EnderecoSoftwareBasico(); }
  std::string LeMemoria() const override { return memorias_.LeSoftwareBasico().texto; }
  std::uint32_t TamanhoSoftwareBasico() const override { return memorias_.TamanhoSoftwareBasico(); }
  std::uint32_t LinhasImpressas() const override { return linhas_; }
  std::uint64_t BytesMFDUsados() const override {
    return static_cast<std::uint64_t>(memorias_.FitaDetalhe().PaginasUsadas()) * memorias::MemoriaFitaDetalhe::kDadosPagina;
  }
  std::uint64_t CapacidadeMFD() const override {
    return static_cast<std::uint64_t>(memorias_.FitaDetalhe().PaginasArea()) * memorias::MemoriaFitaDetalhe::kDadosPagina;
  }
  std::uint64_t BytesMFLivres() const override {
    using memorias::MemoriaFiscal;
    // Not initialised yet: its header record comes first.
    const std::uint64_t usados = memorias_.Fiscal().Inicializada() ? memorias_.Fiscal().BytesUsados()
                                                                    : MemoriaFiscal::kTamanhoCabecalho;
    return usados < MemoriaFiscal::kTamanhoArea ? MemoriaFiscal::kTamanhoArea - usados : 0;
  }

  void Associa(const std::string& base, const std::string& bobina) override {
    base_ = base;
    rolo_.Associa(bobina);
    armazem_.Associa(base);
    arquivo_mf_ = ArquivoCrescente(base, ".mf");
    arquivo_mfd_ = ArquivoCrescente(base, ".mfd");
  }

  bool AcrescentaArquivos() override {
    if (!armazem_.AcrescentaArquivo()) return false;
    const std::string& mf = memorias_.Fiscal().Imagem();
    if (!arquivo_mf_.Acrescenta(std::string_view(mf).substr(arquivo_mf_.Confirmados()))) return false;
    memorias::MemoriaFitaDetalhe& mfd = memorias_.FitaDetalhe();
    const auto gravadas = static_cast<std::uint32_t>(arquivo_mfd_.Confirmados() / kPagina);
    const std::uint32_t completas = mfd.PaginasCompletas();
    if (completas > gravadas && !arquivo_mfd_.Acrescenta(mfd.Trecho(gravadas, completas))) return false;
    if (arquivo_mfd_.Guardado()) mfd.Entrega(completas, FontePaginas());
    return true;
  }

  std::string Grava() const override {
    Escritor e;
    e.Inteiro(kVersaoSaida, 1);
    e.Inteiro(linhas_, 4);
    armazem_.SerializaResumo(e);
    arquivo_mf_.Serializa(e);
    arquivo_mfd_.Serializa(e);
    memorias_.FitaDetalhe().SerializaResumo(e);
    return std::move(e.bytes());
  }

  void ContextoGravado() override {
    armazem_.ContextoGravado();
    arquivo_mf_.Descarta();
    arquivo_mfd_.Descarta();
  }

  bool Carrega(const std::string& bytes) override {
    if (bytes.empty()) return true;  // a context from before any output was kept
    Leitor l(bytes, 0, bytes.size());
    const std::uint64_t versao = l.Inteiro(1);
    if (versao == kVersaoMemoriasNoContexto) return CarregaComMemorias(l);
    const auto linhas = static_cast<std::uint32_t>(l.Inteiro(4));
    impressao::ArmazemImpressao armazem;
    armazem.Associa(base_);
    ArquivoCrescente mf = arquivo_mf_, mfd = arquivo_mfd_;
    memorias::Memorias memorias(kVersao);
    std::string imagem_mf;
    const bool ok = versao == kVersaoSaida && l.ok() && armazem.DesserializaResumo(l) && mf.Desserializa(l) &&
                    mfd.Desserializa(l) && memorias.FitaDetalhe().DesserializaResumo(l, FontePaginas()) && l.NoFim() &&
                    mfd.Confirmados() == memorias.FitaDetalhe().PaginasCompletas() * std::uint64_t{kPagina} &&
                    mf.Ajusta() && mfd.Ajusta() && mf.Le(0, static_cast<std::size_t>(mf.Confirmados()), imagem_mf) &&
                    memorias.Fiscal().CarregaImagem(imagem_mf);
    if (!ok) {
      armazem.PoeDeLado();
      mf.PoeDeLado();
      mfd.PoeDeLado();
      return false;
    }
    linhas_ = linhas;
    armazem_ = std::move(armazem);
    arquivo_mf_ = std::move(mf);
    arquivo_mfd_ = std::move(mfd);
    memorias_ = std::move(memorias);
    return true;
  }

  std::uint64_t Revisao() const override { return revisao_; }

 private:
  static constexpr std::uint32_t kPagina = memorias::MemoriaFitaDetalhe::kTamanhoPagina;

  // The detail memory's handed-over pages are read back from its file.
  memorias::MemoriaFitaDetalhe::FontePaginas FontePaginas() {
    return [this](std::uint32_t primeira, std::uint32_t paginas, std::string& bytes) {
      return arquivo_mfd_.Le(std::uint64_t{primeira} * kPagina, static_cast<std::size_t>(paginas) * kPagina, bytes);
    };
  }

  // The previous layout: both memories inside the context. They go whole to their files at the
  // next save.
  bool CarregaComMemorias(Leitor& l) {
    const auto linhas = static_cast<std::uint32_t>(l.Inteiro(4));
    impressao::ArmazemImpressao armazem;
    armazem.Associa(base_);
    memorias::Memorias memorias(kVersao);
    if (!l.ok() || !armazem.Desserializa(l) || !memorias.Desserializa(l) || !l.NoFim()) return false;
    linhas_ = linhas;
    armazem_ = std::move(armazem);
    memorias_ = std::move(memorias);
    ++revisao_;
    return true;
  }

  // Brings the memories in line with the state: fiscal memory header, owners and Z records, and the
  // detail memory of the serial number in force. Answers whether anything was written.
  bool Sincroniza(const Estado& e) {
    bool mudou = false;
    memorias::MemoriaFiscal& mf = memorias_.Fiscal();
    const std::int32_t inicio = DataDe(e.inicio_operacao);
    const std::int32_t hoje = e.data_ultimo_doc ? e.data_ultimo_doc : inicio;
    if (!mf.Inicializada()) {
      mf.Inicializa(e.numero_serie, kModelo, inicio, HoraDe(e.inicio_operacao));
      mudou = true;
    }
    const auto& donos = mf.Proprietarios();
    if (!e.cnpj.empty() && (donos.empty() || donos.back().cnpj != e.cnpj || donos.back().inscricao_estadual != e.ie ||
                            donos.back().inscricao_municipal != e.im))
      mudou |= mf.GravaProprietario({e.contadores.proprietarios, e.contadores.crz, hoje, 0, e.cnpj, e.ie, e.im});
    // The state keeps the last Z (a context of the previous layout, all of them): those the fiscal
    // memory has not recorded yet go there, in order.
    for (const RegistroReducao& z : e.reducoes)
      if (mf.Reducoes().empty() || z.crz > mf.Reducoes().back().crz) {
        if (!mf.GravaReducao(z)) break;
        mudou = true;
      }
    memorias::MemoriaFitaDetalhe& mfd = memorias_.FitaDetalhe();
    if (!e.numero_serie_mfd.empty() && mfd.Identificacao().numero_serie_mfd != e.numero_serie_mfd) {
      // A new detail memory takes the place of the one in use.
      mfd = memorias::MemoriaFitaDetalhe();
      arquivo_mfd_.Recomeca();
      mfd.Inicializa({e.numero_serie_mfd, e.numero_serie, e.cnpj, hoje, 0}, paginas_mfd_);
      mudou = true;
    }
    return mudou;
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
        texto += impressao::FormataAberturaCreditoDebito(Comprovante(e, d, impressao::Via::kPrimeira));
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

  static impressao::ComprovanteCreditoDebito Comprovante(const Estado& e, const Documento& d, impressao::Via via) {
    return {d.coo_vinculado, NomeMeio(e, d.indice), d.valor, static_cast<unsigned>(d.parcelas > 0 ? d.parcelas : 1), via};
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

  // A document printed whole at once, head and foot included.
  void EmiteCompleto(const Estado& e, const Documento& d, const std::string& corpo) {
    Emite(CabecalhoDe(e, d), impressao::FormataCabecalho(Loja(e), {d.data, d.hora}, d.coo) + corpo +
                                 impressao::FormataRodape(Loja(e), RodapeDe(e, d, "")));
  }

  // Printed on the roll outside any document (a copy, a table): the print data takes it, the
  // detail memory does not.
  void ImprimeAvulso(const std::string& texto) {
    armazem_.NovoDocumento();
    armazem_.Acrescenta(texto);
    NoRolo(texto);
  }

  // Printed on a slip, not on the roll, so no roll lines are counted. The detail memory keeps it:
  // inside the document being printed (a cheque while a coupon is paid), or as a record of its own.
  void ImprimeFolhaSolta(const memorias::CabecalhoDocumento& cabecalho, const std::string& texto) {
    Bobina papel = Papel();
    if (memorias_.FitaDetalhe().DocumentoAberto()) papel.Imprime(texto);
    else if (papel.IniciaDocumento(cabecalho, texto)) papel.EncerraDocumento("");
  }

  void Imprimiu(bool ok, const std::string& texto) {
    // The core checks the detail memory before it opens a document; should it still be refused
    // here, the paper is not fed and the line count stays as it was.
    if (ok) NoRolo(texto);
  }

  // What went on the paper roll: counted, and kept in the roll's file.
  void NoRolo(const std::string& texto) {
    linhas_ += static_cast<std::uint32_t>(impressao::ContaQuebras(texto));
    rolo_.Imprime(texto);
  }

  void AvancaPapel(std::int64_t linhas) {
    std::string texto;
    for (std::int64_t i = 0; i < linhas && i < 1000; ++i) texto += impressao::kQuebraLinha;
    Continua(texto);
  }

  void Imprime(const Estado& e, const Evento& ev);
  void ImprimeLeitura(const Estado& e, const Evento& ev);
  void ImprimeReducaoZ(const Estado& e, const Evento& ev);
  void ImprimeCheque(const Estado& e, const Evento& ev);

  std::uint32_t paginas_mfd_;  // size of each new detail memory
  memorias::Memorias memorias_{kVersao};
  std::string base_;  // the files' names start with it
  impressao::ArmazemImpressao armazem_;
  ArquivoCrescente arquivo_mf_{"", ""};
  ArquivoCrescente arquivo_mfd_{"", ""};
  std::uint32_t linhas_ = 0;
  std::uint64_t revisao_ = 0;
  impressao::ArquivoBobina rolo_;
};

void SaidaImpressora::Imprime(const Estado& e, const Evento& ev) {
  const Documento* d = DocumentoDo(e, ev);
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
        // The whole item at once prints no quantity; a part of it prints the quantity cancelled.
        const bool inteiro = ev.quantidade == item->quantidade;
        Continua(impressao::FormataCancelamentoItem(numero, inteiro ? 0 : ev.quantidade, ev.valor));
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
        EmiteCompleto(e, *d, d->pagamentos.size() == 2
                                 ? impressao::FormataEstornoMeioPagamento(NomeMeio(e, d->pagamentos[0].meio),
                                                                          NomeMeio(e, d->pagamentos[1].meio), d->valor)
                                 : std::string());
      } else {
        const Totais t = CalculaDocumento(e, *d);
        Fecha(e, *d, t.troco > 0 ? impressao::FormataTroco(t.troco) : std::string(), ev.texto);
      }
      break;
    case Impresso::kCancelamento:
      if (!d) break;
      if (d->tipo == ecf::TipoDocumento::kCancelamento) {
        const Documento* cancelado = nullptr;
        for (const Documento& o : e.documentos)
          if (o.coo == d->coo_vinculado) cancelado = &o;
        EmiteCompleto(e, *d, impressao::FormataCancelamentoCupomAnterior(d->coo_vinculado, cancelado ? cancelado->contador : 0,
                                                                         ev.valor));
      } else {
        Fecha(e, *d, impressao::FormataDocumentoCancelado(ev.valor), "");
      }
      break;
    case Impresso::kViaCreditoDebito:
      if (!d) break;
      if (d->fase != FaseDocumento::kEncerrado) {
        // Another copy of the voucher in issue: the copy printed so far gets its foot, then the new
        // one begins whole; both are recorded under the voucher's COO.
        Continua(impressao::FormataRodape(Loja(e), RodapeDe(e, *d, "")) +
                 impressao::FormataCabecalho(Loja(e), {d->data, d->hora}, d->coo) +
                 impressao::FormataAberturaCreditoDebito(Comprovante(e, *d, impressao::Via::kSegunda)));
      } else {
        EmiteCompleto(e, *d, impressao::FormataAberturaCreditoDebito(Comprovante(e, *d, impressao::Via::kReimpressao)));
      }
      break;
    case Impresso::kLeituraX:
    case Impresso::kLeituraMF:
    case Impresso::kLeituraMFD:
      ImprimeLeitura(e, ev);
      break;
    case Impresso::kReducaoZ:
      ImprimeReducaoZ(e, ev);
      break;
    case Impresso::kAvancoPapel:
      AvancaPapel(ev.quantidade);
      break;
    case Impresso::kCortePapel:
      AvancaPapel(kLinhasAteGuilhotina);
      break;
    case Impresso::kCupomAdicional:
      if (!d) break;
      // A copy of the last coupon as the detail memory keeps it; it is no new document.
      // Walked one document at a time (the memory is never decoded whole for one coupon); printed
      // after the walk, as printing adds to the memory being walked.
      {
        std::vector<std::string> copias;
        memorias_.FitaDetalhe().PercorreDocumentos([&](memorias::DocumentoGravado&& g) {
          if (g.cabecalho.coo == d->coo && g.cabecalho.tipo == TipoDocumento::kCupomFiscal)
            copias.push_back(std::move(g.texto));
        });
        for (const std::string& copia : copias) {
          impressao::TextoImpresso t;
          t.LinhaEmBranco();
          t.Centro("CUPOM ADICIONAL", true);
          t.Acrescenta(copia);
          ImprimeAvulso(t.Texto());
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
      ImprimeAvulso(t.Texto());
      break;
    }
    case Impresso::kAutenticacao:
      if (!d) break;
      ImprimeFolhaSolta({d->coo, TipoDocumento::kAutenticacao, e.contadores.proprietarios, ev.data, ev.hora},
                        impressao::FormataAutenticacao(
                            Loja(e), {d->coo, {NomeContador(d->tipo), d->contador}, {d->data, d->hora},
                                      d->tipo == ecf::TipoDocumento::kCreditoDebito ? d->valor : TotalAPagar(e, *d), ev.texto}));
      break;
    case Impresso::kCheque:
      ImprimeCheque(e, ev);
      break;
    case Impresso::kChancelaCheque:
      ImprimeFolhaSolta({e.contadores.coo, TipoDocumento::kCheque, e.contadores.proprietarios, ev.data, ev.hora},
                        impressao::FormataChancela(ev.texto));
      break;
    case Impresso::kCruzaCheque: {
      // TipoCruzamento: 0 the lines alone, 1 with one line of text, 2 with three.
      const std::int64_t tipo = ev.parametros ? ev.parametros->Numero("TipoCruzamento", 0) : 0;
      const std::size_t quantas = tipo == 2 ? 3 : tipo == 1 ? 1 : 0;
      std::vector<std::string> linhas;
      for (const char* nome : {"LinhaCruzamento1", "LinhaCruzamento2", "LinhaCruzamento3"})
        if (linhas.size() < quantas) linhas.push_back(ev.parametros->Texto(nome));
      ImprimeFolhaSolta({e.contadores.coo, TipoDocumento::kCheque, e.contadores.proprietarios, ev.data, ev.hora},
                        impressao::FormataCruzamento(linhas));
      break;
    }
    default:
      break;  // drawer, document ejection, restart: nothing is printed
  }
}

void SaidaImpressora::ImprimeCheque(const Estado& e, const Evento& ev) {
  if (!ev.parametros) return;
  const Parametros& p = *ev.parametros;
  impressao::Cheque cheque;
  cheque.valor = p.Numero("Valor");
  cheque.moeda_singular = e.moeda_singular;
  cheque.moeda_plural = e.moeda_plural;
  cheque.favorecido = p.Texto("Favorecido");
  cheque.cidade = p.Texto("Cidade");
  cheque.data = static_cast<std::int32_t>(p.Numero("Data"));
  for (const char* nome : {"MensagemDocLinha1", "MensagemDocLinha2", "MensagemDocLinha3"})
    if (p.Tem(nome)) cheque.mensagens.push_back(p.Texto(nome));
  ImprimeFolhaSolta({e.contadores.coo, TipoDocumento::kCheque, e.contadores.proprietarios, ev.data, ev.hora},
                    impressao::FormataCheque(cheque));
}

void SaidaImpressora::ImprimeLeitura(const Estado& e, const Evento& ev) {
  const Documento* d = DocumentoDo(e, ev);
  if (!ev.parametros) return;
  const Parametros& p = *ev.parametros;
  const std::uint32_t coo = d ? d->coo : e.contadores.coo;
  const Instante agora = d ? Instante{d->data, d->hora} : Instante{ev.data, ev.hora};
  impressao::Rodape rodape;
  rodape.operador = p.Texto("Operador");
  rodape.emissao = agora;
  std::string texto;
  if (ev.tipo == Impresso::kLeituraX) {
    texto = impressao::FormataLeituraX(Loja(e), agora, TotaisDoDia(e, CalculaDia(e), e.contadores), rodape);
  } else if (ev.tipo == Impresso::kLeituraMF) {
    impressao::FaixaMF faixa;
    faixa.por_data = p.Tem("DataInicial");
    faixa.reducao_inicial = static_cast<std::uint32_t>(p.Numero("ReducaoInicial", 1));
    faixa.reducao_final = static_cast<std::uint32_t>(p.Numero("ReducaoFinal", 9999));
    faixa.data_inicial = static_cast<std::int32_t>(p.Numero("DataInicial"));
    faixa.data_final = static_cast<std::int32_t>(p.Numero("DataFinal"));
    faixa.simplificada = p.Indicador("LeituraSimplificada", false);
    texto = impressao::FormataLeituraMF(Loja(e), agora, coo, memorias_.Fiscal(), faixa, rodape);
  } else {
    impressao::FaixaMFD faixa;
    faixa.por_data = p.Tem("DataInicial");
    faixa.coo_inicial = static_cast<std::uint32_t>(p.Numero("COOInicial", 1));
    faixa.coo_final = static_cast<std::uint32_t>(p.Numero("COOFinal", 999999));
    faixa.data_inicial = static_cast<std::int32_t>(p.Numero("DataInicial"));
    faixa.data_final = static_cast<std::int32_t>(p.Numero("DataFinal"));
    faixa.proprietario = p.Numero("Proprietario", -1);
    const std::string& tipo = p.Texto("TipoDocumento");
    if (!tipo.empty()) faixa.tipo = static_cast<char>(std::toupper(static_cast<unsigned char>(tipo[0])));
    if (ev.para_host) {
      // Straight into the store, document by document: the whole memory's reading is never held.
      Bobina papel = Papel();
      papel.RecomecaEntregaAoHost();
      impressao::ComponheLeituraMFD(Loja(e), agora, coo, memorias_.FitaDetalhe(), faixa, rodape,
                                    [&papel](std::string_view parte) { papel.ContinuaEntregaAoHost(parte); });
      return;
    }
    texto = impressao::FormataLeituraMFD(Loja(e), agora, coo, memorias_.FitaDetalhe(), faixa, rodape);
  }
  if (ev.para_host) {
    Papel().EntregaAoHost(std::move(texto));
  } else if (d) {
    Emite(CabecalhoDe(e, *d), texto);
  }
}

void SaidaImpressora::ImprimeReducaoZ(const Estado& e, const Evento& ev) {
  if (e.reducoes.empty() || !ev.dia_encerrado) return;
  const RegistroReducao& z = e.reducoes.back();
  // The day as the core handed it over before clearing it; the Z's own numbers from its record.
  impressao::TotaisDia dia = TotaisDoDia(e, ev.dia_encerrado->totais, ev.dia_encerrado->contadores);
  dia.movimento = z.movimento;
  dia.gt = z.gt;
  impressao::Rodape rodape;
  rodape.emissao = {z.data, z.hora};
  const std::string texto = impressao::FormataReducaoZ(Loja(e), {z.data, z.hora}, dia, rodape);
  Emite({z.coo, TipoDocumento::kReducaoZ, e.contadores.proprietarios, z.data, z.hora}, texto);
}

}  // namespace

std::unique_ptr<Saida> CriaSaidaImpressora(std::uint32_t paginas_mfd) {
  return std::make_unique<SaidaImpressora>(paginas_mfd);
}

std::unique_ptr<Saida> CriaSaida() { return CriaSaidaImpressora(memorias::PaginasMFDConfiguradas()); }

}  // namespace ecf
