// libFuzzer target for the embedded engine of our own reading a workbook file: any bytes are either
// refused with a reason, or read into a workbook whose every name can be read, and which, written
// out and read back, writes out to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "spreadsheet/embutido/pasta_embutida.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  const std::string_view xml(reinterpret_cast<const char*>(dados), tamanho);
  std::string erro;
  auto pasta = tarnel::PastaEmbutida::CarregaTexto(xml, erro);
  if (pasta == nullptr) {
    if (erro.empty()) std::abort();
    return 0;
  }
  const std::string gravado = pasta->TextoXml();
  auto relida = tarnel::PastaEmbutida::CarregaTexto(gravado, erro);
  if (relida == nullptr || relida->TextoXml() != gravado) std::abort();
  // Every cell of the names the file defines: a value or a reason.
  for (const char* nome : {"A", "B", "F", "Valores"}) {
    const int celulas = pasta->TamanhoNome(nome);
    for (int i = 0; i < celulas && i < 64; ++i) {
      tarnel::ValorPlanilha valor;
      std::string motivo;
      if (!pasta->LeCelula(nome, i, valor, motivo) && motivo.empty()) std::abort();
    }
  }
  return 0;
}
