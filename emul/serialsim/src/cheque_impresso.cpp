#include "cheque_impresso.h"

namespace serialsim {
namespace {

// A position key: its numbers' widths, one digit each ("3211": three digits, two, one, one); or
// a text field of the given width (larguras null).
struct Item {
  const char* nome;
  int deslocamento;
  const char* larguras;
  int largura_texto;
};

constexpr Item kLonga34[] = {
    {"Valor", 4, "3211", 0},      {"Extenso", 11, "323211", 0}, {"Favorecido", 23, "3211", 0},
    {"Cidade", 30, "3211", 0},    {"Mensagem", 37, "3211", 0},  {"Data", 44, "333", 0},
    {"eSpacamento", 185, "3", 0}, {"texto 1", 53, nullptr, 14}, {"texto 2", 67, nullptr, 30},
    {"texto 3", 97, nullptr, 20}, {"texto 4", 117, nullptr, 30}, {"texto 5", 147, nullptr, 6},
    {"texto 6", 153, nullptr, 15}, {"texto 7", 168, nullptr, 17},
};

constexpr Item kCurta34[] = {
    {"Valor", 4, "22", 0},        {"Extenso", 8, "2222", 0},    {"Favorecido", 16, "22", 0},
    {"Cidade", 20, "22", 0},      {"Mensagem", 24, "22", 0},    {"Data", 28, "222", 0},
    {"eSpacamento", 166, "3", 0}, {"texto 1", 34, nullptr, 14}, {"texto 2", 48, nullptr, 30},
    {"texto 3", 78, nullptr, 20}, {"texto 4", 98, nullptr, 30}, {"texto 5", 128, nullptr, 6},
    {"texto 6", 134, nullptr, 15}, {"texto 7", 149, nullptr, 17},
};

constexpr Item k58[] = {
    {"Valor", 4, "3211", 0},        {"Extenso", 11, "323211", 0},   {"Favorecido", 23, "3211", 0},
    {"Cidade", 30, "3211", 0},      {"Mensagem", 37, "3211", 0},    {"Mensagem2", 44, "3211", 0},
    {"Mensagem3", 51, "3211", 0},   {"Data", 58, "333", 0},         {"eSpacamento", 259, "3", 0},
    {"ColBanco", 345, "3", 0},      {"ColConta", 358, "3", 0},      {"texto 1", 67, nullptr, 14},
    {"texto 2", 81, nullptr, 30},   {"texto 3", 111, nullptr, 20},  {"texto 4", 131, nullptr, 30},
    {"texto 5", 161, nullptr, 40},  {"texto 6", 201, nullptr, 20},  {"texto 7", 221, nullptr, 6},
    {"texto 8", 227, nullptr, 15},  {"texto 9", 242, nullptr, 17},  {"texto 11", 263, nullptr, 20},
    {"texto 12", 283, nullptr, 50}, {"texto 13", 333, nullptr, 8},  {"texto 14", 341, nullptr, 4},
    {"texto 15", 348, nullptr, 10},
};

std::string SemBrancosNasPontas(const std::string& texto) {
  const std::size_t inicio = texto.find_first_not_of(' ');
  if (inicio == std::string::npos) return "";
  return texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);
}

template <std::size_t N>
std::string Descreve(const std::string& quadro, const Item (&itens)[N]) {
  std::string texto = "cheque " + quadro.substr(2, 2) + " (" + std::to_string(quadro.size()) + " bytes)\n";
  for (const Item& item : itens) {
    texto += "  ";
    texto += item.nome;
    if (item.larguras == nullptr) {
      texto += " \"" + SemBrancosNasPontas(quadro.substr(static_cast<std::size_t>(item.deslocamento),
                                                         static_cast<std::size_t>(item.largura_texto))) + "\"\n";
      continue;
    }
    std::size_t posicao = static_cast<std::size_t>(item.deslocamento);
    for (const char* largura = item.larguras; *largura != '\0'; ++largura) {
      const std::size_t n = static_cast<std::size_t>(*largura - '0');
      texto += largura == item.larguras ? " " : ",";
      texto += quadro.substr(posicao, n);
      posicao += n;
    }
    texto += "\n";
  }
  return texto;
}

}  // namespace

bool DescreveCheque(const std::string& quadro, std::string& descricao) {
  if (quadro.size() < 4) return false;
  const std::string numero = quadro.substr(2, 2);
  if (numero == "34" && quadro.size() == 189) {
    descricao = Descreve(quadro, kLonga34);
  } else if (numero == "34" && quadro.size() == 169) {
    descricao = Descreve(quadro, kCurta34);
  } else if (numero == "58" && quadro.size() == 361) {
    descricao = Descreve(quadro, k58);
  } else {
    return false;
  }
  return true;
}

}  // namespace serialsim
