// One pass over the settings key (the reading at start-up, the writing at exit). The first failure
// of the store is told to the person once, in plain words; after it the pass goes on without the
// store, so the window keeps its defaults and nothing else is asked.
#pragma once
#include <cstdint>
#include <string>

#include "window/armazem_configuracao.h"
#include "window/interacao.h"

namespace tarnel {

class SessaoConfiguracao {
 public:
  SessaoConfiguracao(ArmazemConfiguracao& armazem, Interacao& interacao) : armazem_(armazem), interacao_(interacao) {}
  ~SessaoConfiguracao() { Fecha(); }
  SessaoConfiguracao(const SessaoConfiguracao&) = delete;
  SessaoConfiguracao& operator=(const SessaoConfiguracao&) = delete;

  // para_gravar: the pass writes (at exit), which the report tells.
  void Abre(const std::string& chave, bool para_gravar);
  // False when the value is absent or could not be read; valor is then untouched.
  bool LeInteiro(const std::string& nome, std::int32_t& valor);
  bool LeBooleano(const std::string& nome, bool& valor);
  bool LeTexto(const std::string& nome, std::string& valor);
  void EscreveInteiro(const std::string& nome, std::int32_t valor);
  void EscreveBooleano(const std::string& nome, bool valor) { EscreveInteiro(nome, valor ? 1 : 0); }
  void EscreveTexto(const std::string& nome, const std::string& valor);
  void Fecha();

 private:
  bool Usavel() const { return aberta_ && !falhou_; }
  // Reports the store's failure the first time; true when codigo is one.
  bool Falhou(long codigo, bool gravando);

  ArmazemConfiguracao& armazem_;
  Interacao& interacao_;
  bool aberta_ = false;
  bool falhou_ = false;
};

// The report of a store that could not be read or written, with the system's reason.
std::string MensagemConfiguracaoInacessivel(bool gravando, long codigo);

}  // namespace tarnel
