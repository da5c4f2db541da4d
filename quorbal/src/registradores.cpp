#include "quorbal/registradores.h"

namespace quorbal {

const char* const kNomesRegistradores[kTotalRegistradores] = {
#define QUORBAL_NOME(nome) #nome,
    QUORBAL_REGISTRADORES(QUORBAL_NOME)
#undef QUORBAL_NOME
};

}  // namespace quorbal
