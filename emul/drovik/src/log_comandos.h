// The library's log file: one command line and one reply line per executed command, appended.
// The file is opened for each line and closed at once, so that a program can append its own lines
// to the same file between two commands.
#pragma once
#include <string>

namespace drovik {

class LogComandos {
 public:
  // Empty stops logging.
  void Define(const std::string& caminho) { caminho_ = caminho; }
  const std::string& Caminho() const { return caminho_; }
  bool Ativo() const { return !caminho_.empty(); }

  // Appends linha + CR LF when logging is on. A file that cannot be written loses the line: the
  // command itself goes on.
  void EscreveLinha(const std::string& linha) const;

 private:
  std::string caminho_;
};

}  // namespace drovik
