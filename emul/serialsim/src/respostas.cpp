#include "respostas.h"

#include <cstdio>

namespace serialsim {
namespace {

constexpr int kLinhasLeitura = 60;
constexpr std::size_t kColunas = 48;

std::string Linha(std::string texto) {
  texto.resize(kColunas, ' ');
  return texto + "\r\n";
}

// A reading in 48 columns that names what was asked, long enough to arrive in several pieces.
std::string LeituraPadrao(const std::string& quadro) {
  std::string texto = Linha(std::string("LEITURA MODO ") + quadro[4]);
  texto += Linha("INICIO " + quadro.substr(5, 8));
  texto += Linha("FIM    " + quadro.substr(13, 8));
  texto += Linha(std::string("OPCAO  ") + quadro[21]);
  for (int i = 1; i <= kLinhasLeitura; ++i) {
    char linha[32];
    std::snprintf(linha, sizeof linha, "LINHA %03d", i);
    texto += Linha(linha);
  }
  return texto;
}

}  // namespace

bool DadosRegistrador(const Comportamento& c, const std::string& quadro, std::string& dados) {
  int numero = 0;
  bool algarismo = false;
  for (std::size_t i = 4; i < 7 && i < quadro.size(); ++i) {
    const char ch = quadro[i];
    if (ch == ' ' && !algarismo) continue;  // right-aligned with blanks
    if (ch < '0' || ch > '9') return false;
    numero = numero * 10 + (ch - '0');
    algarismo = true;
  }
  if (!algarismo) return false;
  const auto valor = c.registradores.find(numero);
  if (valor != c.registradores.end()) {
    dados = valor->second;
  } else {
    char texto[32];
    std::snprintf(texto, sizeof texto, "Registrador %03d", numero);
    dados = texto;
  }
  dados.resize(kTamanhoRegistrador, ' ');
  return true;
}

bool LeituraEcf(const Comportamento& c, const std::string& quadro, std::string& fluxo) {
  const char modo = quadro.size() > 4 ? quadro[4] : 0;
  if (modo < '4' || modo > '7') return false;
  fluxo = c.texto_leitura.empty() ? LeituraPadrao(quadro) : c.texto_leitura;
  if (!c.leitura_sem_etx) fluxo += kEtx;
  return true;
}

std::string LeituraCmc7(const Comportamento& c) {
  if (c.linha_cmc7.empty()) return std::string(1, static_cast<char>(kAceito));
  return kStx + c.linha_cmc7;
}

}  // namespace serialsim
