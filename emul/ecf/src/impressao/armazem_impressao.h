// What the printer printed, kept for the host: LeImpressao hands it out in pieces of at most 4000
// characters and answers an empty text once everything was fetched. Each new document replaces what
// was not fetched of the previous ones, so the store holds "the last printed data" and never grows
// without bound; a reading sent to the host instead of the paper replaces the store the same way.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "contexto/codificacao.h"

namespace ecf::impressao {

class ArmazemImpressao {
 public:
  static constexpr std::size_t kTamanhoPedaco = 4000;

  void NovoDocumento();
  void Acrescenta(std::string_view impresso) { texto_.append(impresso.data(), impresso.size()); }
  void SubstituiPor(std::string texto);

  // Next piece for LeImpressao; empty when all was fetched.
  std::string LeImpressao();
  std::size_t Pendente() const { return texto_.size() - lido_; }

  void Serializa(Escritor& saida) const;
  bool Desserializa(Leitor& entrada);  // false (nothing changed) when damaged

 private:
  std::string texto_;
  std::size_t lido_ = 0;
};

}  // namespace ecf::impressao
