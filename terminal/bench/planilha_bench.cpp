// The workbook cross-check on the emulated printer and the embedded engine with the example
// workbook: a whole X-reading check (219 register reads and workbook comparisons), and one sale
// mirrored into the workbook next to the same sale without the link. build/bin/tarnel_planilha_bench
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "driver/biblioteca_drovik.h"
#include "driver/conexao.h"
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

class Bancada {
 public:
  explicit Bancada(bool com_planilha) : frm_(interacao_) {
    std::string modelo = (std::filesystem::temp_directory_path() / "tarnel_planilha_benchXXXXXX").string();
    if (!mkdtemp(modelo.data())) throw std::runtime_error("mkdtemp");
    pasta_ = modelo;
    anterior_ = std::filesystem::current_path();
    std::filesystem::current_path(pasta_);  // the emulated printer and the workbook live here
    std::filesystem::copy_file(PLANILHA_ECF, "PlanilhaECF.xls");
    frm_.CarregaDriver = [] { return BibliotecaDrovik::Carrega(DROVIK_ARQUIVO); };
    ConnectExecute(frm_);
    if (!Conectado(frm_)) throw std::runtime_error("the emulated printer did not connect");
    LigaPlanilha(frm_, EscolheMotorPlanilha("embutido"));
    if (com_planilha) ConexaoExcel(frm_);
    if (com_planilha && !frm_.PlanilhaConectada) throw std::runtime_error("the workbook did not open");
  }
  ~Bancada() {
    LiberaModuloDriver(frm_);
    frm_.Planilha.reset();  // saved and closed before its folder goes
    std::filesystem::current_path(anterior_);
    std::error_code erro;
    std::filesystem::remove_all(pasta_, erro);
  }

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

  TfrmMain& frm() { return frm_; }

 private:
  InteracaoSilenciosa interacao_;
  TfrmMain frm_;
  std::filesystem::path pasta_, anterior_;
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
  for (auto _ : estado) {
    estado.PauseTiming();
    if (!bancada.AbreCupom()) estado.SkipWithError("the coupon did not open");
    estado.ResumeTiming();
    if (!bancada.Venda()) estado.SkipWithError("the sale was refused");
    estado.PauseTiming();
    if (!bancada.FechaCupom()) estado.SkipWithError("the coupon did not close");
    // Every capture starts a new test: the items restart, so the coupon area never fills.
    if (bancada.frm().Planilha) Ligacao(bancada.frm()).ItemAtual = 1;
    estado.ResumeTiming();
  }
}
BENCHMARK(VendaEspelhada)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnel

BENCHMARK_MAIN();
