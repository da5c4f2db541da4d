#include "window/armazem_configuracao.h"

namespace tarnel {

long ArmazemRegistro::Abre(const std::string& chave) {
  return chave_.open_or_create(compat::Hive::CurrentUser, chave);
}

long ArmazemRegistro::LeInteiro(const std::string& nome, std::uint32_t& valor) { return chave_.read_int(nome, valor); }

long ArmazemRegistro::LeTexto(const std::string& nome, std::string& valor) { return chave_.read_string(nome, valor); }

long ArmazemRegistro::EscreveInteiro(const std::string& nome, std::uint32_t valor) {
  return chave_.write_int(nome, valor);
}

long ArmazemRegistro::EscreveTexto(const std::string& nome, const std::string& valor) {
  return chave_.write_string(nome, valor);
}

long ArmazemRegistro::Fecha() { return chave_.close(); }

}  // namespace tarnel
