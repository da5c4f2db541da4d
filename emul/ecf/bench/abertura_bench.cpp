// Opening a fresh emulated printer, as a fuzz target or a test does for every input: an empty
// folder, the printer opened there, one register read, the printer closed. Measured in a new
// process each time (a child per iteration), where whatever the printer makes once per process is
// paid again, and in a process that has opened printers before. The figures are processor time:
// the machine may be busy with other work.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "ecf/impressora.h"

namespace {

namespace fs = std::filesystem;

// Opens a printer in a new folder, reads one register, removes the folder; false on any failure.
bool AbreImpressoraNova() {
  std::string pasta = (fs::temp_directory_path() / "ecf_aberturaXXXXXX").string();
  if (mkdtemp(pasta.data()) == nullptr) return false;
  bool ok = false;
  {
    auto impressora = ecf::Impressora::Abre(pasta, 0);
    ok = impressora && impressora->Executa("LeInteiro", {{"NomeInteiro", "COO"}}).codigo_erro == 0;
  }
  std::error_code erro;
  fs::remove_all(pasta, erro);
  return ok;
}

double TempoDeProcessador() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// The processor time a child process spends on trabalho, measured by the child itself, so that
// neither the fork nor a busy machine counts; negative when the child failed.
template <typename Trabalho>
double TempoDoFilho(Trabalho trabalho) {
  int tubo[2];
  if (pipe(tubo) != 0) return -1;
  const pid_t filho = fork();
  if (filho == 0) {
    const double inicio = TempoDeProcessador();
    const double gasto = trabalho() ? TempoDeProcessador() - inicio : -1;
    _exit(write(tubo[1], &gasto, sizeof gasto) == sizeof gasto ? 0 : 1);
  }
  close(tubo[1]);
  double gasto = -1;
  int situacao = 0;
  if (filho < 0 || read(tubo[0], &gasto, sizeof gasto) != sizeof gasto) gasto = -1;
  close(tubo[0]);
  if (filho > 0 && (waitpid(filho, &situacao, 0) != filho || !WIFEXITED(situacao) || WEXITSTATUS(situacao) != 0))
    gasto = -1;
  return gasto;
}

// Each iteration's time is the processor time a child spends opening a printer.
void MedeEmProcessosNovos(benchmark::State& estado) {
  for (auto _ : estado) {
    const double segundos = TempoDoFilho(AbreImpressoraNova);
    if (segundos < 0) estado.SkipWithError("a impressora não abriu no processo filho");
    estado.SetIterationTime(segundos < 0 ? 0 : segundos);
  }
}

// Registered first: a child inherits what its parent has made, so the parent opens no printer
// before this has run.
void AberturaEmProcessoNovo(benchmark::State& estado) { MedeEmProcessosNovos(estado); }
BENCHMARK(AberturaEmProcessoNovo)->UseManualTime()->Unit(benchmark::kMillisecond);

// The figure above when the printer has been opened in this process first (the child inherits what
// the parent made): the difference is what the printer makes once per process.
void AberturaEmProcessoNovoAposOutra(benchmark::State& estado) {
  AbreImpressoraNova();
  MedeEmProcessosNovos(estado);
}
BENCHMARK(AberturaEmProcessoNovoAposOutra)->UseManualTime()->Unit(benchmark::kMillisecond);

// Processor time in this process (the CPU column).
void AberturaNoMesmoProcesso(benchmark::State& estado) {
  AbreImpressoraNova();  // what is made once per process is made before timing
  for (auto _ : estado)
    if (!AbreImpressoraNova()) estado.SkipWithError("a impressora não abriu");
}
BENCHMARK(AberturaNoMesmoProcesso)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
