// A command file replayed as a script: the options a run starts from, the state of the file being
// replayed, and the listener that follows the replay (tarnel-cli's progress lines and report).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tarnel {

// What the player does after a line: go on, stop the current file (a "No" to a question, "$Parar",
// an inconsistent line), or end the whole run (a syntax error in a parameter list, a value that
// cannot be converted); in every case the file is closed and the run's state restored.
enum class Seguimento { Continua, Para, Encerra };

// The run dialog's options (or tarnel-cli run's flags).
struct OpcoesScript {
  bool NaoPausar = true;
  bool PausarSemErro = false;
  bool PausarComErro = false;
  bool PausarDiferente = false;
  bool TestarContexto = false;
};

class AcompanhamentoScript;

// The state of one file, set up from the options when the file is opened and dropped at its end.
struct EstadoScript {
  explicit EstadoScript(const OpcoesScript& opcoes)
      : NaoPausar(opcoes.NaoPausar),
        PausarSemErro(opcoes.PausarSemErro),
        PausarComErro(opcoes.PausarComErro),
        PausarDiferente(opcoes.PausarDiferente),
        TestarContexto(opcoes.TestarContexto) {}

  bool NaoPausar;
  bool PausarSemErro;
  bool PausarComErro;
  bool PausarDiferente;
  bool TestarContexto;
  bool FiltroErroAtivo = false;
  std::int32_t CodigoErroFiltro = 0;
  bool EmComentario = false;
  bool ExibirErrosScript = false;
  std::string NomePassoAtual;
  std::vector<std::string> NomesArmazenados;  // values imposed on the next command with parameters,
  std::vector<std::string> ValoresArmazenados;  // in parallel
  bool ArmazenamentoPendente = false;
  std::string NomeRetornoArmazenar;

  std::string Arquivo;  // the command file being replayed
  long LinhaAtual = 0;  // number (from 1) of the line being handled, for reports
  AcompanhamentoScript* acompanhamento = nullptr;  // may be null

  // NomePassoAtual + ": ", or nothing without a step name; titles of the questions start with it.
  std::string PrefixoPasso() const { return NomePassoAtual.empty() ? std::string() : NomePassoAtual + ": "; }
};

// How a file's replay ended.
enum class FimArquivo {
  Fim,        // ran to its end
  Parado,     // stopped: a "No" to a question, "$Parar", an inconsistent or unknown command line
  Cancelado,  // the person confirmed the cancellation: no further file runs
  Encerrado,  // a syntax or conversion error ended the run: no further file runs
  NaoAberto,  // the file could not be opened (the next file still runs)
};

// What the replay of one command line came to.
struct ComandoReproduzido {
  long linha = 0;               // number of the command line in the file, from 1
  std::string nome;             // the command's name as written in the file
  std::string passo;            // NomePassoAtual when it ran
  bool com_resposta = false;    // the file holds a reply line for it
  bool executado = true;        // the library carried it out (false: nothing was sent or done)
  bool comparado = false;       // the replies were compared (PausarDiferente set, NaoPausar clear)
  std::string codigo_gravado;   // the recorded reply's code field
  std::string retorno_gravado;  // the recorded returns
  std::int32_t codigo_recebido = 0;  // CodigoErro
  std::string retorno_recebido;      // UltimoRetorno
  bool codigo_diferente = false;
  bool retorno_diferente = false;
  std::string problema_contexto;  // what the context check after it found ("" when nothing, or no check)
  bool Diferente() const { return codigo_diferente || retorno_diferente; }
};

// Follows a replay; every method does nothing unless overridden.
class AcompanhamentoScript {
 public:
  virtual ~AcompanhamentoScript() = default;
  virtual void ArquivoIniciado(const std::string& /*arquivo*/) {}
  // Before each line read from the file is handled.
  virtual void LinhaLida(long /*linha*/) {}
  // After each command line was replayed (also when the replay stops at it).
  virtual void Comando(const ComandoReproduzido& /*comando*/) {}
  // A fault of the script itself (inconsistent line, unknown command or directive, syntax or
  // conversion error, an operation this version does not have), with the text shown to the person.
  virtual void ErroScript(long /*linha*/, const std::string& /*mensagem*/) {}
  virtual void ArquivoTerminado(const std::string& /*arquivo*/, FimArquivo /*fim*/) {}
};

}  // namespace tarnel
