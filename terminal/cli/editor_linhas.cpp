#include "editor_linhas.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "compat/cp1252.h"
#include "console.h"
#include "historico.h"

// libedit's readline-compatible interface.
#include <editline/readline.h>
#include <langinfo.h>

namespace tarnel::cli {

namespace {

// The completion callback is a plain function: it finds the shell's words here.
const std::vector<PalavraCompletavel>* palavras_completaveis = nullptr;

char* Copia(const std::string& texto) {
  char* copia = static_cast<char*>(std::malloc(texto.size() + 1));
  if (copia) std::memcpy(copia, texto.c_str(), texto.size() + 1);
  return copia;
}

// The editor's answer for Tab: first what replaces the word (the candidates' common beginning),
// then the candidates, then a null.
char** CompletaPalavra(const char*, int, int fim) {
  rl_attempted_completion_over = 1;  // never the editor's own file-name completion
  std::string antes;
  EntradaCp1252(std::string(rl_line_buffer, static_cast<std::size_t>(fim)), antes);  // completion takes "?" as it is
  const std::vector<std::string> candidatos = Completa(antes, *palavras_completaveis);
  if (candidatos.empty()) return nullptr;
  const std::string comum = InicioComum(candidatos);
  // A parameter or an indexed register goes on with its value or index, not with a blank.
  const char fim_nome = candidatos.front().back();
  rl_completion_append_character = candidatos.size() == 1 && (fim_nome == '=' || fim_nome == '[') ? '\0' : ' ';
  char** respostas = static_cast<char**>(std::calloc(candidatos.size() + 2, sizeof(char*)));
  if (!respostas) return nullptr;
  respostas[0] = Copia(compat::cp1252_to_utf8(comum));
  for (std::size_t i = 0; i < candidatos.size(); ++i) respostas[i + 1] = Copia(compat::cp1252_to_utf8(candidatos[i]));
  return respostas;
}

bool EhAscii(const char* codificacao) {
  return std::strcmp(codificacao, "ANSI_X3.4-1968") == 0 || std::strcmp(codificacao, "ASCII") == 0 ||
         std::strcmp(codificacao, "US-ASCII") == 0;
}

class EditorLinhas : public LeitorLinhas {
 public:
  EditorLinhas(const char* prompt, std::vector<PalavraCompletavel> palavras)
      : prompt_(prompt),
        palavras_(std::move(palavras)),
        historico_(CaminhoHistorico([](const char* nome) { return std::getenv(nome); })) {
    // Characters typed beyond ASCII are edited as the terminal's locale encodes them.
    const char* anterior = std::setlocale(LC_CTYPE, nullptr);
    if (anterior) locale_anterior_ = anterior;
    std::setlocale(LC_CTYPE, "");
    // Lines are read as UTF-8. In an ASCII locale (LANG=C) the editor dropped every byte beyond
    // ASCII, so "João" went to the printer as "Joo"; UTF-8 editing keeps them.
    if (EhAscii(nl_langinfo(CODESET))) std::setlocale(LC_CTYPE, "C.UTF-8");
    rl_readline_name = "tarnel";
    rl_basic_word_break_characters = " \t";
    rl_attempted_completion_function = CompletaPalavra;
    palavras_completaveis = &palavras_;
    using_history();
    stifle_history(static_cast<int>(kMaximoHistorico));
    for (const std::string& linha : historico_.Linhas()) add_history(linha.c_str());
  }

  ~EditorLinhas() override {
    rl_attempted_completion_function = nullptr;
    palavras_completaveis = nullptr;
    clear_history();
    if (!locale_anterior_.empty()) std::setlocale(LC_CTYPE, locale_anterior_.c_str());
  }

  bool Le(std::string& linha) override {
    char* lida = readline(prompt_);
    if (!lida) {
      std::fputs("\n", stdout);  // Ctrl+D leaves the cursor after the prompt
      return false;
    }
    linha = lida;
    std::free(lida);
    if (historico_.Acrescenta(linha)) add_history(linha.c_str());
    return true;
  }

 private:
  const char* const prompt_;
  std::vector<PalavraCompletavel> palavras_;
  Historico historico_;
  std::string locale_anterior_;
};

}  // namespace

std::unique_ptr<LeitorLinhas> CriaEditorLinhas(const char* prompt, std::vector<PalavraCompletavel> palavras_shell) {
  return std::make_unique<EditorLinhas>(prompt, std::move(palavras_shell));
}

}  // namespace tarnel::cli
