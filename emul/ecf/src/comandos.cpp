#include "comandos.h"

#include <cstring>

namespace ecf {

namespace {

struct Entrada {
  const char* nome;
  Manipulador manipulador;
};

const Entrada kManipuladores[] = {
    {"AbreGaveta", AbreGaveta},
    {"EscreveData", EscreveData},
    {"EscreveHora", EscreveHora},
    {"EscreveIndicador", EscreveIndicador},
    {"EscreveInteiro", EscreveInteiro},
    {"EscreveMoeda", EscreveMoeda},
    {"EscreveTexto", EscreveTexto},
    {"LeData", LeData},
    {"LeHora", LeHora},
    {"LeIndicador", LeIndicador},
    {"LeInteiro", LeInteiro},
    {"LeMoeda", LeMoeda},
    {"LeTexto", LeTexto},
};

}  // namespace

Manipulador ManipuladorDe(const char* comando) {
  for (const Entrada& e : kManipuladores)
    if (std::strcmp(e.nome, comando) == 0) return e.manipulador;
  return nullptr;
}

}  // namespace ecf
