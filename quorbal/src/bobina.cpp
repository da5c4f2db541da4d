#include "quorbal/bobina.h"

#include "compat/cp1252.h"

namespace quorbal {

namespace {
constexpr std::size_t kMargem = 3;
constexpr char kBorda = '|';
}  // namespace

std::string NomeArquivoBobina(int numero) { return "bobina" + std::to_string(numero) + ".txt"; }

std::string FormataLinhaBobina(const LinhaBobina& linha) {
  std::string texto = linha.texto;
  for (char& c : texto)
    if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') c = ' ';
  std::string saida;
  saida.reserve(kMargem + texto.size() + 2);
  saida += linha.negrito ? 'N' : ' ';
  saida += linha.expandido ? 'E' : ' ';
  saida += kBorda;
  saida += compat::cp1252_to_utf8(texto);
  saida += "\r\n";
  return saida;
}

LinhaBobina LeLinhaBobina(std::string_view linha) {
  LinhaBobina lida;
  const bool com_margem = linha.size() >= kMargem && (linha[0] == 'N' || linha[0] == ' ') &&
                          (linha[1] == 'E' || linha[1] == ' ') && linha[2] == kBorda;
  if (com_margem) {
    lida.negrito = linha[0] == 'N';
    lida.expandido = linha[1] == 'E';
    linha.remove_prefix(kMargem);
  }
  lida.texto = compat::utf8_to_cp1252(linha);
  return lida;
}

}  // namespace quorbal
