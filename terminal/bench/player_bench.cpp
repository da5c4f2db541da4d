// Commands per second through the command-file player on the emulated printer: the real stand-in
// library loaded by Tarnel's loader, in a scratch folder, with the library's log on (as during a
// replay, when it writes the ".macro" file). Next to it the same commands through the execute path
// alone, without the player. build/bin/tarnel_player_bench
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bancada_emulada.h"
#include "driver/execucao.h"
#include "quorbal/catalogo.h"
#include "quorbal/comandos.h"
#include "scripts/processa_arquivo.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using quorbal::Comando;

struct Linha {
  Comando comando;
  std::string parametros;
};

// A coupon: open, five sales, payment, closing, the print data fetched.
std::vector<Linha> Cupom() {
  std::vector<Linha> linhas{{Comando::AbreCupomFiscal, ""}};
  for (int i = 0; i < 5; ++i)
    linhas.push_back({Comando::VendeItem,
                      "CodAliquota=\"0\" CodProduto=\"7891234567895\" NomeProduto=\"Produto de teste\" "
                      "PrecoUnitario=2,50 Quantidade=1"});
  linhas.push_back({Comando::PagaCupom, "NomeMeioPagamento=\"Dinheiro\" Valor=20"});
  linhas.push_back({Comando::EncerraDocumento, "TextoPromocional=\"Volte sempre\""});
  linhas.push_back({Comando::LeImpressao, ""});
  return linhas;
}

std::vector<Linha> Leituras(int total) {
  return std::vector<Linha>(total, Linha{Comando::LeInteiro, "NomeInteiro=\"COO\""});
}

class Bancada : public BancadaEmulada {
 public:
  Bancada() : BancadaEmulada("tarnel_player_bench") {
    frm_.ModuloDriver->SetaArquivoLog((pasta() / "Registro.RMT.macro").string());
  }

  // A command file of these lines, each followed by a reply line.
  std::string Arquivo(const std::vector<Linha>& linhas) {
    const std::string caminho = (pasta() / "Roteiro.RMT").string();
    std::ofstream saida(caminho, std::ios::binary);
    saida << "; Arquivo de Registro de Comandos\r\n";
    for (const Linha& l : linhas)
      saida << "09/12/2026 10:11:12.345 -> {0;" << quorbal::Descritor(l.comando).nome << ";" << l.parametros
            << ";}\r\n09/12/2026 10:11:12.346 <- {0;0;;}\r\n";
    return caminho;
  }

  FimArquivo Reproduz(const std::string& arquivo) {
    bool cancelamento = false;
    return ProcessaArquivoComandos(frm_, arquivo, OpcoesScript{}, cancelamento);
  }
};

// A file of register reads replayed whole: items per second are commands per second.
void PlayerLeituras(benchmark::State& estado) {
  Bancada bancada;
  const auto linhas = Leituras(static_cast<int>(estado.range(0)));
  const std::string arquivo = bancada.Arquivo(linhas);
  for (auto _ : estado)
    if (bancada.Reproduz(arquivo) != FimArquivo::Fim) estado.SkipWithError("the replay did not run to its end");
  estado.SetItemsProcessed(estado.iterations() * static_cast<std::int64_t>(linhas.size()));
}
BENCHMARK(PlayerLeituras)->Arg(200)->Unit(benchmark::kMillisecond);

// Ten coupons replayed whole (every command rewrites the printer's context).
void PlayerCupons(benchmark::State& estado) {
  Bancada bancada;
  std::vector<Linha> linhas;
  for (int i = 0; i < 10; ++i)
    for (const Linha& l : Cupom()) linhas.push_back(l);
  const std::string arquivo = bancada.Arquivo(linhas);
  for (auto _ : estado)
    if (bancada.Reproduz(arquivo) != FimArquivo::Fim) estado.SkipWithError("the replay did not run to its end");
  estado.SetItemsProcessed(estado.iterations() * static_cast<std::int64_t>(linhas.size()));
}
BENCHMARK(PlayerCupons)->Unit(benchmark::kMillisecond);

// The same register reads through the execute path alone: the cost the player adds is the difference.
void ExecucaoLeituras(benchmark::State& estado) {
  Bancada bancada;
  const auto linhas = Leituras(static_cast<int>(estado.range(0)));
  const int indice = quorbal::Posicao(Comando::LeInteiro);
  for (auto _ : estado) {
    for (std::size_t i = 0; i < linhas.size(); ++i) {
      bancada.frm().SelecionaComando(indice);
      bancada.frm().btLimpaParsClick();
      bancada.frm().DefineParametro(indice, "NomeInteiro", "COO");
      ExecutaComandoSelecionado(bancada.frm());
    }
  }
  estado.SetItemsProcessed(estado.iterations() * static_cast<std::int64_t>(linhas.size()));
}
BENCHMARK(ExecucaoLeituras)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnel

BENCHMARK_MAIN();
