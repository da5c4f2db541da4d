#include "spreadsheet/macros_planilha.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>

#include "quorbal/arredondamento.h"
#include "quorbal/igual_sem_caixa.h"

namespace tarnel {
namespace {

constexpr const char* kNomeMaxItens = "MaxItensCupom";
constexpr const char* kNomeAreaCupom = "AreaDadosCupom";
constexpr const char* kNomesCalculados = "NomesCalculados";

double ComoNumero(const ValorPlanilha& valor) {
  if (const auto* d = std::get_if<double>(&valor)) return *d;
  if (const auto* i = std::get_if<std::int32_t>(&valor)) return *i;
  if (const auto* b = std::get_if<bool>(&valor)) return *b ? 1 : 0;
  const std::string& texto = std::get<std::string>(valor);
  double numero = 0;
  std::from_chars(texto.data(), texto.data() + texto.size(), numero);
  return numero;
}

std::string ComoTexto(const ValorPlanilha& valor) {
  if (const auto* texto = std::get_if<std::string>(&valor)) return *texto;
  if (const auto* i = std::get_if<std::int32_t>(&valor)) return std::to_string(*i);
  if (const auto* b = std::get_if<bool>(&valor)) return *b ? "1" : "0";
  char buffer[64];
  auto fim = std::to_chars(buffer, buffer + sizeof buffer, std::get<double>(valor)).ptr;
  return std::string(buffer, fim);
}

// x as mantissa * 10^-decimais from its shortest decimal form; false when it does not fit 64 bits.
// x is first taken as a spreadsheet shows it: an amount computed by a product (0,70 x 3 is
// 2,0999999999999996 in binary) is the decimal amount (2,1), not one cent less.
bool DecimalCurto(double x, std::int64_t& mantissa, int& decimais) {
  if (!std::isfinite(x)) return false;
  x = NumeroMostrado(x);
  char buffer[400];
  auto [fim, erro] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed);
  if (erro != std::errc()) return false;
  mantissa = 0;
  decimais = -1;
  bool negativo = false;
  for (const char* p = buffer; p != fim; ++p) {
    if (*p == '-') {
      negativo = true;
    } else if (*p == '.') {
      decimais = 0;
    } else {
      if (__builtin_mul_overflow(mantissa, 10, &mantissa) || __builtin_add_overflow(mantissa, *p - '0', &mantissa))
        return false;
      if (decimais >= 0) ++decimais;
    }
  }
  if (decimais < 0) decimais = 0;
  if (negativo) mantissa = -mantissa;
  return decimais <= 18;
}

template <bool (*Regra)(std::int64_t, std::int64_t, std::int64_t, std::int64_t&)>
double DuasCasas(double x) {
  std::int64_t mantissa = 0;
  int decimais = 0;
  if (!DecimalCurto(x, mantissa, decimais)) return x;
  std::int64_t divisor = 1;
  for (int i = 0; i < decimais; ++i) divisor *= 10;
  std::int64_t centavos = 0;
  if (!Regra(mantissa, 100, divisor, centavos)) return x;
  return static_cast<double>(centavos) / 100.0;
}

ResultadoMacro Resultado(ValorPlanilha valor) {
  ResultadoMacro resultado;
  resultado.executada = true;
  resultado.valor = std::move(valor);
  return resultado;
}

ResultadoMacro MaxItensCupom(PastaNomes& pasta) {
  ValorPlanilha valor;
  std::string erro;
  if (!pasta.LeCelula(kNomeMaxItens, 0, valor, erro)) {
    ResultadoMacro resultado = Resultado(std::int32_t{0});
    resultado.erro = erro.empty() ? std::string(kNomeMaxItens) + ": Não existe na planilha!" : erro;
    return resultado;
  }
  return Resultado(static_cast<std::int32_t>(ComoNumero(valor)));
}

// Whether the workbook lists base among the names its formulas compute.
bool NomeCalculado(PastaNomes& pasta, const std::string& base) {
  const int nomes = pasta.TamanhoNome(kNomesCalculados);
  for (int n = 0; n < nomes; ++n) {
    ValorPlanilha nome;
    std::string erro;
    if (pasta.LeCelula(kNomesCalculados, n, nome, erro) && quorbal::IgualSemCaixa(ComoTexto(nome), base)) return true;
  }
  return false;
}

ResultadoMacro DefineValor(PastaNomes& pasta, const std::vector<ValorPlanilha>& argumentos) {
  std::string base;
  int indice = 0;
  if (argumentos.size() < 2 || !SeparaNomeValor(ComoTexto(argumentos[0]), base, indice)) return Resultado(false);
  // A value the workbook computes keeps its formula: the X-reading capture writes every register,
  // and a number written over a formula would stay in the saved workbook for good.
  if (indice < pasta.TamanhoNome(base) && NomeCalculado(pasta, base)) return Resultado(true);
  return Resultado(pasta.EscreveCelula(base, indice, argumentos[1]));
}

ResultadoMacro ObtemValor(PastaNomes& pasta, EstadoMacros& estado, const std::vector<ValorPlanilha>& argumentos) {
  estado.ultima_leitura_encontrada = false;
  std::string base;
  int indice = 0;
  ValorPlanilha valor;
  std::string erro;
  if (argumentos.empty() || !SeparaNomeValor(ComoTexto(argumentos[0]), base, indice)) return Resultado(std::string());
  if (!pasta.LeCelula(base, indice, valor, erro)) {
    ResultadoMacro resultado = Resultado(std::string());
    resultado.erro = erro;
    return resultado;
  }
  estado.ultima_leitura_encontrada = true;
  return Resultado(std::move(valor));
}

ResultadoMacro LimpaAreaDadosCupom(PastaNomes& pasta) {
  const int nomes = pasta.TamanhoNome(kNomeAreaCupom);
  if (nomes < 0) return Resultado(false);
  bool limpou = true;
  for (int n = 0; n < nomes; ++n) {
    ValorPlanilha nome;
    std::string erro;
    if (!pasta.LeCelula(kNomeAreaCupom, n, nome, erro)) {
      limpou = false;
      continue;
    }
    const std::string texto = ComoTexto(nome);
    if (texto.empty()) continue;
    const int celulas = pasta.TamanhoNome(texto);
    if (celulas < 0) limpou = false;
    for (int i = 0; i < celulas; ++i) limpou = pasta.EscreveCelula(texto, i, std::string()) && limpou;
  }
  return Resultado(limpou);
}

}  // namespace

bool SeparaReferenciaMacro(const std::string& referencia, std::string& pasta, std::string& macro) {
  const auto fim_pasta = referencia.rfind("'!");
  if (referencia.size() < 3 || referencia[0] != '\'' || fim_pasta == std::string::npos || fim_pasta == 0) return false;
  pasta = referencia.substr(1, fim_pasta - 1);
  macro = referencia.substr(fim_pasta + 2);
  return !macro.empty();
}

bool SeparaNomeValor(const std::string& nome, std::string& base, int& indice) {
  const auto abre = nome.find('[');
  if (abre == std::string::npos) {
    base = nome;
    indice = 0;
    return !nome.empty();
  }
  if (abre == 0 || nome.size() < abre + 3 || nome.back() != ']') return false;
  base = nome.substr(0, abre);
  const char* inicio = nome.data() + abre + 1;
  const char* fim = nome.data() + nome.size() - 1;
  auto [parou, erro] = std::from_chars(inicio, fim, indice);
  return erro == std::errc() && parou == fim && indice >= 0;
}

double NumeroMostrado(double x) {
  if (!std::isfinite(x) || x == 0) return x;
  const int inteiros = std::fabs(x) < 1 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(x)))) + 1;
  const int casas = std::clamp(15 - inteiros, 4, 10);
  char buffer[400];
  auto [fim, erro] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, casas);
  double mostrado = x;
  if (erro == std::errc()) std::from_chars(buffer, fim, mostrado);
  return mostrado;
}

double ArredondaNBR5891(double x) { return DuasCasas<quorbal::MultiplicaDivideNBR5891>(x); }
double TruncaDuasCasas(double x) { return DuasCasas<quorbal::MultiplicaDivideTrunca>(x); }

ResultadoMacro ExecutaMacroPlanilha(PastaNomes& pasta, EstadoMacros& estado, const std::string& nome,
                                    const std::vector<ValorPlanilha>& argumentos) {
  using quorbal::IgualSemCaixa;
  if (IgualSemCaixa(nome, "MaxItensCupom")) return MaxItensCupom(pasta);
  if (IgualSemCaixa(nome, "DefineValor")) return DefineValor(pasta, argumentos);
  if (IgualSemCaixa(nome, "ObtemValor")) return ObtemValor(pasta, estado, argumentos);
  if (IgualSemCaixa(nome, "StatusLeitura")) return Resultado(estado.ultima_leitura_encontrada);
  if (IgualSemCaixa(nome, "LimpaAreaDadosCupom")) return LimpaAreaDadosCupom(pasta);
  if (IgualSemCaixa(nome, "NBR5891") && !argumentos.empty())
    return Resultado(ArredondaNBR5891(ComoNumero(argumentos[0])));
  if (IgualSemCaixa(nome, "Trunca") && !argumentos.empty()) return Resultado(TruncaDuasCasas(ComoNumero(argumentos[0])));
  return ResultadoMacro{};
}

}  // namespace tarnel
