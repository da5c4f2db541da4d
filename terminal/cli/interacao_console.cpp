#include "interacao_console.h"

#include "console.h"

namespace tarnel::cli {

void InteracaoConsole::Mensagem(const std::string& texto, Icone, const std::string&) { EscreveLinha(*mensagens_, texto); }

Resposta InteracaoConsole::Pergunta(const std::string& texto, Icone, bool, Resposta padrao, const std::string&) {
  EscreveLinha(*mensagens_, texto);
  return padrao;
}

bool InteracaoConsole::EscolheArquivos(const PedidoArquivo&, std::vector<std::string>&) { return false; }

}  // namespace tarnel::cli
