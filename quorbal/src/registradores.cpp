#include "quorbal/registradores.h"

#include "quorbal/igual_sem_caixa.h"

namespace quorbal {

const char* const kNomesRegistradores[kTotalRegistradores] = {
#define QUORBAL_NOME(nome) #nome,
    QUORBAL_REGISTRADORES(QUORBAL_NOME, QUORBAL_NOME)
#undef QUORBAL_NOME
};

int ProcuraRegistrador(std::string_view nome) {
  for (int i = 0; i < kTotalRegistradores; ++i)
    if (IgualSemCaixa(kNomesRegistradores[i], nome)) return i;
  return -1;
}

}  // namespace quorbal
