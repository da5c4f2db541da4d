#include "impressao/extenso.h"

#include <vector>

namespace ecf::impressao {

namespace {

const char* const kUnidades[] = {"",         "um",      "dois",      "três",      "quatro",   "cinco",
                                 "seis",     "sete",    "oito",      "nove",      "dez",      "onze",
                                 "doze",     "treze",   "quatorze",  "quinze",    "dezesseis", "dezessete",
                                 "dezoito",  "dezenove"};
const char* const kDezenas[] = {"", "", "vinte", "trinta", "quarenta", "cinquenta", "sessenta", "setenta", "oitenta",
                                "noventa"};
const char* const kCentenas[] = {"",           "cento",      "duzentos",   "trezentos", "quatrocentos",
                                 "quinhentos", "seiscentos", "setecentos", "oitocentos", "novecentos"};

// 1 to 999.
std::string Grupo(unsigned n) {
  if (n == 100) return "cem";
  std::string texto = kCentenas[n / 100];
  const unsigned resto = n % 100;
  if (resto == 0) return texto;
  if (!texto.empty()) texto += " e ";
  if (resto < 20) return texto + kUnidades[resto];
  texto += kDezenas[resto / 10];
  if (resto % 10 != 0) texto += std::string(" e ") + kUnidades[resto % 10];
  return texto;
}

// A whole number in words; the groups join with "e" before a last group below one hundred or of
// whole hundreds ("mil e duzentos", "dois mil e um", "mil duzentos e trinta").
std::string Inteiro(std::uint64_t n) {
  // Up to the quadrillions: the largest amount the printer holds is 92 233 720 368 547 758,07.
  static const char* const kSingular[] = {"", "mil", "milhão", "bilhão", "trilhão", "quatrilhão"};
  static const char* const kPlural[] = {"", "mil", "milhões", "bilhões", "trilhões", "quatrilhões"};
  std::vector<std::string> partes;
  unsigned ultimo = 0;  // the last group written
  for (int escala = 5; escala >= 0; --escala) {
    std::uint64_t divisor = 1;
    for (int i = 0; i < escala; ++i) divisor *= 1000;
    const auto grupo = static_cast<unsigned>(n / divisor % 1000);
    if (grupo == 0) continue;
    std::string parte = escala == 1 && grupo == 1 ? std::string() : Grupo(grupo);
    if (escala > 0) parte += std::string(parte.empty() ? "" : " ") + (grupo == 1 ? kSingular[escala] : kPlural[escala]);
    partes.push_back(parte);
    ultimo = grupo;
  }
  std::string texto;
  for (std::size_t i = 0; i < partes.size(); ++i) {
    if (i > 0) texto += i + 1 == partes.size() && ultimo != 0 && (ultimo < 100 || ultimo % 100 == 0) ? " e " : " ";
    texto += partes[i];
  }
  return texto;
}

std::string Minusculas(std::string texto) {
  for (char& c : texto)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return texto;
}

}  // namespace

std::string ValorPorExtenso(std::int64_t centavos, const std::string& moeda_singular, const std::string& moeda_plural) {
  if (centavos <= 0) return {};
  const auto inteiro = static_cast<std::uint64_t>(centavos / 100);
  const auto fracao = static_cast<unsigned>(centavos % 100);
  std::string texto;
  if (inteiro > 0) {
    texto = Inteiro(inteiro);
    // "um milhão de reais", but "um milhão e cem reais".
    if (inteiro >= 1000000 && inteiro % 1000000 == 0) texto += " de";
    texto += " " + Minusculas(inteiro == 1 ? moeda_singular : moeda_plural);
  }
  if (fracao > 0) {
    if (!texto.empty()) texto += " e ";
    texto += Grupo(fracao) + (fracao == 1 ? " centavo" : " centavos");
  }
  return texto;
}

std::string DataPorExtenso(std::int32_t data) {
  static const char* const kMeses[] = {"janeiro", "fevereiro", "março",    "abril",   "maio",     "junho",
                                       "julho",   "agosto",    "setembro", "outubro", "novembro", "dezembro"};
  const int mes = data / 100 % 100;
  if (mes < 1 || mes > 12) return {};
  return std::to_string(data % 100) + " de " + kMeses[mes - 1] + " de " + std::to_string(data / 10000);
}

}  // namespace ecf::impressao
