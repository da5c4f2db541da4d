// Parameters of one command checked against the catalogue and converted by their declared type.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ecf/impressora.h"
#include "protocolo/falha.h"
#include "quorbal/catalogo.h"

namespace ecf {

class Parametros {
 public:
  Parametros() = default;
  explicit Parametros(const quorbal::DescritorComando& comando);

  bool Tem(std::string_view nome) const;
  // Integer types, indicators (0/1), money (in units of 10^-decimals; PercentualAliquota in
  // hundredths of a percent), dates (yyyymmdd) and times (seconds of the day).
  std::int64_t Numero(std::string_view nome, std::int64_t padrao = 0) const;
  bool Indicador(std::string_view nome, bool padrao) const { return Numero(nome, padrao ? 1 : 0) != 0; }
  // Texts as received; empty when absent.
  const std::string& Texto(std::string_view nome) const;

 private:
  friend Falha Valida(const quorbal::DescritorComando&, const std::vector<Item>&, Parametros&);
  struct Valor {
    bool presente = false;
    std::int64_t numero = 0;
    std::string texto;
  };
  int Indice(std::string_view nome) const;

  const quorbal::DescritorComando* comando_ = nullptr;
  std::vector<Valor> valores_;
};

// Checks every item against the command's parameters: unknown or repeated names, values that do
// not fit their type or size, missing mandatory parameters. Fills parametros on success.
Falha Valida(const quorbal::DescritorComando& comando, const std::vector<Item>& itens, Parametros& parametros);

}  // namespace ecf
