// Frame "60" carries a named-parameter command record; the emulated printer executes it and its
// answer record travels back.
#pragma once
#include <memory>
#include <string>

namespace serialsim {

class PonteQuorbal {
 public:
  // pasta as the system names it (UTF-8 off Windows); the printer takes its folders as Windows-1252
  // text, as every path of the programs.
  explicit PonteQuorbal(const std::string& pasta_nativa);
  ~PonteQuorbal();
  // False when the text is not a command record or the emulated printer cannot be opened.
  bool Responde(const std::string& texto, std::string& resposta);

 private:
  struct Impressora;
  std::string pasta_;
  bool pasta_valida_;  // false: a name Windows-1252 cannot hold, which would name another folder
  std::unique_ptr<Impressora> impressora_;
};

}  // namespace serialsim
