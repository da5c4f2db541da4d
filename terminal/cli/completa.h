// Tab completion in the shell: what the word under the cursor can become, taken from quorbal's
// catalogue and register names and from the shell's own words.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarnel::cli {

// What a shell word takes as its argument, for completing it.
enum class ArgumentoPalavra { kNenhum, kComando, kRegistrador };

struct PalavraCompletavel {
  std::string nome;
  ArgumentoPalavra argumento = ArgumentoPalavra::kNenhum;
};

// The candidates for the last word of linha, the text before the cursor (Windows-1252): the first
// word becomes a command name or a shell word; after a catalogue command, a parameter name it has
// not been given yet, with its "="; after a shell word, the command or register it takes (an
// indexed register with its "["). Letter case is ignored; candidates are spelt as their table spells
// them, in its order. Nothing inside quotes, in a value or past a shell word's argument.
std::vector<std::string> Completa(std::string_view linha, const std::vector<PalavraCompletavel>& palavras_shell);

// What replaces the word for Tab: the candidates' longest common beginning, letter case ignored as
// Completa ignores it (spelt as the first candidate spells it), so it never falls short of the word
// typed. Empty for no candidates.
std::string InicioComum(const std::vector<std::string>& candidatos);

}  // namespace tarnel::cli
