// The paper path: everything printed goes to the print store (LeImpressao) and, inside a document,
// to the detail memory. A document is recorded whole or refused at its start, so the detail memory
// never holds half of what the paper shows.
#pragma once
#include <string>
#include <string_view>

#include "impressao/armazem_impressao.h"
#include "memorias/memoria_fita_detalhe.h"

namespace ecf::impressao {

class Bobina {
 public:
  Bobina(ArmazemImpressao& armazem, memorias::MemoriaFitaDetalhe& fita) : armazem_(armazem), fita_(fita) {}

  // Each answers false, printing nothing, when the detail memory cannot record it (not initialised,
  // exhausted, or no document open where one is needed).
  bool IniciaDocumento(const memorias::CabecalhoDocumento& cabecalho, std::string_view texto);
  bool Imprime(std::string_view texto);  // outside a document (paper feed) only the store takes it
  bool EncerraDocumento(std::string_view texto);
  // A reading sent to the host: not printed, not recorded, only handed out through LeImpressao.
  void EntregaAoHost(std::string texto) { armazem_.SubstituiPor(std::move(texto)); }
  // The same composed piece by piece: Recomeca, then each piece in order.
  void RecomecaEntregaAoHost() { armazem_.NovoDocumento(); }
  void ContinuaEntregaAoHost(std::string_view parte) { armazem_.AcrescentaEmTrechos(parte); }

 private:
  ArmazemImpressao& armazem_;
  memorias::MemoriaFitaDetalhe& fita_;
};

}  // namespace ecf::impressao
