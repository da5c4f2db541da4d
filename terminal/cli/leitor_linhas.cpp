#include "leitor_linhas.h"

#include <iostream>

#include "console.h"
#include "editor_linhas.h"

namespace tarnel::cli {

namespace {

class LeitorSimples : public LeitorLinhas {
 public:
  LeitorSimples(std::istream& entrada, bool interativo, std::ostream& saida, const char* prompt)
      : entrada_(entrada), interativo_(interativo), saida_(saida), prompt_(prompt) {}

  bool Le(std::string& linha) override {
    if (interativo_) saida_ << prompt_ << std::flush;
    if (!std::getline(entrada_, linha)) {
      if (interativo_) saida_ << '\n';
      return false;
    }
    // A line from a Windows editor.
    if (!linha.empty() && linha.back() == '\r') linha.pop_back();
    return true;
  }

 private:
  std::istream& entrada_;
  const bool interativo_;
  std::ostream& saida_;
  const char* const prompt_;
};

}  // namespace

std::unique_ptr<LeitorLinhas> CriaLeitorLinhas(std::istream& entrada, bool interativo, std::ostream& saida,
                                               const char* prompt, std::vector<PalavraCompletavel> palavras_shell) {
#ifdef TARNEL_EDITOR_LINHAS
  if (interativo && &entrada == &std::cin && SaidaInterativa())
    return CriaEditorLinhas(prompt, std::move(palavras_shell));
#else
  (void)palavras_shell;
#endif
  return std::make_unique<LeitorSimples>(entrada, interativo, saida, prompt);
}

}  // namespace tarnel::cli
