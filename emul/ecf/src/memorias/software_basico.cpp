#include "memorias/software_basico.h"

#include <map>
#include <memory>
#include <mutex>

#include "memorias/binario.h"

namespace ecf::memorias {

namespace {
// splitmix64: small, well mixed, and the same on every platform.
std::uint64_t Proximo(std::uint64_t& estado) {
  std::uint64_t z = (estado += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
constexpr std::uint64_t kSemente = 0x4B56542D56415244ull;  // "KVT-VARD"
}  // namespace

SoftwareBasico::SoftwareBasico(std::string_view versao) {
  std::string corpo;
  corpo.reserve(kTamanho - kTamanhoCabecalho);
  std::uint64_t estado = kSemente;
  while (corpo.size() < kTamanho - kTamanhoCabecalho) {
    std::uint64_t v = Proximo(estado);
    for (int i = 0; i < 8 && corpo.size() < kTamanho - kTamanhoCabecalho; ++i, v >>= 8)
      corpo.push_back(static_cast<char>(v & 0xFF));
  }
  Escritor e;
  EscreveTextoFixo(e, "KVT VARDEX II SB", 16);
  EscreveTextoFixo(e, versao, 8);
  e.Inteiro(kTamanho, 4);
  e.Inteiro(Crc(corpo), 4);
  EscreveTextoFixo(e, "SOFTWARE BASICO ECF", 32);
  imagem_ = std::move(e.bytes());
  imagem_ += corpo;
}

const SoftwareBasico& SoftwareBasico::DaVersao(std::string_view versao) {
  // Never destroyed: a printer closed while the process ends may still look through its window.
  struct Feitos {
    std::mutex trava;
    std::map<std::string, std::unique_ptr<const SoftwareBasico>, std::less<>> imagens;
  };
  static Feitos* const feitos = new Feitos;
  std::lock_guard<std::mutex> guarda(feitos->trava);
  auto achado = feitos->imagens.find(versao);
  if (achado == feitos->imagens.end())
    achado = feitos->imagens.emplace(std::string(versao), std::make_unique<const SoftwareBasico>(versao)).first;
  return *achado->second;
}

}  // namespace ecf::memorias
