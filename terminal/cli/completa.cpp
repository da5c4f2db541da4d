#include "completa.h"

#include <cctype>
#include <cstring>

#include "palavras.h"
#include "quorbal/catalogo.h"
#include "quorbal/igual_sem_caixa.h"
#include "quorbal/registradores.h"

namespace tarnel::cli {

namespace {

void Junta(std::vector<std::string>& candidatos, std::string_view prefixo, const char* nome,
           const char* sufixo = "") {
  if (quorbal::ComecaSemCaixa(nome, prefixo)) candidatos.push_back(std::string(nome) + sufixo);
}

std::vector<std::string> NomesComandos(std::string_view prefixo) {
  std::vector<std::string> candidatos;
  for (const quorbal::DescritorComando& comando : quorbal::kCatalogo) Junta(candidatos, prefixo, comando.nome);
  return candidatos;
}

std::vector<std::string> NomesRegistradores(std::string_view prefixo) {
  std::vector<std::string> candidatos;
  for (int i = 0; i < quorbal::kTotalRegistradores; ++i)
    Junta(candidatos, prefixo, quorbal::kNomesRegistradores[i],
          quorbal::Indexado(static_cast<quorbal::Registrador>(i)) ? "[" : "");
  return candidatos;
}

// The parameters of the command not yet named among dados (the words already typed after it).
std::vector<std::string> NomesParametros(int comando, const std::vector<std::string>& dados,
                                         std::string_view prefixo) {
  const quorbal::DescritorComando& descritor = quorbal::kCatalogo[comando];
  std::vector<std::string> candidatos;
  for (std::uint32_t i = 0; i < descritor.total_parametros; ++i) {
    const char* nome = descritor.parametros[i].nome;
    bool dado = false;
    for (const std::string& palavra : dados)
      dado = dado || (palavra.size() > std::strlen(nome) && palavra.compare(0, std::strlen(nome), nome) == 0 &&
                      palavra[std::strlen(nome)] == '=');
    if (!dado) Junta(candidatos, prefixo, nome, "=");
  }
  return candidatos;
}

}  // namespace

std::vector<std::string> Completa(std::string_view linha, const std::vector<PalavraCompletavel>& palavras_shell) {
  std::vector<std::string> palavras;
  std::string erro;
  // Inside quotes, or just after them, the word is a value.
  if (!SeparaPalavras(std::string(linha), palavras, erro) || (!linha.empty() && linha.back() == '"')) return {};
  std::string atual;
  if (!linha.empty() && linha.back() != ' ' && linha.back() != '\t') {
    atual = palavras.back();
    palavras.pop_back();
  }
  if (palavras.empty()) {
    std::vector<std::string> candidatos = NomesComandos(atual);
    for (const PalavraCompletavel& palavra : palavras_shell) Junta(candidatos, atual, palavra.nome.c_str());
    return candidatos;
  }
  if (atual.find('=') != std::string::npos) return {};
  for (const PalavraCompletavel& palavra : palavras_shell) {
    if (!quorbal::IgualSemCaixa(palavras[0], palavra.nome)) continue;
    if (palavras.size() > 1) return {};
    switch (palavra.argumento) {
      case ArgumentoPalavra::kComando: return NomesComandos(atual);
      case ArgumentoPalavra::kRegistrador: return NomesRegistradores(atual);
      case ArgumentoPalavra::kNenhum: return {};
    }
  }
  const int comando = quorbal::ProcuraComando(palavras[0]);
  if (comando < 0) return {};
  return NomesParametros(comando, std::vector<std::string>(palavras.begin() + 1, palavras.end()), atual);
}

std::string InicioComum(const std::vector<std::string>& candidatos) {
  if (candidatos.empty()) return {};
  std::size_t n = candidatos.front().size();
  for (const std::string& candidato : candidatos)
    for (std::size_t i = 0; i < n; ++i)
      if (i >= candidato.size() || std::tolower(static_cast<unsigned char>(candidato[i])) !=
                                       std::tolower(static_cast<unsigned char>(candidatos.front()[i]))) {
        n = i;
        break;
      }
  return candidatos.front().substr(0, n);
}

}  // namespace tarnel::cli
