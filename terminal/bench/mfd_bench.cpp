// The dump's encoder (deflate with its parameters and sync flushes, then GOST) next to plain zlib
// at level 6 on the same bytes, and a whole LEITURA.MFD of a full detail memory.
// Run: build/bin/tarnel_mfd_bench
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "readings/arquivo_mfd.h"
#include "readings/chave_mfd.h"
#include "readings/secao_mfd.h"

namespace {

// Detail-memory-like bytes: pages of printed receipt lines with changing numbers.
std::string Fita(std::size_t tamanho) {
  std::string b;
  b.reserve(tamanho + 128);
  for (unsigned i = 0; b.size() < tamanho; ++i) {
    char linha[96];
    std::snprintf(linha, sizeof linha, "%03u %013u PRODUTO %05u   %3u UN X %7u,%02u   T%02u %9u,%02u\n", i % 1000,
                  789000000u + i * 7919u % 100000u, i * 31u % 99991u, 1 + i % 7, i * 13u % 9999u, i % 100,
                  i % 16, i * 977u % 999999u, (i * 7u) % 100);
    b += linha;
  }
  b.resize(tamanho);
  return b;
}

const std::string& Amostra() {
  static const std::string amostra = Fita(4u << 20);
  return amostra;
}

void ZlibNivel6(benchmark::State& state) {
  const std::string& claro = Amostra();
  std::string saida(compressBound(static_cast<uLong>(claro.size())), '\0');
  for (auto _ : state) {
    uLongf tamanho = static_cast<uLongf>(saida.size());
    compress2(reinterpret_cast<Bytef*>(saida.data()), &tamanho, reinterpret_cast<const Bytef*>(claro.data()),
              static_cast<uLong>(claro.size()), 6);
    benchmark::DoNotOptimize(tamanho);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * claro.size()));
}
BENCHMARK(ZlibNivel6)->Unit(benchmark::kMillisecond);

void CodificadorMFD(benchmark::State& state) {
  const std::string& claro = Amostra();
  const tarnel::Gost28147 cifra(tarnel::ChaveMFD());
  std::size_t gerados = 0;
  for (auto _ : state) {
    gerados = 0;
    tarnel::GravaSecaoMFD([&](const void*, std::size_t n) { return gerados += n, true; }, cifra, claro);
    benchmark::DoNotOptimize(gerados);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * claro.size()));
  state.counters["razao"] = static_cast<double>(gerados) / static_cast<double>(claro.size());
}
BENCHMARK(CodificadorMFD)->Unit(benchmark::kMillisecond);

// A full detail memory (8192 pages of 528 bytes, every one used) with a 1 MiB fiscal memory.
void DumpCompleto(benchmark::State& state) {
  tarnel::ImagensMFD imagens;
  imagens.secao_a.assign(8192, '\xFF');
  imagens.secao_b = Fita(1u << 20) + std::string(4, '\0');
  imagens.secoes_c = {Fita(8192u * 528u) + std::string(782, '\0')};
  const std::string caminho = (std::filesystem::temp_directory_path() / "tarnel_mfd_bench.MFD").string();
  tarnel::InteracaoSilenciosa interacao;
  const std::size_t total = imagens.secao_a.size() + imagens.secao_b.size() + imagens.secoes_c[0].size();
  for (auto _ : state) benchmark::DoNotOptimize(tarnel::GravaArquivoMFD(interacao, caminho, imagens));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * total));
  state.counters["arquivo_bytes"] = static_cast<double>(std::filesystem::file_size(caminho));
  std::filesystem::remove(caminho);
}
BENCHMARK(DumpCompleto)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
