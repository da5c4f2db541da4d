// Figures for the emulated printer's hot paths, driven through its commands as a host drives it:
// reading memory through the window (EnderecoSoftwareBasico + SoftwareBasico, the way a
// basic-software or cartridge dump reads it), single register reads, and a whole coupon. The
// argument is a number of coupons sold first: with a Z after them (a detail memory that has grown,
// an empty day) or without (those coupons are the day in progress).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "compat/clock.h"
#include "ecf/impressora.h"

namespace {

void AcertaRelogio(int dia) {
  compat::set_clock([dia] {
    compat::LocalTime t;
    t.year = 2024;
    t.month = 3;
    t.day = dia;
    t.hour = 10;
    t.weekday = compat::weekday_of(2024, 3, dia);
    return t;
  });
}

class Bancada {
 public:
  Bancada(int cupons, bool reduz) {
    AcertaRelogio(15);
    std::string modelo = (std::filesystem::temp_directory_path() / "ecf_benchXXXXXX").string();
    std::vector<char> nome(modelo.begin(), modelo.end());
    nome.push_back('\0');
    pasta_ = mkdtemp(nome.data());
    impressora_ = ecf::Impressora::Abre(pasta_, 0);
    for (int i = 0; i < cupons; ++i) Cupom();
    if (reduz) {
      Exec("EmiteReducaoZ", {});
      AcertaRelogio(16);
    }
  }
  ~Bancada() {
    compat::set_clock({});
    impressora_.reset();
    std::error_code erro;
    std::filesystem::remove_all(pasta_, erro);
  }

  ecf::Resposta Exec(const std::string& comando, std::vector<ecf::Item> parametros) {
    return impressora_->Executa(comando, parametros);
  }

  void Cupom() {
    Exec("AbreCupomFiscal", {});
    for (int i = 0; i < 5; ++i)
      Exec("VendeItem", {{"CodProduto", "7891234567895"}, {"NomeProduto", "Produto de teste"}, {"Quantidade", "1"},
                         {"PrecoUnitario", "2,50"}, {"CodAliquota", "0"}});
    Exec("PagaCupom", {{"NomeMeioPagamento", "Dinheiro"}, {"Valor", "20"}});
    Exec("EncerraDocumento", {{"TextoPromocional", "Volte sempre"}});
    // Print data nobody fetches would only be replaced by the next document.
    while (!Exec("LeImpressao", {}).retornos.at(0).valor.empty()) {
    }
  }

  // Reads `quantidade` bytes from `endereco` on, as the terminal's memory reader does.
  std::size_t LeMemoria(std::uint32_t endereco, std::size_t quantidade) {
    std::size_t lidos = 0;
    Exec("EscreveInteiro", {{"NomeInteiro", "EnderecoSoftwareBasico"}, {"ValorInteiro", std::to_string(endereco)}});
    while (lidos < quantidade) {
      const ecf::Resposta r = Exec("LeTexto", {{"NomeTexto", "SoftwareBasico"}});
      if (r.codigo_erro != 0 || r.retornos.empty() || r.retornos[0].valor.empty()) break;
      const std::size_t n = r.retornos[0].valor.size() / 2;
      lidos += n;
      endereco += static_cast<std::uint32_t>(n);
      Exec("EscreveInteiro", {{"NomeInteiro", "EnderecoSoftwareBasico"}, {"ValorInteiro", std::to_string(endereco)}});
    }
    return lidos;
  }

 private:
  std::string pasta_;
  std::unique_ptr<ecf::Impressora> impressora_;
};

// 64 KiB of basic software through the window, with a detail memory of that many coupons.
void LeSoftwareBasico64KiB(benchmark::State& estado) {
  Bancada bancada(static_cast<int>(estado.range(0)), true);
  for (auto _ : estado) benchmark::DoNotOptimize(bancada.LeMemoria(0, 64 * 1024));
  estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations()) * 64 * 1024);
}
BENCHMARK(LeSoftwareBasico64KiB)->Arg(0)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same with those coupons still the day in progress.
void LeSoftwareBasico64KiBDiaAberto(benchmark::State& estado) {
  Bancada bancada(static_cast<int>(estado.range(0)), false);
  for (auto _ : estado) benchmark::DoNotOptimize(bancada.LeMemoria(0, 64 * 1024));
  estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations()) * 64 * 1024);
}
BENCHMARK(LeSoftwareBasico64KiBDiaAberto)->Arg(300)->Unit(benchmark::kMillisecond);

// The first 64 KiB of the detail-memory pages of the cartridge through the window.
void LePaginasMFD64KiB(benchmark::State& estado) {
  Bancada bancada(static_cast<int>(estado.range(0)), true);
  for (auto _ : estado) benchmark::DoNotOptimize(bancada.LeMemoria(0x30000000u, 64 * 1024));
  estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations()) * 64 * 1024);
}
BENCHMARK(LePaginasMFD64KiB)->Arg(300)->Unit(benchmark::kMillisecond);

// One register read, the register reader's unit of work, with the day's coupons in progress.
void LeRegistrador(benchmark::State& estado) {
  Bancada bancada(static_cast<int>(estado.range(0)), false);
  for (auto _ : estado) benchmark::DoNotOptimize(bancada.Exec("LeInteiro", {{"NomeInteiro", "COO"}}));
}
BENCHMARK(LeRegistrador)->Arg(0)->Arg(300)->Unit(benchmark::kMicrosecond);

// A whole coupon (open, five sales, payment, closing, print data fetched): every command rewrites
// the context, whose size grows with the detail memory.
void CupomCompleto(benchmark::State& estado) {
  Bancada bancada(static_cast<int>(estado.range(0)), true);
  for (auto _ : estado) bancada.Cupom();
}
BENCHMARK(CupomCompleto)->Arg(0)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
