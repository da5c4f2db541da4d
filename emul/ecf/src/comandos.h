// Handlers of the catalogued commands, one per command, grouped in files by job.
#pragma once
#include "sessao.h"

namespace ecf {

// Registers (cmd_registradores.cpp).
Falha LeInteiro(Sessao& s);
Falha LeMoeda(Sessao& s);
Falha LeTexto(Sessao& s);
Falha LeData(Sessao& s);
Falha LeHora(Sessao& s);
Falha LeIndicador(Sessao& s);
Falha EscreveInteiro(Sessao& s);
Falha EscreveMoeda(Sessao& s);
Falha EscreveTexto(Sessao& s);
Falha EscreveData(Sessao& s);
Falha EscreveHora(Sessao& s);
Falha EscreveIndicador(Sessao& s);

// Mechanism (mecanismo.cpp).
Falha AbreGaveta(Sessao& s);

}  // namespace ecf
