#include "readings/leitura_mfd_binaria.h"

#include <cstdint>
#include <new>
#include <optional>

#include "compat/path.h"
#include "quorbal/mapa_memoria.h"
#include "readings/le_memoria.h"

namespace tarnel {

namespace {

// The memory window's map of the cartridges and their information record.
using namespace quorbal::mapa_memoria;
constexpr std::uint32_t kTamanhoListaInicializados = kEntradasInicializados * kEntradaInicializado;
constexpr std::uint32_t kTamanhoListaNaoInicializados = kEntradasNaoInicializados * kEntradaNaoInicializado;
constexpr unsigned kCartuchos = 4;  // numbers 0 to 3: the sections C the dump holds

// The record's fields the dump uses: value A (the last COO) and value B (the state) go to the trailer.
constexpr std::size_t kTamanhoAreaMF = kInfoTamanhoAreaMF, kTamanhoAreaMFD = kInfoTamanhoAreaMFD,
                      kValorA = kInfoUltimoCOO, kPaginasUsadas = kInfoPaginasUsadas,
                      kBytesMFUsados = kInfoBytesMFUsados, kValorB = kInfoEstado;
constexpr std::size_t kPaginaArea = 512, kPaginaMFD = 528;
constexpr std::size_t kTamanhoTrailer = 782;
constexpr std::size_t kTrailerValorA = 768, kTrailerValorB = 780;  // pages used and MF bytes follow A
constexpr std::size_t kTamanhoSecaoA = 8192;

std::uint32_t Numero(const std::string& b, std::size_t i, int bytes = 4) {
  std::uint32_t v = 0;
  for (int k = bytes - 1; k >= 0; --k) v = v << 8 | static_cast<unsigned char>(b[i + k]);
  return v;
}

void Erro(TfrmMain& frm, const std::string& texto) { frm.interacao.Mensagem(texto, Icone::Erro); }

// Reads a stretch into bytes; false with the message unless the person stopped it.
bool Le(TfrmMain& frm, std::uint32_t endereco, std::uint32_t quantidade, std::string& bytes, const std::string& erro) {
  bool cancelado = false;
  bytes.clear();
  if (LeMemoriaECF(frm, "", false, endereco, quantidade, &bytes, &cancelado) && bytes.size() == quantidade)
    return true;
  if (!cancelado) Erro(frm, erro);
  return false;
}

// An image of `tamanho` bytes of 0xFF with room for `mais` after it; false (the person told) when
// there is not the memory for it.
bool Reserva(TfrmMain& frm, std::string& imagem, std::uint64_t tamanho, std::size_t mais) {
  try {
    if (tamanho + mais > imagem.max_size()) throw std::bad_alloc();
    imagem.reserve(static_cast<std::size_t>(tamanho + mais));
    imagem.assign(static_cast<std::size_t>(tamanho), '\xFF');
    return true;
  } catch (const std::exception&) {
    frm.interacao.Mensagem("Falta de memória para a leitura do cartucho de MFD.");
    return false;
  }
}

// The detail memory of a cartridge with its trailer; nullopt (the person told) when it failed.
std::optional<std::string> LeSecaoC(TfrmMain& frm, unsigned n, const std::string& info, const std::string& erro) {
  // 64 bits: the sizes come from the printer and must not wrap on a 32-bit build.
  const std::uint64_t area = std::uint64_t{Numero(info, kTamanhoAreaMFD)} / kPaginaArea * kPaginaMFD;
  const std::uint64_t usados = std::uint64_t{Numero(info, kPaginasUsadas)} * kPaginaMFD;
  std::string secao;
  if (!Reserva(frm, secao, area, kTamanhoTrailer)) return std::nullopt;
  // More pages used than the area holds would run past the image: a damaged record.
  if (usados > area || usados > UINT32_MAX) {
    Erro(frm, erro);
    return std::nullopt;
  }
  if (usados > 0) {
    std::string lidos;
    if (!Le(frm, Endereco(kAreaMFD, n), static_cast<std::uint32_t>(usados), lidos, erro))
      return std::nullopt;
    secao.replace(0, usados, lidos);
  }
  std::string trailer(kTamanhoTrailer, '\0');
  trailer.replace(0, kPaginaCabecalho, info, 0, kPaginaCabecalho);
  trailer.replace(kTrailerValorA, 12, info, kValorA, 12);  // value A, pages used, MF bytes used
  const auto b = static_cast<std::uint16_t>(static_cast<std::int16_t>(static_cast<signed char>(info[kValorB])));
  trailer[kTrailerValorB] = static_cast<char>(b & 0xFF);
  trailer[kTrailerValorB + 1] = static_cast<char>(b >> 8);
  secao += trailer;
  return secao;
}

}  // namespace

std::optional<TrailerMFD> LeTrailerMFD(const std::string& secao_c) {
  if (secao_c.size() < kTamanhoTrailer) return std::nullopt;
  const std::size_t t = secao_c.size() - kTamanhoTrailer;
  TrailerMFD trailer;
  trailer.valor_a = Numero(secao_c, t + kTrailerValorA);
  trailer.paginas_usadas = Numero(secao_c, t + kTrailerValorA + 4);
  trailer.bytes_mf_usados = Numero(secao_c, t + kTrailerValorA + 8);
  trailer.valor_b = static_cast<std::int16_t>(Numero(secao_c, t + kTrailerValorB, 2));
  return trailer;
}

bool LeImagensMFD(TfrmMain& frm, ImagensMFD& imagens) {
  imagens = ImagensMFD{};
  std::string contagens;
  if (!Le(frm, kContagens, 4, contagens, "Erro lendo cartuchos inicializados e não inicializados!")) return false;
  // Never more entries than the lists hold.
  const unsigned inicializados = std::min<std::uint32_t>(Numero(contagens, 0, 2), kEntradasInicializados);
  const unsigned nao_inicializados =
      std::min<std::uint32_t>(Numero(contagens, 2, 2), kEntradasNaoInicializados);
  std::string lista_i, lista_n;
  if (inicializados != 0 &&
      !Le(frm, kListaInicializados, kTamanhoListaInicializados, lista_i, "Erro lendo a lista de cartuchos inicializados!"))
    return false;
  if (nao_inicializados != 0 && !Le(frm, kListaNaoInicializados, kTamanhoListaNaoInicializados, lista_n,
                                    "Erro lendo a lista de cartuchos NÃO inicializados!"))
    return false;

  for (int grupo = 0; grupo < 2; ++grupo) {
    const bool inicializado = grupo == 0;
    const unsigned total = inicializado ? inicializados : nao_inicializados;
    const std::string qual = inicializado ? "" : "NÃO inicializado ";
    for (unsigned i = 0; i < total; ++i) {
      const std::string& lista = inicializado ? lista_i : lista_n;
      const unsigned n = static_cast<unsigned char>(lista[i * (inicializado ? kEntradaInicializado : kEntradaNaoInicializado)]);
      // The memory window maps cartridges 0 to 3 only; the dump has no place for others.
      if (n >= kCartuchos) continue;
      std::string info;
      if (!Le(frm, Endereco(kInformacoes, n), kTamanhoInformacoes, info,
              "Erro lendo as informações do cartucho " + qual + std::to_string(i) + "!"))
        return false;
      const std::uint32_t area_mf = Numero(info, kTamanhoAreaMF);
      if (inicializado && area_mf != 0) {
        const std::string erro = "Erro lendo as informações da MF do cartucho " + std::to_string(i) + "!";
        const std::uint32_t usados = Numero(info, kBytesMFUsados);
        if (usados > area_mf) {  // would run past the image: a damaged record
          Erro(frm, erro);
          return false;
        }
        std::string mf;
        if (usados > 0 && !Le(frm, Endereco(kAreaMF, n), usados, mf, erro)) return false;
        if (!Reserva(frm, imagens.secao_b, area_mf, 4)) return false;
        imagens.secao_b.replace(0, mf.size(), mf);
        imagens.secao_b.append(info, kBytesMFUsados, 4);
      }
      if (Numero(info, kTamanhoAreaMFD) != 0 && imagens.secoes_c.size() < kCartuchos) {
        const std::optional<std::string> c =
            LeSecaoC(frm, n, info, "Erro lendo as informações da MFD do cartucho " + qual + std::to_string(i) + "!");
        if (!c) return false;
        imagens.secoes_c.push_back(std::move(*c));
      }
    }
  }
  imagens.secao_a.assign(kTamanhoSecaoA, '\xFF');
  return true;
}

bool LeituraMFDBinariaExecute(TfrmMain& frm) {
  // The log and the transcript would take every one of the thousands of memory commands: both off
  // while the dump runs.
  // Without a library the first reading fails and says so.
  const std::string log = frm.ModuloDriver ? frm.ModuloDriver->ObtemNomeLog() : std::string();
  if (frm.ModuloDriver) frm.ModuloDriver->SetaArquivoLog("");
  frm.Terminal.Visivel = false;
  frm.Notifica(Alteracao::Terminal);
  ImagensMFD imagens;
  const bool lido = LeImagensMFD(frm, imagens);
  const bool gravado = lido && GravaArquivoMFD(frm.interacao, compat::join_path(compat::current_folder(), kArquivoMFD), imagens);
  imagens = ImagensMFD{};
  if (frm.ModuloDriver) frm.ModuloDriver->SetaArquivoLog(log);
  frm.Terminal.Limpa();
  frm.Terminal.Visivel = true;
  frm.Notifica(Alteracao::Terminal);
  if (gravado) frm.interacao.Mensagem("Arquivo 'LEITURA.MFD' gerado.", Icone::Informacao);
  return gravado;
}

}  // namespace tarnel
