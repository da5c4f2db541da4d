// libFuzzer target for the printer simulator's frame reader and its answers. The first byte sets how
// the rest, the byte stream from the host, is cut into the pieces that arrive one after the other.
//
// What must hold: the frames taken out of the stream do not depend on how it was cut; every frame
// begins with ESC; and the printer answers every whole frame handed to it at once.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "enquadrador.h"
#include "fuzz_folder.h"
#include "serialsim/respondedor.h"

namespace {

std::unique_ptr<serialsim::Respondedor> respondedor;

void Esvazia(serialsim::Enquadrador& enquadrador, bool silencio, std::vector<serialsim::Quadro>& quadros) {
  serialsim::Quadro quadro;
  while (enquadrador.Proximo(quadro, silencio)) quadros.push_back(quadro);
}

bool Iguais(const std::vector<serialsim::Quadro>& a, const std::vector<serialsim::Quadro>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].bytes != b[i].bytes || a[i].numero != b[i].numero || a[i].valido != b[i].valido) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The emulated printer answering frame "60" keeps its files there.
  respondedor = std::make_unique<serialsim::Respondedor>(fuzz::MakeFuzzFolder("serialsim_fuzz"));
  std::atexit([] { respondedor.reset(); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  if (tamanho < 1) return 0;
  const std::size_t pedaco = 1 + dados[0] % 64;
  const std::string fluxo(reinterpret_cast<const char*>(dados) + 1, tamanho - 1);

  serialsim::Enquadrador inteiro;
  std::vector<serialsim::Quadro> de_uma_vez;
  inteiro.Acrescenta(fluxo);
  Esvazia(inteiro, false, de_uma_vez);
  Esvazia(inteiro, true, de_uma_vez);

  serialsim::Enquadrador cortado;
  std::vector<serialsim::Quadro> em_pedacos;
  for (std::size_t i = 0; i < fluxo.size(); i += pedaco) {
    cortado.Acrescenta(fluxo.substr(i, pedaco));
    Esvazia(cortado, false, em_pedacos);
  }
  Esvazia(cortado, true, em_pedacos);
  if (!Iguais(de_uma_vez, em_pedacos) || inteiro.Pendente() || cortado.Pendente()) std::abort();

  for (const serialsim::Quadro& quadro : de_uma_vez) {
    if (quadro.bytes.empty() || quadro.bytes[0] != '\x1b') std::abort();
    if (respondedor->Responde(quadro.bytes).empty()) std::abort();
  }
  // The same stream through the printer's own reception, with the line going quiet at the end.
  for (std::size_t i = 0; i < fluxo.size(); i += pedaco) respondedor->Recebe(fluxo.substr(i, pedaco));
  respondedor->Silencio();
  respondedor->RetiraQuadros();
  return 0;
}
