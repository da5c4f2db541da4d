// libFuzzer target for the LEITURA.MFD reader: any bytes are either refused with a description, or
// read into sections that, written again, read back to the same sections.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "readings/chave_mfd.h"
#include "readings/secao_mfd.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  const tarnel::Gost28147 cifra(tarnel::ChaveMFD());
  const tarnel::ConteudoMFD lido =
      tarnel::LeArquivoMFD(std::string_view(reinterpret_cast<const char*>(dados), tamanho), cifra);
  if (!lido.erro.empty()) return 0;
  std::string arquivo = tarnel::kMagicaMFD;
  const auto saida = [&](const void* b, std::size_t n) {
    arquivo.append(static_cast<const char*>(b), n);
    return true;
  };
  for (const std::string& secao : lido.secoes)
    if (!tarnel::GravaSecaoMFD(saida, cifra, secao)) std::abort();
  arquivo.append(4, '\0');
  const tarnel::ConteudoMFD relido = tarnel::LeArquivoMFD(arquivo, cifra);
  if (!relido.erro.empty() || relido.secoes != lido.secoes) std::abort();
  return 0;
}
