#include "memorias/memoria_fita_detalhe.h"

#include <algorithm>
#include <optional>

namespace ecf::memorias {

namespace {

constexpr char kMagica[] = "KVT-MFD1";
constexpr std::uint8_t kInicio = 0x01;
constexpr std::uint8_t kTexto = 0x02;
constexpr std::uint8_t kFim = 0x03;
constexpr std::size_t kTamanhoInicio = 14;
constexpr std::size_t kMaximoTrecho = 0xFFFF;
constexpr std::uint16_t kPaginaComInicio = 0x0001;
constexpr std::uint16_t kPaginaCabecalho = 0x8000;

// Trailer offsets within a page.
constexpr std::size_t kNumero = 512;
constexpr std::size_t kUsados = 516;
constexpr std::size_t kFlags = 518;
constexpr std::size_t kPrimeiroCOO = 520;
constexpr std::size_t kCrc = 524;

std::uint64_t CustoTexto(std::size_t tamanho) {
  const std::uint64_t trechos = tamanho == 0 ? 0 : (tamanho + kMaximoTrecho - 1) / kMaximoTrecho;
  return tamanho + 3 * trechos;
}

// Walks a record stream that arrives in pieces (a page's bytes at a time): a record split between
// pieces waits for the rest, so only one record is ever held. Stops at the first fault; the
// documents met until then (the last one perhaps unfinished) are handed over all the same.
class PercursoFluxo {
 public:
  explicit PercursoFluxo(const MemoriaFitaDetalhe::VisitaDocumento* visita) : visita_(visita) {}

  // false once the stream is found not well formed.
  bool Acrescenta(std::string_view bytes) {
    if (!ok_) return false;
    pendente_.append(bytes.data(), bytes.size());
    return Percorre(false);
  }
  // The end of the stream (a record cut short there is a fault); hands over the last document.
  bool Termina() {
    if (ok_) Percorre(true);
    EntregaAtual();
    return ok_;
  }
  bool Aberto() const { return aberto_; }
  std::uint32_t UltimoCOO() const { return ultimo_coo_; }

 private:
  // Whether the record starting with `marca` is whole in `resta` bytes (an unknown mark is a fault
  // found at once).
  bool Completo(std::size_t inicio, std::size_t resta) const {
    const auto marca = static_cast<std::uint8_t>(pendente_[inicio]);
    if (marca == kInicio) return resta >= kTamanhoInicio;
    if (marca != kTexto) return true;
    return resta >= 3 && resta - 3 >= LeU16(pendente_.data() + inicio + 1);
  }

  bool Percorre(bool fim) {
    Leitor l(pendente_, 0, pendente_.size());
    std::size_t consumidos = 0;
    while (!l.NoFim()) {
      if (!fim && !Completo(l.Posicao(), pendente_.size() - l.Posicao())) break;
      const auto marca = static_cast<std::uint8_t>(l.Inteiro(1));
      if (marca == kInicio) {
        if (aberto_) return Falha();
        DocumentoGravado d;
        d.cabecalho.coo = static_cast<std::uint32_t>(l.Inteiro(4));
        d.cabecalho.tipo = static_cast<TipoDocumento>(l.Inteiro(1));
        d.cabecalho.proprietario = static_cast<std::uint32_t>(l.Inteiro(1));
        LeDataHora(l, d.cabecalho.data, d.cabecalho.hora);
        ultimo_coo_ = d.cabecalho.coo;
        aberto_ = true;
        EntregaAtual();
        if (visita_) atual_ = std::move(d);
      } else if (marca == kTexto) {
        if (!aberto_) return Falha();
        const auto n = static_cast<std::size_t>(l.Inteiro(2));
        const std::size_t posicao = l.Posicao();
        if (!l.Pula(n)) return Falha();
        if (atual_) atual_->texto.append(pendente_, posicao, n);
      } else if (marca == kFim) {
        if (!aberto_) return Falha();
        aberto_ = false;
        if (atual_) atual_->encerrado = true;
      } else {
        return Falha();
      }
      if (!l.ok()) return Falha();
      consumidos = l.Posicao();
    }
    pendente_.erase(0, consumidos);
    return true;
  }

  bool Falha() { return ok_ = false; }
  void EntregaAtual() {
    if (atual_ && visita_) (*visita_)(std::move(*atual_));
    atual_.reset();
  }

  const MemoriaFitaDetalhe::VisitaDocumento* visita_;
  std::string pendente_;  // bytes of the records not yet whole
  std::optional<DocumentoGravado> atual_;
  bool ok_ = true;
  bool aberto_ = false;
  std::uint32_t ultimo_coo_ = 0;
};

}  // namespace

std::string_view MemoriaFitaDetalhe::PaginaCabecalho() const {
  const std::string& paginas = Paginas();
  return std::string_view(paginas).substr(0, paginas.empty() ? 0 : kTamanhoPagina);
}

namespace {
bool PaginaIntacta(const char* p, std::size_t numero) {
  return LeU32(p + kNumero) == numero && LeU16(p + kUsados) <= MemoriaFitaDetalhe::kDadosPagina &&
         LeU32(p + kCrc) == Crc(std::string_view(p, kCrc));
}
}  // namespace

const std::string& MemoriaFitaDetalhe::Paginas() const {
  CarregaTudo();
  return paginas_;
}

// Pages the source cannot give back read as erased ones, so that every page keeps its place; the
// readings stop at the first page that fails its check.
bool MemoriaFitaDetalhe::CarregaTudo() const {
  if (base_ == 0) return true;
  std::string inicio;
  const std::size_t tamanho = static_cast<std::size_t>(base_) * kTamanhoPagina;
  const bool ok = fonte_ && fonte_(0, base_, inicio) && inicio.size() == tamanho;
  inicio.resize(tamanho, '\xFF');
  paginas_.insert(0, inicio);
  base_ = 0;
  return ok;
}

std::uint32_t MemoriaFitaDetalhe::PaginasCompletas() const {
  if (!Inicializada()) return 0;
  return dados_usados_ % kDadosPagina == 0 ? PaginasUsadas() : PaginasUsadas() - 1;
}

std::string MemoriaFitaDetalhe::Trecho(std::uint32_t primeira, std::uint32_t ultima) const {
  if (primeira < base_) CarregaTudo();
  return paginas_.substr(static_cast<std::size_t>(primeira - base_) * kTamanhoPagina,
                         static_cast<std::size_t>(ultima - primeira) * kTamanhoPagina);
}

void MemoriaFitaDetalhe::Entrega(std::uint32_t paginas, FontePaginas fonte) {
  if (paginas < base_ || paginas > PaginasUsadas()) return;
  paginas_.erase(0, static_cast<std::size_t>(paginas - base_) * kTamanhoPagina);
  base_ = paginas;
  fonte_ = std::move(fonte);
}

void MemoriaFitaDetalhe::SerializaResumo(Escritor& saida) const {
  saida.Inteiro(paginas_area_, 4);
  saida(const_cast<IdentificacaoMFD&>(identificacao_).numero_serie_mfd);
  saida(const_cast<IdentificacaoMFD&>(identificacao_).numero_serie_ecf);
  saida(const_cast<IdentificacaoMFD&>(identificacao_).cnpj);
  EscreveDataHora(saida, identificacao_.data, identificacao_.hora);
  saida.Inteiro(dados_usados_, 8);
  saida.Inteiro(documento_aberto_ ? 1 : 0, 1);
  saida.Inteiro(ultimo_coo_, 4);
  saida.Inteiro(base_, 4);
  EscreveBloco(saida, paginas_);
}

bool MemoriaFitaDetalhe::DesserializaResumo(Leitor& entrada, FontePaginas fonte) {
  MemoriaFitaDetalhe lida;
  lida.paginas_area_ = static_cast<std::uint32_t>(entrada.Inteiro(4));
  entrada(lida.identificacao_.numero_serie_mfd);
  entrada(lida.identificacao_.numero_serie_ecf);
  entrada(lida.identificacao_.cnpj);
  LeDataHora(entrada, lida.identificacao_.data, lida.identificacao_.hora);
  lida.dados_usados_ = entrada.Inteiro(8);
  const std::uint64_t aberto = entrada.Inteiro(1);
  lida.ultimo_coo_ = static_cast<std::uint32_t>(entrada.Inteiro(4));
  lida.base_ = static_cast<std::uint32_t>(entrada.Inteiro(4));
  lida.paginas_ = LeBloco(entrada, 2 * kTamanhoPagina);
  if (!entrada.ok() || aberto > 1 || lida.paginas_.size() % kTamanhoPagina != 0) return false;
  lida.documento_aberto_ = aberto == 1;
  // The pages held must be the last ones, intact, and as many as the bytes recorded need.
  const std::uint64_t total = lida.PaginasUsadas();
  if (total == 0) {
    if (lida.dados_usados_ != 0 || lida.documento_aberto_) return false;
  } else if (lida.paginas_area_ < kMinimoPaginas || lida.paginas_area_ > kMaximoPaginas ||
             total > lida.paginas_area_ || total != 1 + (lida.dados_usados_ + kDadosPagina - 1) / kDadosPagina) {
    return false;
  }
  for (std::size_t i = 0; i < lida.paginas_.size() / kTamanhoPagina; ++i)
    if (!PaginaIntacta(lida.paginas_.data() + i * kTamanhoPagina, lida.base_ + i)) return false;
  lida.fonte_ = std::move(fonte);
  *this = std::move(lida);
  return true;
}

void MemoriaFitaDetalhe::FechaPagina(std::size_t pagina) {
  char* p = paginas_.data() + (pagina - base_) * kTamanhoPagina;
  GravaU32(p + kCrc, Crc(std::string_view(p, kCrc)));
}

bool MemoriaFitaDetalhe::Inicializa(const IdentificacaoMFD& identificacao, std::uint32_t paginas_area) {
  if (Inicializada() || paginas_area < kMinimoPaginas || paginas_area > kMaximoPaginas) return false;
  Escritor e;
  EscreveTextoFixo(e, kMagica, 8);
  EscreveTextoFixo(e, identificacao.numero_serie_mfd, 20);
  EscreveTextoFixo(e, identificacao.numero_serie_ecf, 20);
  EscreveTextoFixo(e, identificacao.cnpj, 20);
  EscreveDataHora(e, identificacao.data, identificacao.hora);
  e.Inteiro(paginas_area, 4);
  const std::string& dados = e.bytes();
  std::string pagina(kTamanhoPagina, '\xFF');
  pagina.replace(0, dados.size(), dados);
  GravaU32(&pagina[kNumero], 0);
  GravaU16(&pagina[kUsados], static_cast<std::uint16_t>(dados.size()));
  GravaU16(&pagina[kFlags], kPaginaCabecalho);
  GravaU32(&pagina[kPrimeiroCOO], 0);
  paginas_ = pagina;
  base_ = 0;
  fonte_ = {};
  FechaPagina(0);
  paginas_area_ = paginas_area;
  identificacao_ = identificacao;
  dados_usados_ = 0;
  documento_aberto_ = false;
  ultimo_coo_ = 0;
  return true;
}

std::uint64_t MemoriaFitaDetalhe::BytesDadosLivres() const {
  return static_cast<std::uint64_t>(paginas_area_ - 1) * kDadosPagina - dados_usados_;
}

std::uint64_t MemoriaFitaDetalhe::BytesLivres() const {
  if (!Inicializada()) return 0;
  const std::uint64_t livres = BytesDadosLivres();
  const std::uint64_t reserva = 3 + 1;  // one text record header and the document end
  return livres > reserva ? livres - reserva : 0;
}

void MemoriaFitaDetalhe::Escreve(std::string_view bytes, const std::uint32_t* coo_inicio) {
  bool primeiro = true;
  for (char b : bytes) {
    const std::size_t pagina = 1 + dados_usados_ / kDadosPagina;
    const std::size_t deslocamento = dados_usados_ % kDadosPagina;
    if ((pagina - base_) * kTamanhoPagina >= paginas_.size()) {
      std::string nova(kTamanhoPagina, '\xFF');
      GravaU32(&nova[kNumero], static_cast<std::uint32_t>(pagina));
      GravaU16(&nova[kUsados], 0);
      GravaU16(&nova[kFlags], 0);
      GravaU32(&nova[kPrimeiroCOO], 0);
      paginas_ += nova;
    }
    char* p = paginas_.data() + (pagina - base_) * kTamanhoPagina;
    p[deslocamento] = b;
    GravaU16(p + kUsados, static_cast<std::uint16_t>(deslocamento + 1));
    if (primeiro && coo_inicio && (LeU16(p + kFlags) & kPaginaComInicio) == 0) {
      GravaU16(p + kFlags, LeU16(p + kFlags) | kPaginaComInicio);
      GravaU32(p + kPrimeiroCOO, *coo_inicio);
    }
    primeiro = false;
    ++dados_usados_;
    if (deslocamento + 1 == kDadosPagina) FechaPagina(pagina);
  }
  if (dados_usados_ % kDadosPagina != 0) FechaPagina(1 + dados_usados_ / kDadosPagina);
}

bool MemoriaFitaDetalhe::IniciaDocumento(const CabecalhoDocumento& cabecalho) {
  if (!Inicializada() || documento_aberto_ || BytesDadosLivres() < kTamanhoInicio + 1) return false;
  Escritor e;
  e.Inteiro(kInicio, 1);
  e.Inteiro(cabecalho.coo, 4);
  e.Inteiro(static_cast<std::uint8_t>(cabecalho.tipo), 1);
  e.Inteiro(cabecalho.proprietario, 1);
  EscreveDataHora(e, cabecalho.data, cabecalho.hora);
  Escreve(e.bytes(), &cabecalho.coo);
  documento_aberto_ = true;
  ultimo_coo_ = cabecalho.coo;
  return true;
}

bool MemoriaFitaDetalhe::Grava(std::string_view texto) {
  if (!documento_aberto_) return false;
  if (texto.empty()) return true;
  if (CustoTexto(texto.size()) + 1 > BytesDadosLivres()) return false;
  for (std::size_t inicio = 0; inicio < texto.size(); inicio += kMaximoTrecho) {
    const std::string_view trecho = texto.substr(inicio, kMaximoTrecho);
    Escritor e;
    e.Inteiro(kTexto, 1);
    e.Inteiro(trecho.size(), 2);
    e.bytes().append(trecho.data(), trecho.size());
    Escreve(e.bytes(), nullptr);
  }
  return true;
}

bool MemoriaFitaDetalhe::EncerraDocumento() {
  if (!documento_aberto_ || BytesDadosLivres() < 1) return false;
  Escreve(std::string_view("\x03", 1), nullptr);
  documento_aberto_ = false;
  return true;
}

std::vector<DocumentoGravado> MemoriaFitaDetalhe::Documentos() const {
  std::vector<DocumentoGravado> documentos;
  PercorreDocumentos([&documentos](DocumentoGravado&& d) { documentos.push_back(std::move(d)); });
  return documentos;
}

// Pages the source cannot give back read as erased ones, as in CarregaTudo.
std::string_view MemoriaFitaDetalhe::Bloco(std::uint32_t primeira, std::uint32_t ultima, std::string& lidas) const {
  const std::size_t tamanho = static_cast<std::size_t>(ultima - primeira) * kTamanhoPagina;
  if (primeira >= base_)
    return std::string_view(paginas_).substr(static_cast<std::size_t>(primeira - base_) * kTamanhoPagina, tamanho);
  lidas.clear();
  if (fonte_) fonte_(primeira, ultima - primeira, lidas);
  lidas.resize(tamanho, '\xFF');
  return lidas;
}

void MemoriaFitaDetalhe::PercorreDocumentos(const VisitaDocumento& visita) const {
  constexpr std::uint32_t kPaginasPorLeitura = 1024;  // 528 KB read at a time: few opens, bounded memory
  PercursoFluxo percurso(&visita);
  std::string lidas;
  const std::uint32_t total = PaginasUsadas();
  bool segue = true;
  for (std::uint32_t primeira = 1; segue && primeira < total;) {
    std::uint32_t ultima = std::min(total, primeira + kPaginasPorLeitura);
    if (primeira < base_) ultima = std::min(ultima, base_);
    const std::string_view bloco = Bloco(primeira, ultima, lidas);
    for (std::uint32_t pagina = primeira; segue && pagina < ultima; ++pagina) {
      const char* p = bloco.data() + static_cast<std::size_t>(pagina - primeira) * kTamanhoPagina;
      segue = PaginaIntacta(p, pagina) && percurso.Acrescenta(std::string_view(p, LeU16(p + kUsados)));
    }
    primeira = ultima;
  }
  percurso.Termina();
}

void MemoriaFitaDetalhe::Serializa(Escritor& saida) const { EscreveBloco(saida, Paginas()); }

bool MemoriaFitaDetalhe::Desserializa(Leitor& entrada) {
  const std::string paginas = LeBloco(entrada, static_cast<std::size_t>(kMaximoPaginas) * kTamanhoPagina);
  if (!entrada.ok() || paginas.size() % kTamanhoPagina != 0) return false;
  if (paginas.empty()) {
    *this = MemoriaFitaDetalhe();
    return true;
  }
  const std::size_t total = paginas.size() / kTamanhoPagina;
  std::string fluxo;
  for (std::size_t pagina = 0; pagina < total; ++pagina) {
    const char* p = paginas.data() + pagina * kTamanhoPagina;
    const std::uint16_t usados = LeU16(p + kUsados);
    if (!PaginaIntacta(p, pagina)) return false;
    // Only the last page may be partly filled.
    if (pagina > 0 && pagina + 1 < total && usados != kDadosPagina) return false;
    if (pagina > 0) fluxo.append(p, usados);
  }
  Leitor cabecalho(paginas, 0, kDadosPagina);
  if (LeTextoFixo(cabecalho, 8) != kMagica) return false;
  IdentificacaoMFD identificacao;
  identificacao.numero_serie_mfd = LeTextoFixo(cabecalho, 20);
  identificacao.numero_serie_ecf = LeTextoFixo(cabecalho, 20);
  identificacao.cnpj = LeTextoFixo(cabecalho, 20);
  LeDataHora(cabecalho, identificacao.data, identificacao.hora);
  const auto paginas_area = static_cast<std::uint32_t>(cabecalho.Inteiro(4));
  if (!cabecalho.ok() || paginas_area < kMinimoPaginas || paginas_area > kMaximoPaginas || total > paginas_area)
    return false;
  PercursoFluxo percurso(nullptr);
  if (!percurso.Acrescenta(fluxo) || !percurso.Termina()) return false;
  paginas_ = paginas;
  base_ = 0;
  fonte_ = {};
  paginas_area_ = paginas_area;
  identificacao_ = identificacao;
  dados_usados_ = fluxo.size();
  documento_aberto_ = percurso.Aberto();
  ultimo_coo_ = percurso.UltimoCOO();
  return true;
}

}  // namespace ecf::memorias
