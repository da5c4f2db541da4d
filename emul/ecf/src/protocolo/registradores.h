// The printer's named registers: type, access and how each is read (and, for a few, written).
// Indexed registers are named name[index], e.g. TotalDiaValorAliquota[3].
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ecf/impressora.h"
#include "fiscal/estado.h"
#include "fiscal/totais.h"
#include "protocolo/falha.h"
#include "quorbal/comandos.h"
#include "quorbal/registradores.h"

namespace ecf {

class Saida;

enum class TipoRegistrador : std::uint8_t { kInteiro, kMoeda, kTexto, kData, kHora, kIndicador, kBinario };

struct ValorRegistrador {
  std::int64_t numero = 0;  // integer, money in units of 10^-decimals, date yyyymmdd, time seconds, indicator
  std::string texto;        // text, or the indicator's text
};

// What a register reading may look at. The totals are computed when a register first needs them,
// so reading a counter does not add up the whole day.
class ContextoLeitura {
 public:
  ContextoLeitura(const Estado& estado, std::int64_t agora, const Saida& saida, const Falha& ultimo_erro,
                  const std::string& ultimo_erro_nome)
      : estado(estado), agora(agora), saida(saida), ultimo_erro(ultimo_erro), ultimo_erro_nome(ultimo_erro_nome) {}

  const Estado& estado;
  std::int64_t agora;  // the printer's clock, seconds
  const Saida& saida;  // const: a reading changes nothing
  const Falha& ultimo_erro;
  const std::string& ultimo_erro_nome;

  const Totais& TotaisDia() const;
  const Totais& TotaisDocumento() const;  // the document in issue or the last one of the day

 private:
  mutable std::optional<Totais> dia_;
  mutable std::optional<Totais> documento_;
};

struct DefRegistrador {
  quorbal::Registrador registrador;
  TipoRegistrador tipo;
  std::uint8_t decimais;  // money
  std::uint8_t indices;   // 0 = plain register, n = name[0] .. name[n-1]
  std::int8_t fixo;       // index implied by the name (Aliquota07Reducao), else -1
  bool leitura;
  bool escrita;
  ValorRegistrador (*le)(const ContextoLeitura&, int indice);
  Falha (*escreve)(Estado&, Saida&, const ValorRegistrador&);

  const char* nome() const { return quorbal::kNomesRegistradores[quorbal::Indice(registrador)]; }
};

// A register name resolved: the entry and the index (0 for plain registers).
struct RegistradorResolvido {
  const DefRegistrador* def = nullptr;
  int indice = 0;
};

// Resolves "Name" or "Name[i]" (names compared without regard to case). Refusals:
// ErroProtNomeRegistrador, ErroProtIndiceRegistrador.
Falha ResolveRegistrador(std::string_view nome, RegistradorResolvido& resolvido);

// The entry of a name the printer has, for the reading-command look-up: a register's bare name
// (an indexed one's too, whose reading then asks for the index) or name[i] with i in its range;
// null for anything else.
const DefRegistrador* ProcuraRegistrador(std::string_view nome);

// The reading command of a register type; none for the binary type.
std::optional<quorbal::Comando> ComandoDoTipo(TipoRegistrador tipo);

// The reading command for a register of that type, checked against the catalogue: -4 when no
// command reads that type, -2 when the command has no parameter, -3 when its first parameter is
// not a "Nome..." one.
LeituraRegistrador ResolveComandoLeitura(std::optional<quorbal::Comando> comando, std::string& nome_comando);

}  // namespace ecf
