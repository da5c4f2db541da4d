// A vendor library for plenvo_fuzz: it accepts every device in vendor mode and answers each
// ProcessFiscalCmd call with the next of the answers the fuzz target gave it, or with "nothing
// received" once they are used up.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "sulvanir.h"

namespace {

struct Resposta {
  int retorno;
  std::string bytes;
};

std::vector<Resposta> respostas;
std::size_t proxima = 0;

}  // namespace

// The answers, one after the other: a byte below 0xF0 is the length of the answer that follows it
// (cut at the end of the input); 0xF0, 0xF1 and 0xF2 answer "nothing received" and the two kinds of
// communication failure.
extern "C" SULVANIR_EXPORT void FornecedorFuzz_DefineRespostas(const std::uint8_t* dados, std::size_t tamanho) {
  respostas.clear();
  proxima = 0;
  for (std::size_t i = 0; i < tamanho;) {
    const std::uint8_t marca = dados[i++];
    if (marca >= 0xF0) {
      static const int kFalhas[] = {SULVANIR_NADA_RECEBIDO, SULVANIR_FALHA_COMUNICACAO, SULVANIR_FALHA_COMUNICACAO_2};
      respostas.push_back({kFalhas[std::min<int>(marca - 0xF0, 2)], {}});
      continue;
    }
    const std::size_t n = std::min<std::size_t>(marca, tamanho - i);
    respostas.push_back({0, std::string(reinterpret_cast<const char*>(dados) + i, n)});
    i += n;
  }
}

extern "C" SULVANIR_EXPORT int SULVANIR_CALL FiscalConnection(const char*) { return SULVANIR_CONEXAO_FORNECEDOR_1; }

extern "C" SULVANIR_EXPORT int SULVANIR_CALL ProcessFiscalCmd(const char*, int, char* resposta, int* tamanho_resposta,
                                                              int, int) {
  if (proxima >= respostas.size()) {
    *tamanho_resposta = 0;
    return SULVANIR_NADA_RECEBIDO;
  }
  const Resposta& r = respostas[proxima++];
  const int n = std::min<int>(static_cast<int>(r.bytes.size()), std::max(*tamanho_resposta, 0));
  std::memcpy(resposta, r.bytes.data(), static_cast<std::size_t>(n));
  *tamanho_resposta = n;
  return r.retorno;
}

extern "C" SULVANIR_EXPORT int SULVANIR_CALL FechaPorta(void) { return 0; }
