// A person played from a script: records every message and question, answers questions and file
// choices from queues (the question's default when the queue is empty; file choices cancelled).
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "window/interacao.h"

namespace tarnel::teste {

class InteracaoRoteirizada : public Interacao {
 public:
  std::vector<std::string> mensagens;
  std::vector<std::string> perguntas;
  std::vector<std::string> titulos;  // of messages and questions, in the order asked
  std::deque<Resposta> respostas;
  std::deque<std::vector<std::string>> arquivos;
  int eventos_processados = 0;
  std::vector<std::vector<std::string>> listas_erros;  // each error list shown, its lines

  void Mensagem(const std::string& texto, Icone, const std::string& titulo) override {
    mensagens.push_back(texto);
    titulos.push_back(titulo);
  }
  Resposta Pergunta(const std::string& texto, Icone, bool, Resposta padrao, const std::string& titulo) override {
    perguntas.push_back(texto);
    titulos.push_back(titulo);
    if (respostas.empty()) return padrao;
    const Resposta r = respostas.front();
    respostas.pop_front();
    return r;
  }
  bool EscolheArquivos(const PedidoArquivo&, std::vector<std::string>& escolhidos) override {
    if (arquivos.empty()) return false;
    escolhidos = arquivos.front();
    arquivos.pop_front();
    return true;
  }
  void ProcessaEventos() override { ++eventos_processados; }
  void MostraErros(const TfrmErros& erros) override { listas_erros.push_back(erros.lbErros); }
};

}  // namespace tarnel::teste
