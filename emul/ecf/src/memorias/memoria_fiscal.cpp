#include "memorias/memoria_fiscal.h"

namespace ecf::memorias {

namespace {

constexpr char kMarcaCabecalho = 'H';
constexpr char kMarcaProprietario = 'P';
constexpr char kMarcaReducao = 'Z';

std::string Fecha(Escritor& e) {
  const std::uint32_t crc = Crc(e.bytes());
  e.Inteiro(crc, 4);
  return e.bytes();
}

std::string ImagemReducao(const RegistroReducao& r) {
  Escritor e;
  e.Inteiro(kMarcaReducao, 1);
  // The defined aliquots, in slot order, then empty entries up to 16.
  std::vector<std::size_t> definidas;
  for (std::size_t k = 0; k < kTotalAliquotas; ++k)
    if (r.aliquotas[k].definida) definidas.push_back(k);
  e.Inteiro(definidas.size(), 1);
  e.Inteiro(r.crz, 2);
  e.Inteiro(r.cro, 2);
  e.Inteiro(r.coo, 4);
  EscreveDataHora(e, r.movimento, 0);
  EscreveDataHora(e, r.data, r.hora);
  // The net sale and the ISSQN sales are recorded as they stood, for readers of the image; they
  // are not read back.
  for (std::int64_t v : {r.gt, r.venda_bruta, r.VendaLiquida(), r.cancelamentos_icms, r.cancelamentos_issqn,
                         r.descontos, r.acrescimos, r.VendasISSQN(), r.substituicao_icms, r.isento_icms,
                         r.nao_tributado_icms, r.substituicao_issqn, r.isento_issqn, r.nao_tributado_issqn,
                         r.operacoes_nao_fiscais})
    e.Inteiro(static_cast<std::uint64_t>(v), 8);
  for (std::size_t i = 0; i < kTotalAliquotas; ++i) {
    const std::size_t k = i < definidas.size() ? definidas[i] : 0;
    const AliquotaReducao vazia{false, true, 0, 0};
    const AliquotaReducao& a = i < definidas.size() ? r.aliquotas[k] : vazia;
    e.Inteiro(k, 1);
    e.Inteiro(a.icms ? 1 : 0, 1);
    e.Inteiro(static_cast<std::uint64_t>(a.percentual), 2);
    e.Inteiro(static_cast<std::uint64_t>(a.valor), 8);
  }
  return Fecha(e);
}

RegistroReducao LeReducao(Leitor& l) {
  RegistroReducao r;
  l.Inteiro(1);
  const auto total = static_cast<std::size_t>(l.Inteiro(1));
  r.crz = static_cast<std::uint32_t>(l.Inteiro(2));
  r.cro = static_cast<std::uint32_t>(l.Inteiro(2));
  r.coo = static_cast<std::uint32_t>(l.Inteiro(4));
  std::int32_t sem_hora = 0;
  LeDataHora(l, r.movimento, sem_hora);
  LeDataHora(l, r.data, r.hora);
  std::int64_t venda_liquida = 0, issqn = 0;
  for (std::int64_t* v : {&r.gt, &r.venda_bruta, &venda_liquida, &r.cancelamentos_icms, &r.cancelamentos_issqn,
                          &r.descontos, &r.acrescimos, &issqn, &r.substituicao_icms, &r.isento_icms,
                          &r.nao_tributado_icms, &r.substituicao_issqn, &r.isento_issqn, &r.nao_tributado_issqn,
                          &r.operacoes_nao_fiscais})
    *v = static_cast<std::int64_t>(l.Inteiro(8));
  bool intacto = total <= kTotalAliquotas;
  for (std::size_t i = 0; i < kTotalAliquotas; ++i) {
    const auto k = static_cast<std::size_t>(l.Inteiro(1));
    AliquotaReducao a;
    a.definida = true;
    a.icms = l.Inteiro(1) != 0;
    a.percentual = static_cast<std::int32_t>(l.Inteiro(2));
    a.valor = static_cast<std::int64_t>(l.Inteiro(8));
    if (i >= total) continue;
    // Each slot at most once, and only the 16 there are.
    if (k >= kTotalAliquotas || r.aliquotas[k].definida) intacto = false;
    else r.aliquotas[k] = a;
  }
  if (!intacto) l.Pula(~std::uint64_t{0});
  return r;
}

std::string ImagemProprietario(const RegistroProprietario& p) {
  Escritor e;
  e.Inteiro(kMarcaProprietario, 1);
  e.Inteiro(p.numero, 1);
  e.Inteiro(p.crz, 2);
  EscreveDataHora(e, p.data, p.hora);
  EscreveTextoFixo(e, p.cnpj, 20);
  EscreveTextoFixo(e, p.inscricao_estadual, 20);
  EscreveTextoFixo(e, p.inscricao_municipal, 20);
  return Fecha(e);
}

RegistroProprietario LeProprietario(Leitor& l) {
  RegistroProprietario p;
  l.Inteiro(1);
  p.numero = static_cast<std::uint32_t>(l.Inteiro(1));
  p.crz = static_cast<std::uint32_t>(l.Inteiro(2));
  LeDataHora(l, p.data, p.hora);
  p.cnpj = LeTextoFixo(l, 20);
  p.inscricao_estadual = LeTextoFixo(l, 20);
  p.inscricao_municipal = LeTextoFixo(l, 20);
  return p;
}

}  // namespace

void MemoriaFiscal::Inicializa(const std::string& numero_serie_ecf, const std::string& modelo, std::int32_t data,
                               std::int32_t hora) {
  Escritor e;
  e.Inteiro(kMarcaCabecalho, 1);
  EscreveTextoFixo(e, numero_serie_ecf, 20);
  EscreveTextoFixo(e, modelo, 20);
  EscreveDataHora(e, data, hora);
  *this = MemoriaFiscal();
  Anexa(Fecha(e));
}

bool MemoriaFiscal::Acrescenta(const std::string& registro) { return Inicializada() && Anexa(registro); }

bool MemoriaFiscal::GravaProprietario(const RegistroProprietario& registro) {
  return Acrescenta(ImagemProprietario(registro));
}

bool MemoriaFiscal::GravaReducao(const RegistroReducao& registro) { return Acrescenta(ImagemReducao(registro)); }

std::uint32_t MemoriaFiscal::ReducoesRestantes() const {
  return static_cast<std::uint32_t>((kTamanhoArea - imagem_.size()) / kTamanhoReducao);
}

std::vector<RegistroReducao> MemoriaFiscal::ReducoesPorNumero(std::uint32_t inicial, std::uint32_t final) const {
  std::vector<RegistroReducao> selecao;
  for (const RegistroReducao& r : reducoes_)
    if (r.crz >= inicial && r.crz <= final) selecao.push_back(r);
  return selecao;
}

std::vector<RegistroReducao> MemoriaFiscal::ReducoesPorData(std::int32_t dia_inicial, std::int32_t dia_final) const {
  std::vector<RegistroReducao> selecao;
  for (const RegistroReducao& r : reducoes_) {
    const std::int32_t dia = r.movimento != 0 ? r.movimento : r.data;
    if (dia >= dia_inicial && dia <= dia_final) selecao.push_back(r);
  }
  return selecao;
}

// Parses records written after the current image; they are taken only when every one is intact
// and they fit the area.
bool MemoriaFiscal::Anexa(const std::string& novos) {
  if (imagem_.size() + novos.size() > kTamanhoArea) return false;
  std::string numero_serie = numero_serie_;
  std::vector<RegistroReducao> reducoes;
  std::vector<RegistroProprietario> proprietarios;
  std::size_t posicao = 0;
  while (posicao < novos.size()) {
    const bool primeiro = imagem_.empty() && posicao == 0;
    const char marca = novos[posicao];
    std::size_t tamanho = 0;
    if (marca == kMarcaCabecalho && primeiro) tamanho = kTamanhoCabecalho;
    else if (marca == kMarcaProprietario && !primeiro) tamanho = kTamanhoProprietario;
    else if (marca == kMarcaReducao && !primeiro) tamanho = kTamanhoReducao;
    else return false;
    if (novos.size() - posicao < tamanho) return false;
    if (Crc(std::string_view(novos).substr(posicao, tamanho - 4)) != LeU32(novos.data() + posicao + tamanho - 4))
      return false;
    Leitor l(novos, posicao, posicao + tamanho);
    if (marca == kMarcaCabecalho) {
      l.Inteiro(1);
      numero_serie = LeTextoFixo(l, 20);
    } else if (marca == kMarcaProprietario) {
      proprietarios.push_back(LeProprietario(l));
    } else {
      reducoes.push_back(LeReducao(l));
    }
    if (!l.ok()) return false;
    posicao += tamanho;
  }
  imagem_ += novos;
  numero_serie_ = std::move(numero_serie);
  reducoes_.insert(reducoes_.end(), reducoes.begin(), reducoes.end());
  proprietarios_.insert(proprietarios_.end(), proprietarios.begin(), proprietarios.end());
  return true;
}

void MemoriaFiscal::Serializa(Escritor& saida) const { EscreveBloco(saida, imagem_); }

bool MemoriaFiscal::Desserializa(Leitor& entrada) {
  const std::string imagem = LeBloco(entrada, kTamanhoArea);
  return entrada.ok() && CarregaImagem(imagem);
}

bool MemoriaFiscal::CarregaImagem(const std::string& imagem) {
  MemoriaFiscal lida;
  if (!lida.Anexa(imagem)) return false;
  *this = std::move(lida);
  return true;
}

}  // namespace ecf::memorias
