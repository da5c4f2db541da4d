// Frame "60" carries a named-parameter command record; the emulated printer executes it and its
// answer record travels back.
#pragma once
#include <memory>
#include <string>

namespace serialsim {

class PonteQuorbal {
 public:
  explicit PonteQuorbal(std::string pasta);
  ~PonteQuorbal();
  // False when the text is not a command record or the emulated printer cannot be opened.
  bool Responde(const std::string& texto, std::string& resposta);

 private:
  struct Impressora;
  std::string pasta_;
  std::unique_ptr<Impressora> impressora_;
};

}  // namespace serialsim
