#include "readings/secao_mfd.h"

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <limits>

namespace tarnel {

namespace {

constexpr int kNivel = 6;
constexpr int kJanela = 11;
constexpr int kMemoria = 5;
constexpr std::size_t kTamanhoMagica = sizeof kMagicaMFD - 1;

void Poe16(unsigned char* p, std::uint16_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
}

// Count, padded bytes enciphered, in one write.
bool EmiteBloco(const SaidaBytes& saida, const Gost28147& cifra, unsigned char* bloco, std::size_t c) {
  const std::size_t preenchido = (c + Gost28147::kBloco - 1) / Gost28147::kBloco * Gost28147::kBloco;
  std::memset(bloco + 2 + c, 0, preenchido - c);
  Poe16(bloco, static_cast<std::uint16_t>(c));
  for (std::size_t i = 0; i < preenchido; i += Gost28147::kBloco) cifra.Cifra(bloco + 2 + i);
  return saida(bloco, 2 + preenchido);
}

struct FluxoCompressao {
  z_stream z{};
  bool iniciado = false;
  ~FluxoCompressao() {
    if (iniciado) deflateEnd(&z);
  }
};

}  // namespace

bool GravaSecaoMFD(const SaidaBytes& saida, const Gost28147& cifra, std::string_view bytes) {
  if (bytes.empty() || bytes.size() > std::numeric_limits<std::uint32_t>::max()) return false;
  FluxoCompressao fluxo;
  if (deflateInit2(&fluxo.z, kNivel, Z_DEFLATED, kJanela, kMemoria, Z_DEFAULT_STRATEGY) != Z_OK) return false;
  fluxo.iniciado = true;

  unsigned char tamanho[4];
  const auto l = static_cast<std::uint32_t>(bytes.size());
  for (int i = 0; i < 4; ++i) tamanho[i] = static_cast<unsigned char>(l >> 8 * i);
  if (!saida(tamanho, sizeof tamanho)) return false;

  // The count, then the compressed bytes with room for the padding.
  unsigned char bloco[2 + kPedacoMFD + Gost28147::kBloco];
  unsigned char* const dados = bloco + 2;
  std::size_t cheio = 0;
  for (std::size_t inicio = 0; inicio < bytes.size(); inicio += kPedacoMFD) {
    const std::size_t n = std::min(kPedacoMFD, bytes.size() - inicio);
    fluxo.z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data() + inicio));
    fluxo.z.avail_in = static_cast<uInt>(n);
    do {
      fluxo.z.next_out = dados + cheio;
      fluxo.z.avail_out = static_cast<uInt>(kPedacoMFD - cheio);
      const int r = deflate(&fluxo.z, Z_SYNC_FLUSH);
      if (r != Z_OK && r != Z_BUF_ERROR) return false;
      cheio = kPedacoMFD - fluxo.z.avail_out;
      if (cheio == kPedacoMFD) {
        if (!EmiteBloco(saida, cifra, bloco, cheio)) return false;
        cheio = 0;
      }
    } while (fluxo.z.avail_out == 0);
    if (cheio > 0) {
      if (!EmiteBloco(saida, cifra, bloco, cheio)) return false;
      cheio = 0;
    }
  }
  const unsigned char fim[2] = {0, 0};
  return saida(fim, sizeof fim);
}

namespace {

class Leitor {
 public:
  explicit Leitor(std::string_view b) : b_(b) {}
  bool Resta(std::size_t n) const { return b_.size() - pos_ >= n; }
  std::uint32_t Numero(int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b_[pos_ + i]);
    pos_ += bytes;
    return v;
  }
  std::string_view Bytes(std::size_t n) {
    const std::string_view v = b_.substr(pos_, n);
    pos_ += n;
    return v;
  }
  bool NoFim() const { return pos_ == b_.size(); }
  std::size_t Posicao() const { return pos_; }

 private:
  std::string_view b_;
  std::size_t pos_ = 0;
};

struct FluxoDescompressao {
  z_stream z{};
  bool iniciado = false;
  ~FluxoDescompressao() {
    if (iniciado) inflateEnd(&z);
  }
};

// The section's compressed bytes back to at most `tamanho` plain bytes; an error text or "".
std::string Descomprime(const std::string& comprimido, std::uint32_t tamanho, std::string& claro) {
  FluxoDescompressao fluxo;
  if (inflateInit2(&fluxo.z, 15) != Z_OK) return "sem memória para descomprimir";
  fluxo.iniciado = true;
  fluxo.z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(comprimido.data()));
  fluxo.z.avail_in = static_cast<uInt>(comprimido.size());
  unsigned char saida[65536];
  int r = Z_OK;
  do {
    fluxo.z.next_out = saida;
    fluxo.z.avail_out = sizeof saida;
    r = inflate(&fluxo.z, Z_SYNC_FLUSH);
    if (r != Z_OK && r != Z_STREAM_END && r != Z_BUF_ERROR) return "dados comprimidos danificados";
    const std::size_t produzido = sizeof saida - fluxo.z.avail_out;
    if (claro.size() + produzido > tamanho) return "mais bytes que o tamanho declarado";
    claro.append(reinterpret_cast<char*>(saida), produzido);
    if (produzido == 0) break;
  } while (r == Z_OK);
  if (fluxo.z.avail_in != 0) return "bytes comprimidos sobrando";
  if (claro.size() != tamanho) return "menos bytes que o tamanho declarado";
  return "";
}

}  // namespace

ConteudoMFD LeArquivoMFD(std::string_view arquivo, const Gost28147& cifra) {
  ConteudoMFD conteudo;
  Leitor l(arquivo);
  if (!l.Resta(kTamanhoMagica) || l.Bytes(kTamanhoMagica) != kMagicaMFD) {
    conteudo.erro = "não é um arquivo de MFD";
    return conteudo;
  }
  const auto falha = [&](const std::string& texto) {
    conteudo.erro = "seção " + std::to_string(conteudo.secoes.size() + 1) + ", byte " +
                    std::to_string(l.Posicao()) + ": " + texto;
    return conteudo;
  };
  for (;;) {
    if (!l.Resta(4)) return falha("arquivo truncado");
    const std::uint32_t tamanho = l.Numero(4);
    if (tamanho == 0) break;
    std::string comprimido;
    for (;;) {
      if (!l.Resta(2)) return falha("arquivo truncado");
      const std::uint32_t c = l.Numero(2);
      if (c == 0) break;
      if (c > kPedacoMFD) return falha("bloco de " + std::to_string(c) + " bytes");
      const std::size_t preenchido = (c + 7) / 8 * 8;
      if (!l.Resta(preenchido)) return falha("arquivo truncado");
      unsigned char unidade[Gost28147::kBloco];
      const std::string_view cifrado = l.Bytes(preenchido);
      for (std::size_t i = 0; i < preenchido; i += Gost28147::kBloco) {
        std::memcpy(unidade, cifrado.data() + i, Gost28147::kBloco);
        cifra.Decifra(unidade);
        comprimido.append(reinterpret_cast<char*>(unidade), std::min<std::size_t>(Gost28147::kBloco, c - i));
      }
    }
    std::string claro;
    if (const std::string erro = Descomprime(comprimido, tamanho, claro); !erro.empty()) return falha(erro);
    conteudo.secoes.push_back(std::move(claro));
  }
  if (!l.NoFim()) return falha("bytes depois do fim");
  return conteudo;
}

}  // namespace tarnel
