// One command being executed: the state it may change, its checked parameters, where its returns
// and print events go. Handlers check everything before changing anything; the caller also puts
// the state back when a handler refuses.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ecf/impressora.h"
#include "fiscal/estado.h"
#include "fiscal/relogio.h"
#include "impressao/saida.h"
#include "protocolo/falha.h"
#include "protocolo/validacao.h"
#include "quorbal/comandos.h"

namespace ecf {

struct Sessao {
  Estado& estado;
  const Parametros& par;
  Saida& saida;
  std::int64_t agora;  // the printer's clock when the command arrived
  const Falha& ultimo_erro;
  const std::string& ultimo_erro_nome;
  std::vector<Item> retornos;
  std::vector<Evento> eventos;

  std::int32_t Hoje() const { return DataDe(agora); }
  std::int32_t HoraAgora() const { return HoraDe(agora); }

  void Retorna(const char* nome, std::string valor, std::uint8_t tipo) {
    retornos.push_back(Item{nome, std::move(valor), tipo});
  }
  Evento& Emite(Impresso tipo, std::int32_t documento = -1) {
    Evento e;
    e.tipo = tipo;
    e.documento = documento;
    e.parametros = &par;
    e.data = Hoje();
    e.hora = HoraAgora();
    eventos.push_back(std::move(e));
    return eventos.back();
  }
};

using Manipulador = Falha (*)(Sessao&);

// A command's handler and what the printer does around it.
struct Manipulacao {
  Manipulador manipulador;
  // Only reads: the state needs no copy to put back and the context is not encoded again after it,
  // which keeps a long series of register readings (an X-reading check reads over two hundred) cheap.
  bool so_leitura;
  // Reads a register: does not count as the printer's last error, since the register reader runs
  // after every command and would otherwise always hide the error it is meant to show.
  bool le_registrador;
  // Changes the output alone (LeImpressao moves through the print data): the fiscal state needs no
  // copy and is not encoded again, so fetching a long reading costs the same per piece however
  // large the state.
  bool so_saida;
};

const Manipulacao& ManipulacaoDe(quorbal::Comando comando);

}  // namespace ecf
