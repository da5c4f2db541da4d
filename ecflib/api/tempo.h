// The clock of the waits in the streaming loops and the X/Z status poll: whole seconds and sleeps.
// Tests replace it with a virtual one so that 15-second and 10-minute waits take no time.
#pragma once

namespace plenvo {

long long SegundosAgora();
void Dorme(int milissegundos);

using FuncaoSegundos = long long (*)();
using FuncaoDorme = void (*)(int milissegundos);
// nullptr restores the real clock.
void DefineRelogioDeEspera(FuncaoSegundos segundos, FuncaoDorme dorme);

}  // namespace plenvo
