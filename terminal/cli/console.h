// The console edge: Tarnel's texts are Windows-1252, the console speaks UTF-8.
#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace tarnel::cli {

// Prepares the console for UTF-8 input and output (Windows); nothing to do elsewhere.
void PreparaConsole();

// The program's arguments (argv[1] on) as Windows-1252 texts; false when one has characters
// Windows-1252 does not have (or is not UTF-8 where the console speaks it): they would come out as
// "?", and a file name would then name another file. recusado then holds that argument, in UTF-8 for
// the message. On Windows the arguments are read as the system received them, in UTF-16: the narrow
// argv has already turned such characters into "?".
bool ArgumentosCp1252(int argc, char** argv, std::vector<std::string>& textos, std::string& recusado);

// A line read from standard input (UTF-8) as a Windows-1252 text; false, as above, when something
// in it has no Windows-1252 form (texto then holds "?" in its place).
bool EntradaCp1252(const std::string& linha_utf8, std::string& texto);

// True when standard input is a terminal (a person typing), false for a pipe or a file.
bool EntradaInterativa();
// The same for standard output: a terminal shows attributes, a pipe or a file gets plain text.
bool SaidaInterativa();
// And for standard error, where progress lines go.
bool MensagensInterativas();

// Where a subcommand that writes arquivo announces it: on saida, unless arquivo is a device or
// standard output itself (--saida /dev/stdout), whose data the announcement would be glued to.
std::ostream& Anuncio(const std::string& arquivo, std::ostream& saida, std::ostream& mensagens);

// Writes a Windows-1252 text and a line end to a console stream.
void EscreveLinha(std::ostream& saida, const std::string& texto_cp1252);
// The same without the line end (a line rewritten in place).
void EscreveTexto(std::ostream& saida, const std::string& texto_cp1252);

// A progress line. On a terminal it is one line rewritten in place, which must be wiped (Apaga)
// before anything else is written there; elsewhere (a pipe, a file) each state is a line of its own.
class LinhaProgresso {
 public:
  LinhaProgresso(std::ostream& saida, bool terminal) : saida_(saida), terminal_(terminal) {}
  bool NoTerminal() const { return terminal_; }
  // Shows texto (Windows-1252) as the progress now.
  void Mostra(const std::string& texto_cp1252);
  // Wipes the line shown in place, if there is one.
  void Apaga();
  // Leaves the line shown in place where it is, and goes on below it.
  void Encerra();

 private:
  std::ostream& saida_;
  bool terminal_;
  bool visivel_ = false;
};

}  // namespace tarnel::cli
