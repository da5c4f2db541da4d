// The shell's history between runs: the lines typed at a terminal, kept in a text file in the
// user's state folder, one a line, oldest first, as typed (UTF-8).
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tarnel::cli {

// How many lines are kept.
constexpr std::size_t kMaximoHistorico = 1000;

// Where the history is kept: $XDG_STATE_HOME/tarnel_historico or, when that variable is unset, empty,
// relative or names a folder Windows-1252 text cannot, $HOME/.tarnel_historico; "" when HOME is no
// better (no history then). variavel reads an environment variable, nullptr when unset.
std::string CaminhoHistorico(const std::function<const char*(const char*)>& variavel);

class Historico {
 public:
  // Reads the file's last kMaximoHistorico lines (none when there is no file); a longer file is
  // rewritten with only those.
  explicit Historico(std::string caminho);

  const std::vector<std::string>& Linhas() const { return linhas_; }

  // Keeps a typed line, in memory and at once at the end of the file (a session that is killed keeps
  // what was typed), making the file's folder when it is missing. Blank lines, a repeat of the previous line and a line with a line end in it are
  // not kept: false then; true when it was kept, even when the file could not be written (the session
  // goes on without it).
  bool Acrescenta(const std::string& linha);

 private:
  std::string caminho_;
  std::vector<std::string> linhas_;
};

}  // namespace tarnel::cli
