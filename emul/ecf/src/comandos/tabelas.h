// The programmable tables as the commands find their slots: by a code parameter or by a name
// parameter, with each table's own refusals. Used by the table commands and by the documents that
// name a department, a non-fiscal totalizer or a managerial report.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "comandos/sessao.h"

namespace ecf {

// One named table: where its slots live, its parameter names and its refusals.
template <class Slot, std::size_t N>
struct TabelaNomeada {
  std::array<Slot, N> Estado::*slots;
  const char* par_codigo;
  const char* par_nome;
  const char* par_descricao;
  std::uint8_t tipo_codigo;      // type code of the code return
  const char* rotulo;            // for circumstances
  const char* erro_codigo;       // code out of range
  const char* erro_indefinido;   // slot not defined
  const char* erro_inexistente;  // no slot of that name
  const char* erro_nome;         // name not acceptable for a definition
  const char* erro_cheia;        // no free slot
  const char* erro_dia_aberto;   // changes only while the day is not open
};

extern const TabelaNomeada<MeioPagamento, kTotalMeiosPagamento> kMeios;
extern const TabelaNomeada<Departamento, kTotalDepartamentos> kDepartamentos;
extern const TabelaNomeada<NaoFiscal, kTotalNaoFiscais> kNaoFiscais;
extern const TabelaNomeada<Gerencial, kTotalGerenciais> kGerenciais;

// The slot named by the code or the name parameter. With exige_definido the slot must be defined
// and one of the two parameters given; without it, a name not found or neither parameter leaves
// indice at -1.
template <class Slot, std::size_t N>
Falha Localiza(const Sessao& s, const TabelaNomeada<Slot, N>& t, bool exige_definido, int& indice) {
  const std::array<Slot, N>& slots = s.estado.*t.slots;
  indice = -1;
  if (s.par.Tem(t.par_codigo)) {
    std::int64_t codigo = s.par.Numero(t.par_codigo);
    if (codigo < 0 || codigo >= static_cast<std::int64_t>(N))
      return Erro(t.erro_codigo, std::string(t.par_codigo) + " " + std::to_string(codigo) + " fora de 0 a " +
                                     std::to_string(N - 1));
    if (exige_definido && !slots[static_cast<std::size_t>(codigo)].definido)
      return Erro(t.erro_indefinido, std::string(t.rotulo) + " " + std::to_string(codigo) + " não está definido");
    indice = static_cast<int>(codigo);
    return Ok();
  }
  if (s.par.Tem(t.par_nome)) {
    const std::string& nome = s.par.Texto(t.par_nome);
    for (std::size_t k = 0; k < N; ++k)
      if (slots[k].definido && slots[k].nome == nome) {
        indice = static_cast<int>(k);
        return Ok();
      }
    if (exige_definido) return Erro(t.erro_inexistente, std::string(t.rotulo) + " '" + nome + "' não existe");
    return Ok();
  }
  if (exige_definido) return Erro("ErroCMDFaltaParametro", "Informe " + std::string(t.par_codigo) + " ou " + t.par_nome);
  return Ok();
}

// The aliquot of that kind and percentage (hundredths of a percent); -1 when none is defined.
int ProcuraAliquota(const Estado& e, bool icms, std::int64_t percentual);
Falha NaoHaAliquota(bool icms, std::int64_t percentual);

}  // namespace ecf
