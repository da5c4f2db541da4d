// TfrmErros, the list of detected errors: its users empty it, add one line per error and show it
// when they added any.
#pragma once
#include <string>
#include <vector>

namespace tarnel {

class TfrmErros {
 public:
  const char* Caption() const { return "Tarnel: Erros Detectados"; }

  std::vector<std::string> lbErros;

  void Limpa() { lbErros.clear(); }
  void Acrescenta(const std::string& linha) { lbErros.push_back(linha); }
  bool TemErros() const { return !lbErros.empty(); }
};

}  // namespace tarnel
