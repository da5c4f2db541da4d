#include "tempo.h"

#include <chrono>
#include <thread>

namespace plenvo {
namespace {

long long SegundosReais() {
  using namespace std::chrono;
  return duration_cast<seconds>(steady_clock::now().time_since_epoch()).count();
}

void DormeReal(int milissegundos) { std::this_thread::sleep_for(std::chrono::milliseconds(milissegundos)); }

FuncaoSegundos segundos_agora = SegundosReais;
FuncaoDorme dorme = DormeReal;

}  // namespace

long long SegundosAgora() { return segundos_agora(); }
void Dorme(int milissegundos) { dorme(milissegundos); }

void DefineRelogioDeEspera(FuncaoSegundos segundos, FuncaoDorme funcao_dorme) {
  segundos_agora = segundos != nullptr ? segundos : SegundosReais;
  dorme = funcao_dorme != nullptr ? funcao_dorme : DormeReal;
}

}  // namespace plenvo
