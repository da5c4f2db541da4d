// The transcript pane "Terminal": a read-only multi-line text limited to 20480 characters. Lines
// end with CR LF, as in the window's text control; a text holding line breaks shows as several lines.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace tarnel {

class PainelTerminal {
 public:
  static constexpr std::size_t kLimite = 20480;
  static constexpr std::size_t kMantido = 12800;  // 20480 x 0.625: what survives a trim

  // Adds the text as a new line. When the pane would overflow, it first keeps only its last 12800
  // characters and drops the first, now partial, line; then drops first lines while the new line
  // does not fit.
  void Acrescenta(const std::string& texto);
  void Limpa() { texto_.clear(); }

  // False while work that would flood the pane runs (the binary dump's thousands of readings).
  bool Visivel = true;

  // Whole text, every line ended by CR LF.
  const std::string& Texto() const { return texto_; }
  std::vector<std::string> Linhas() const;

 private:
  void ApagaPrimeiraLinha();

  std::string texto_;
};

}  // namespace tarnel
