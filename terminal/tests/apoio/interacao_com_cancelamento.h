// A scripted person who watches long work: records every progress report, asks to stop at a chosen
// one, and notes a box shown while a progress report was still open.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "apoio/interacao_roteirizada.h"

namespace tarnel::teste {

class InteracaoComCancelamento : public InteracaoRoteirizada {
 public:
  int cancela_na_vez = -1;  // the nth question of the loop answers "stop"
  std::vector<std::int64_t> progresso;
  bool aberto = false;                 // a progress report not yet ended
  bool mensagem_sobre_progresso = false;  // a box shown while it was
  void Progresso(const std::string&, std::int64_t feito, std::int64_t) override {
    progresso.push_back(feito);
    aberto = true;
  }
  bool CancelamentoPedido() override { return static_cast<int>(progresso.size()) == cancela_na_vez; }
  void FimProgresso() override { aberto = false; }
  void Mensagem(const std::string& texto, Icone icone, const std::string& titulo) override {
    mensagem_sobre_progresso = mensagem_sobre_progresso || aberto;
    InteracaoRoteirizada::Mensagem(texto, icone, titulo);
  }
  // The progress ended and no box stood over it.
  bool ProgressoEncerrado() const { return !progresso.empty() && !aberto && !mensagem_sobre_progresso; }
};

}  // namespace tarnel::teste
