#include "window/sessao_configuracao.h"

namespace tarnel {

std::string MensagemConfiguracaoInacessivel(bool gravando, long codigo) {
  return std::string(gravando ? "As configurações do programa não puderam ser gravadas"
                              : "As configurações do programa não puderam ser lidas; ele usa os valores padrão") +
         " (" + compat::system_error_text(codigo) + ").";
}

bool SessaoConfiguracao::Falhou(long codigo, bool gravando) {
  if (codigo == compat::kRegistryOk || (!gravando && codigo == compat::kRegistryNotFound)) return false;
  if (!falhou_) interacao_.Mensagem(MensagemConfiguracaoInacessivel(gravando, codigo));
  falhou_ = true;
  return true;
}

void SessaoConfiguracao::Abre(const std::string& chave, bool para_gravar) {
  aberta_ = !Falhou(armazem_.Abre(chave), para_gravar);
}

bool SessaoConfiguracao::LeInteiro(const std::string& nome, std::int32_t& valor) {
  if (!Usavel()) return false;
  std::uint32_t lido = 0;
  const long codigo = armazem_.LeInteiro(nome, lido);
  if (codigo != compat::kRegistryOk) {
    Falhou(codigo, false);
    return false;
  }
  valor = static_cast<std::int32_t>(lido);
  return true;
}

bool SessaoConfiguracao::LeBooleano(const std::string& nome, bool& valor) {
  std::int32_t lido = 0;
  if (!LeInteiro(nome, lido)) return false;
  valor = lido != 0;
  return true;
}

bool SessaoConfiguracao::LeTexto(const std::string& nome, std::string& valor) {
  if (!Usavel()) return false;
  std::string lido;
  const long codigo = armazem_.LeTexto(nome, lido);
  if (codigo != compat::kRegistryOk) {
    Falhou(codigo, false);
    return false;
  }
  valor = lido;
  return true;
}

void SessaoConfiguracao::EscreveInteiro(const std::string& nome, std::int32_t valor) {
  if (Usavel()) Falhou(armazem_.EscreveInteiro(nome, static_cast<std::uint32_t>(valor)), true);
}

void SessaoConfiguracao::EscreveTexto(const std::string& nome, const std::string& valor) {
  if (Usavel()) Falhou(armazem_.EscreveTexto(nome, valor), true);
}

void SessaoConfiguracao::Fecha() {
  if (!aberta_) return;
  aberta_ = false;
  armazem_.Fecha();
}

}  // namespace tarnel
