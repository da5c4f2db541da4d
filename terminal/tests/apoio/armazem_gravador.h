// The registry-backed settings store (the file-backed hive of the test's private folder), recording
// every write in order as "name=int:value" or "name=text:value" and the key it opened; a failure
// code can be forced on every operation.
#pragma once
#include <string>
#include <vector>

#include "window/armazem_configuracao.h"

namespace tarnel::teste {

class ArmazemGravador : public ArmazemConfiguracao {
 public:
  std::vector<std::string> chaves;
  std::vector<std::string> escritas;
  long falha = 0;  // returned by every operation instead of reaching the registry when not 0

  long Abre(const std::string& chave) override {
    chaves.push_back(chave);
    return falha ? falha : real_.Abre(chave);
  }
  long LeInteiro(const std::string& nome, std::uint32_t& valor) override {
    return falha ? falha : real_.LeInteiro(nome, valor);
  }
  long LeTexto(const std::string& nome, std::string& valor) override {
    return falha ? falha : real_.LeTexto(nome, valor);
  }
  long EscreveInteiro(const std::string& nome, std::uint32_t valor) override {
    escritas.push_back(nome + "=int:" + std::to_string(static_cast<std::int32_t>(valor)));
    return falha ? falha : real_.EscreveInteiro(nome, valor);
  }
  long EscreveTexto(const std::string& nome, const std::string& valor) override {
    escritas.push_back(nome + "=text:" + valor);
    return falha ? falha : real_.EscreveTexto(nome, valor);
  }
  long Fecha() override { return real_.Fecha(); }

 private:
  ArmazemRegistro real_;
};

}  // namespace tarnel::teste
