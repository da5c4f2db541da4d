// The paper roll kept as a file (quorbal/bobina.h says its form): the print data the mechanism
// puts on the roll becomes lines, with their bold and double-width marks, and each command's lines
// are appended to the file once the command has printed them. The file is for people and for
// Tarnel's roll view: no state of the printer depends on it, so one that cannot be written loses
// its lines and fails nothing. It is opened for each append, never held open, so it can be
// deleted, emptied or read while the printer runs.
#pragma once
#include <string>
#include <string_view>

namespace ecf::impressao {

class ArquivoBobina {
 public:
  // The file's path; empty (the default) keeps no roll.
  void Associa(std::string caminho) { caminho_ = std::move(caminho); }

  // Print data as it goes on the roll (ESC '*' ends a line, ESC + two bytes switch an attribute);
  // a line wider than the paper goes on in the next one, as the mechanism wraps it. A line not
  // yet ended waits for its line break.
  void Imprime(std::string_view impresso);
  // The lines ended since the last call, appended to the file.
  void Descarrega();

 private:
  void Coloca(char c);
  void EncerraLinha();

  std::string caminho_;
  std::string linha_;        // the line being printed (Windows-1252, attributes removed)
  int colunas_ = 0;          // how many of the paper's columns it takes
  bool negrito_ = false;     // attributes switched on now
  bool expandido_ = false;
  bool linha_negrito_ = false;    // some character of the line printed with them
  bool linha_expandida_ = false;
  int escape_ = 0;           // bytes of an ESC sequence still to come (ESC may end one piece)
  char atributo_ = 0;        // the first byte after ESC
  std::string a_gravar_;     // ended lines, as the file holds them
};

}  // namespace ecf::impressao
