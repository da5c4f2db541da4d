// The emulated printer at a shop's scale: a sale, a command that saves nothing, opening the printer
// (as tarnel-cli exec does: open, one register read) and a whole detail-memory reading to the host,
// each with 0, 1,000 and 10,000 coupons in the detail memory. The coupons are sold 250 a day with a
// Z at the end of each day, so the day in progress is empty and only the memories have grown; the
// detail memory is made large enough for them (ECF_CAPACIDADE_MFD). A printer is filled once per
// size and each benchmark works on a copy of its folder.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "compat/clock.h"
#include "ecf/impressora.h"

namespace {

namespace fs = std::filesystem;

constexpr int kCuponsPorDia = 250;

// The fixed clock at 10:00 of the n-th day from 1 March 2024.
void Dia(int n) {
  static const int kDiasNoMes[] = {31, 30, 31, 30, 31, 31, 30, 31, 30, 31};  // March to December
  int mes = 0;
  while (n >= kDiasNoMes[mes]) n -= kDiasNoMes[mes++];
  const int dia = n + 1;
  compat::set_clock([mes, dia] {
    compat::LocalTime t;
    t.year = 2024;
    t.month = 3 + mes;
    t.day = dia;
    t.hour = 10;
    t.weekday = compat::weekday_of(2024, 3 + mes, dia);
    return t;
  });
}

std::string PastaNova() {
  std::string modelo = (fs::temp_directory_path() / "ecf_escalaXXXXXX").string();
  return mkdtemp(modelo.data()) ? modelo : std::string();
}

ecf::Resposta Exec(ecf::Impressora& impressora, const std::string& comando, std::vector<ecf::Item> parametros = {}) {
  return impressora.Executa(comando, parametros);
}

// Everything LeImpressao hands out; answers how many bytes.
std::size_t BuscaImpressao(ecf::Impressora& impressora) {
  std::size_t total = 0;
  for (;;) {
    const ecf::Resposta r = Exec(impressora, "LeImpressao");
    if (r.codigo_erro != 0 || r.retornos.empty() || r.retornos[0].valor.empty()) return total;
    total += r.retornos[0].valor.size();
  }
}

const std::vector<ecf::Item> kItem = {{"CodProduto", "7891234567895"}, {"NomeProduto", "Produto de teste"},
                                      {"Quantidade", "1"}, {"PrecoUnitario", "2,50"}, {"CodAliquota", "0"}};

void Cupom(ecf::Impressora& impressora) {
  Exec(impressora, "AbreCupomFiscal");
  Exec(impressora, "VendeItem", kItem);
  Exec(impressora, "PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "5"}});
  Exec(impressora, "EncerraDocumento", {{"TextoPromocional", "Volte sempre"}});
  BuscaImpressao(impressora);
}

// A folder whose printer sold `cupons` coupons; the clock is left on the day after the last Z.
struct Modelo {
  std::string pasta;
  int proximo_dia = 0;
};

// The filled folders, removed when the program ends.
struct Modelos : std::map<int, Modelo> {
  ~Modelos() {
    std::error_code erro;
    for (const auto& m : *this) fs::remove_all(m.second.pasta, erro);
  }
};

const Modelo& ModeloCom(int cupons) {
  static Modelos modelos;
  auto achado = modelos.find(cupons);
  if (achado != modelos.end()) return achado->second;
  Modelo m;
  m.pasta = PastaNova();
  setenv("ECF_CAPACIDADE_MFD", "64M", 1);
  Dia(0);
  auto impressora = ecf::Impressora::Abre(m.pasta, 0);
  for (int i = 0; i < cupons; ++i) {
    Cupom(*impressora);
    if ((i + 1) % kCuponsPorDia == 0 || i + 1 == cupons) {
      Exec(*impressora, "EmiteReducaoZ");
      BuscaImpressao(*impressora);
      Dia(++m.proximo_dia);
    }
  }
  return modelos.emplace(cupons, m).first->second;
}

// A copy of the model's folder, removed at the end.
class Copia {
 public:
  explicit Copia(int cupons) : pasta_(PastaNova()) {
    const Modelo& m = ModeloCom(cupons);
    fs::copy(m.pasta, pasta_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    Dia(m.proximo_dia);
  }
  ~Copia() {
    std::error_code erro;
    fs::remove_all(pasta_, erro);
  }
  const std::string& pasta() const { return pasta_; }

 private:
  std::string pasta_;
};

void VendeItem(benchmark::State& estado) {
  Copia copia(static_cast<int>(estado.range(0)));
  auto impressora = ecf::Impressora::Abre(copia.pasta(), 0);
  Exec(*impressora, "AbreCupomFiscal");
  int itens = 0;
  for (auto _ : estado) {
    benchmark::DoNotOptimize(Exec(*impressora, "VendeItem", kItem));
    if (++itens % 100 == 0) {
      // A coupon holds so many items; the next one starts off the clock.
      estado.PauseTiming();
      Exec(*impressora, "CancelaCupom");
      BuscaImpressao(*impressora);
      Exec(*impressora, "AbreCupomFiscal");
      estado.ResumeTiming();
    }
  }
}

void AbreGaveta(benchmark::State& estado) {
  Copia copia(static_cast<int>(estado.range(0)));
  auto impressora = ecf::Impressora::Abre(copia.pasta(), 0);
  for (auto _ : estado) benchmark::DoNotOptimize(Exec(*impressora, "AbreGaveta"));
}

void AbreImpressora(benchmark::State& estado) {
  Copia copia(static_cast<int>(estado.range(0)));
  for (auto _ : estado) {
    auto impressora = ecf::Impressora::Abre(copia.pasta(), 0);
    benchmark::DoNotOptimize(Exec(*impressora, "LeInteiro", {{"NomeInteiro", "COO"}}));
  }
}

void LeituraMFDAoHost(benchmark::State& estado) {
  Copia copia(static_cast<int>(estado.range(0)));
  auto impressora = ecf::Impressora::Abre(copia.pasta(), 0);
  std::size_t bytes = 0;
  for (auto _ : estado) {
    Exec(*impressora, "EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", "1"}, {"COOFinal", "999999"}});
    bytes += BuscaImpressao(*impressora);
  }
  estado.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

// One LeImpressao piece of that reading: the same cost whatever the memory's size.
void PedacoDaLeitura(benchmark::State& estado) {
  Copia copia(static_cast<int>(estado.range(0)));
  auto impressora = ecf::Impressora::Abre(copia.pasta(), 0);
  Exec(*impressora, "EmiteLeituraFitaDetalhe", {{"Destino", "S"}, {"COOInicial", "1"}, {"COOFinal", "999999"}});
  for (auto _ : estado) benchmark::DoNotOptimize(Exec(*impressora, "LeImpressao"));
}

BENCHMARK(VendeItem)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(AbreGaveta)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(AbreImpressora)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(LeituraMFDAoHost)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
// Fewer pieces than the smallest of those readings has, so every one is a piece of text.
BENCHMARK(PedacoDaLeitura)->Arg(1000)->Arg(10000)->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
