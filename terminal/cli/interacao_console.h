// tarnel-cli answers for the person: messages go to a console stream, questions take their default
// answer, file choices are declined (unattended runs must never wait for input).
#pragma once
#include <ostream>

#include "window/interacao.h"

namespace tarnel::cli {

class InteracaoConsole : public Interacao {
 public:
  explicit InteracaoConsole(std::ostream& mensagens) : mensagens_(&mensagens) {}

  // Where later messages go (the shell keeps them in order with its other output).
  void DirecionaMensagens(std::ostream& mensagens) { mensagens_ = &mensagens; }

  void Mensagem(const std::string& texto, Icone icone, const std::string& titulo) override;
  Resposta Pergunta(const std::string& texto, Icone icone, bool com_cancela, Resposta padrao,
                    const std::string& titulo) override;
  bool EscolheArquivos(const PedidoArquivo& pedido, std::vector<std::string>& escolhidos) override;
  void ProcessaEventos() override {}

 private:
  std::ostream* mensagens_;
};

}  // namespace tarnel::cli
