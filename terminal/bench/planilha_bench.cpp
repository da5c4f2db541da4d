// The workbook cross-check on the emulated printer and the embedded engine with the example
// workbook: a whole X-reading check (219 register reads and workbook comparisons), and one sale
// mirrored into the workbook next to the same sale without the link. build/bin/tarnel_planilha_bench
#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "bench/bancada_emulada.h"
#include "driver/execucao.h"
#include "quorbal/comandos.h"
#include "spreadsheet/escolha_motor.h"
#include "spreadsheet/leitura_x_planilha.h"
#include "spreadsheet/liga_planilha.h"
#include "spreadsheet/ligacao_planilha.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using quorbal::Comando;
using Campos = std::vector<std::pair<std::string, std::string>>;

class Bancada : public BancadaEmulada {
 public:
  explicit Bancada(bool com_planilha) : BancadaEmulada("tarnel_planilha_bench") {
    std::filesystem::copy_file(PLANILHA_ECF, "PlanilhaECF.xls");
    LigaPlanilha(frm_, EscolheMotorPlanilha("embutido"));
    if (com_planilha) ConexaoExcel(frm_);
    if (com_planilha && !frm_.PlanilhaConectada) throw std::runtime_error("the workbook did not open");
  }
  ~Bancada() { frm_.Planilha.reset(); }  // saved and closed before its folder goes

  bool Executa(Comando comando, const Campos& campos) {
    const int indice = quorbal::Posicao(comando);
    frm_.SelecionaComando(indice);
    frm_.LimpaCampos(indice);
    for (const auto& [nome, texto] : campos) frm_.DefineParametro(indice, nome, texto);
    return ExecutaComandoSelecionado(frm_) && frm_.CodigoErro == 0;
  }
  // One coupon: open, one sale, cash, close. The sale is the command measured.
  bool Venda() {
    return Executa(Comando::VendeItem, {{"CodAliquota", "0"}, {"CodProduto", "1"}, {"NomeProduto", "Arroz"},
                                        {"PrecoUnitario", "2,50"}, {"Quantidade", "1"}});
  }
  bool AbreCupom() { return Executa(Comando::AbreCupomFiscal, {}); }
  bool FechaCupom() {
    return Executa(Comando::PagaCupom, {{"CodMeioPagamento", "0"}, {"Valor", "2,50"}}) &&
           Executa(Comando::EncerraDocumento, {});
  }
};

// The whole check: 219 registers read from the printer, each compared with the workbook's figure.
void ConfereLeituraX(benchmark::State& estado) {
  Bancada bancada(true);
  for (auto _ : estado) ConfereLeituraXExecute(bancada.frm());
  // A check that read nothing would be fast for nothing: every register must have been compared.
  for (const std::string& linha : Ligacao(bancada.frm()).Erros.lbErros)
    if (linha.find("Erro na leitura") != std::string::npos || linha.find("Encerrado") != std::string::npos)
      estado.SkipWithError(linha.c_str());
  estado.SetItemsProcessed(estado.iterations() * 219);
}
BENCHMARK(ConfereLeituraX)->Unit(benchmark::kMillisecond);

// One sale, mirrored (with_planilha 1) or not (0); the coupon around it is not measured.
void VendaEspelhada(benchmark::State& estado) {
  Bancada bancada(estado.range(0) != 0);
  // A refusal ends the run with the printer's error: timing may not be paused after it.
  const auto recusa = [&](const char* o_que) {
    const std::string texto = std::string(o_que) + ": " + bancada.frm().ebNomeErro;
    estado.SkipWithError(texto.c_str());
  };
  for (auto _ : estado) {
    estado.PauseTiming();
    if (!bancada.AbreCupom()) return recusa("the coupon did not open");
    estado.ResumeTiming();
    if (!bancada.Venda()) return recusa("the sale was refused");
    estado.PauseTiming();
    if (!bancada.FechaCupom()) return recusa("the coupon did not close");
    // Every capture starts a new test: the items restart, so the coupon area never fills.
    if (bancada.frm().Planilha) Ligacao(bancada.frm()).ItemAtual = 1;
    estado.ResumeTiming();
  }
}
BENCHMARK(VendaEspelhada)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnel

BENCHMARK_MAIN();
