#include "scripts/lista_parametros.h"

#include <string>

#include "quorbal/catalogo.h"

namespace tarnel {

const char kNomeErroSintaxeParametro[] = "ErroProtParamSintaxe";
const char kCircunstanciaErroSintaxeParametro[] = "ao decodificar parametros do comando faltou sinal de '='";

namespace {

bool EhEspaco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool TerminaValor(char c) { return c == ' ' || c == '\t' || c == ';' || c == '}'; }

// Index of the double quote closing the one at abertura (a backslash takes the next character
// along), or npos.
std::size_t FechoAspas(std::string_view texto, std::size_t abertura) {
  for (std::size_t i = abertura + 1; i < texto.size(); ++i) {
    if (texto[i] == '\\')
      ++i;
    else if (texto[i] == '"')
      return i;
  }
  return std::string_view::npos;
}

// The quoted text without its quotes and escapes, through the record reader.
bool TiraAspas(std::string_view entre_aspas, std::string& valor) {
  std::vector<quorbal::Item> lido;
  quorbal::ErroLeitura erro;
  if (!quorbal::LeItens("v=" + std::string(entre_aspas), lido, erro) || lido.size() != 1) return false;
  valor = std::move(lido[0].valor);
  return true;
}

}  // namespace

bool LeListaParametros(std::string_view texto, std::vector<quorbal::Item>& itens) {
  std::size_t i = 0;
  const auto pula_espacos = [&] {
    while (i < texto.size() && EhEspaco(texto[i])) ++i;
  };
  for (;;) {
    if (i >= texto.size() || texto[i] == ';' || texto[i] == '}') return true;
    pula_espacos();
    if (i >= texto.size() || !quorbal::CaractereDeNome(texto[i])) return true;
    quorbal::Item item;
    for (; i < texto.size() && quorbal::CaractereDeNome(texto[i]); ++i)
      if (item.nome.size() < quorbal::kTamanhoNomeSignificativo) item.nome.push_back(texto[i]);
    pula_espacos();
    if (i >= texto.size() || texto[i] != '=') return false;
    ++i;
    pula_espacos();
    if (i < texto.size() && (texto[i] == '"' || texto[i] == '#')) {
      const bool aspas = texto[i] == '"';
      const std::size_t fecho = aspas ? FechoAspas(texto, i) : texto.find('#', i + 1);
      if (fecho == std::string_view::npos) return true;  // left open: the item is not taken
      if (aspas) {
        if (!TiraAspas(texto.substr(i, fecho - i + 1), item.valor)) return true;
      } else {
        item.valor.assign(texto.substr(i + 1, fecho - i - 1));
      }
      i = fecho + 1;
      while (i < texto.size() && !TerminaValor(texto[i])) ++i;
    } else {
      const std::size_t inicio = i;
      while (i < texto.size() && !TerminaValor(texto[i])) ++i;
      item.valor.assign(texto.substr(inicio, i - inicio));
    }
    itens.push_back(std::move(item));
  }
}

}  // namespace tarnel
