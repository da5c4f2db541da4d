// The handler table: one entry per catalogued command at its catalogue position, built from the
// protocol's command list, so a command without a handler (a function of the command's name) does
// not compile.
#include <iterator>

#include "comandos/comandos.h"

namespace ecf {

namespace {

using quorbal::Comando;

constexpr bool LeRegistrador(Comando c) {
  switch (c) {
    case Comando::LeInteiro:
    case Comando::LeMoeda:
    case Comando::LeTexto:
    case Comando::LeData:
    case Comando::LeHora:
    case Comando::LeIndicador: return true;
    default: return false;
  }
}

constexpr bool SoLeitura(Comando c) {
  switch (c) {
    case Comando::LeAliquota:
    case Comando::LeMeioPagamento:
    case Comando::LeDepartamento:
    case Comando::LeNaoFiscal:
    case Comando::LeGerencial: return true;
    default: return LeRegistrador(c);
  }
}

constexpr bool SoSaida(Comando c) { return c == Comando::LeImpressao; }

constexpr Manipulacao kManipuladores[] = {
#define ECF_MANIPULACAO(nome) {nome, SoLeitura(Comando::nome), LeRegistrador(Comando::nome), SoSaida(Comando::nome)},
    QUORBAL_COMANDOS(ECF_MANIPULACAO)
#undef ECF_MANIPULACAO
};
static_assert(std::size(kManipuladores) == quorbal::kTotalComandos);

}  // namespace

const Manipulacao& ManipulacaoDe(Comando comando) { return kManipuladores[quorbal::Posicao(comando)]; }

}  // namespace ecf
