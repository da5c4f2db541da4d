#include "memorias/janela_memoria.h"

#include <cstdio>

namespace ecf::memorias {

namespace {

using quorbal::mapa_memoria::kEntradaInicializado;
using quorbal::mapa_memoria::kEntradaNaoInicializado;
using quorbal::mapa_memoria::kEntradasInicializados;
using quorbal::mapa_memoria::kEntradasNaoInicializados;
using quorbal::mapa_memoria::kTemMF;
using quorbal::mapa_memoria::kTemMFD;
constexpr auto Desloca = quorbal::mapa_memoria::Endereco;

std::string Circunstancia(std::uint32_t endereco) {
  char buf[80];
  std::snprintf(buf, sizeof buf, "Endereço 0x%08X fora das áreas de memória", static_cast<unsigned>(endereco));
  return buf;
}

// A stretch of an image of `tamanho` bytes whose first image.size() bytes are written and the rest erased.
std::string Trecho(std::string_view imagem, std::size_t tamanho, std::size_t inicio, std::size_t maximo) {
  const std::size_t fim = inicio + maximo < tamanho ? inicio + maximo : tamanho;
  std::string bytes;
  if (inicio < imagem.size()) bytes.assign(imagem.substr(inicio, fim - inicio));
  bytes.resize(fim - inicio, '\xFF');
  return bytes;
}

}  // namespace

std::size_t JanelaMemoria::AreaMFD() const {
  return static_cast<std::size_t>(fita_.PaginasArea()) * MemoriaFitaDetalhe::kTamanhoPagina;
}

std::string JanelaMemoria::Contagens() const {
  Escritor e;
  e.Inteiro(fita_.Inicializada() ? 1 : 0, 2);
  e.Inteiro(fita_.Inicializada() ? 0 : 1, 2);
  return e.bytes();
}

std::string JanelaMemoria::ListaInicializados() const {
  Escritor e;
  if (fita_.Inicializada()) {
    e.Inteiro(kCartucho, 1);
    e.Inteiro(kTemMF | kTemMFD, 1);
    EscreveTextoFixo(e, fita_.Identificacao().numero_serie_mfd, 20, '\0');
    e.Inteiro(fita_.PaginasUsadas(), 4);
    e.Inteiro(fiscal_.BytesUsados(), 4);
  }
  e.bytes().resize(kEntradasInicializados * kEntradaInicializado, '\xFF');
  return e.bytes();
}

std::string JanelaMemoria::ListaNaoInicializados() const {
  Escritor e;
  if (!fita_.Inicializada()) {
    e.Inteiro(kCartucho, 1);
    e.Inteiro(kTemMF | kTemMFD, 1);
    e.Inteiro(fita_.PaginasArea() * MemoriaFitaDetalhe::kDadosPagina, 4);
    e.bytes().resize(kEntradaNaoInicializado, '\0');
  }
  e.bytes().resize(kEntradasNaoInicializados * kEntradaNaoInicializado, '\xFF');
  return e.bytes();
}

std::string JanelaMemoria::InformacoesCartucho(unsigned numero) const {
  if (numero != kCartucho) return {};
  Escritor e;
  e.bytes().assign(fita_.PaginaCabecalho());
  e.bytes().resize(MemoriaFitaDetalhe::kTamanhoPagina, '\xFF');
  e.Inteiro(numero, 1);
  e.Inteiro(fita_.Inicializada() ? 1 : 0, 1);
  EscreveTextoFixo(e, fita_.Identificacao().numero_serie_mfd, 20, '\0');
  EscreveTextoFixo(e, fiscal_.NumeroSerie(), 20, '\0');
  e.bytes().resize(quorbal::mapa_memoria::kInfoTamanhoAreaMF, '\0');
  e.Inteiro(MemoriaFiscal::kTamanhoArea, 4);
  e.Inteiro(fita_.PaginasArea() * MemoriaFitaDetalhe::kDadosPagina, 4);
  e.Inteiro(fita_.PaginasArea(), 4);
  e.Inteiro(fita_.UltimoCOO(), 4);
  e.Inteiro(fita_.PaginasUsadas(), 4);
  e.Inteiro(fiscal_.BytesUsados(), 4);
  e.Inteiro(fiscal_.Reducoes().size(), 2);
  e.Inteiro(fita_.Inicializada() ? 1 : 0, 1);
  return e.bytes();
}

LeituraMemoria JanelaMemoria::Le(std::uint32_t endereco, std::size_t maximo) const {
  if (maximo == 0) maximo = 1;
  LeituraMemoria leitura;
  leitura.ok = true;
  // Offset of the address in an area, or false when it lies outside.
  auto dentro = [endereco](std::uint32_t base, std::size_t tamanho, std::size_t& inicio) {
    if (endereco < base || endereco - base >= tamanho) return false;
    inicio = endereco - base;
    return true;
  };
  std::size_t inicio = 0;
  if (dentro(0, software_.Tamanho(), inicio)) {
    leitura.bytes = Trecho(software_.Imagem(), software_.Tamanho(), inicio, maximo);
  } else if (dentro(kContagens, 4, inicio)) {
    leitura.bytes = Trecho(Contagens(), 4, inicio, maximo);
  } else if (dentro(kListaInicializados, kEntradasInicializados * kEntradaInicializado, inicio)) {
    leitura.bytes = Trecho(ListaInicializados(), 5 * kEntradaInicializado, inicio, maximo);
  } else if (dentro(kListaNaoInicializados, kEntradasNaoInicializados * kEntradaNaoInicializado, inicio)) {
    leitura.bytes = Trecho(ListaNaoInicializados(), 4 * kEntradaNaoInicializado, inicio, maximo);
  } else if (dentro(Desloca(kInformacoes, kCartucho), kTamanhoInformacoes, inicio)) {
    leitura.bytes = Trecho(InformacoesCartucho(kCartucho), kTamanhoInformacoes, inicio, maximo);
  } else if (dentro(Desloca(kAreaMF, kCartucho), MemoriaFiscal::kTamanhoArea, inicio)) {
    leitura.bytes = Trecho(fiscal_.Imagem(), MemoriaFiscal::kTamanhoArea, inicio, maximo);
  } else if (dentro(Desloca(kAreaMFD, kCartucho), AreaMFD(), inicio)) {
    leitura.bytes = Trecho(fita_.Paginas(), AreaMFD(), inicio, maximo);
  } else {
    leitura.ok = false;
    leitura.nome_erro = "ErroMFDLeituraAlemEOF";
    leitura.circunstancia = Circunstancia(endereco);
  }
  return leitura;
}

std::string Hexadecimal(std::string_view bytes) {
  static const char kDigitos[] = "0123456789ABCDEF";
  std::string texto;
  texto.reserve(bytes.size() * 2);
  for (unsigned char b : bytes) {
    texto += kDigitos[b >> 4];
    texto += kDigitos[b & 0x0F];
  }
  return texto;
}

}  // namespace ecf::memorias
