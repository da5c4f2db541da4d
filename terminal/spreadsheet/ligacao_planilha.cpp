#include "spreadsheet/ligacao_planilha.h"

#include <cmath>
#include <utility>

#include "compat/path.h"
#include "spreadsheet/converte_decimal.h"

namespace tarnel {

const char kArquivoPlanilha[] = "PlanilhaECF.xls";

namespace {

constexpr const char* kMacros[] = {"DefineValor", "ObtemValor", "StatusLeitura", "LimpaAreaDadosCupom",
                                   "NBR5891",     "Trunca",     "MaxItensCupom"};

std::string ReferenciaMacro(const std::string& pasta, const char* macro) { return "'" + pasta + "'!" + macro; }

void MarcaConexao(TfrmMain& frm, bool conectada) {
  frm.PlanilhaConectada = conectada;
  frm.ConexaoExcel.Checked = conectada;
  frm.Notifica(Alteracao::Acoes);
}

}  // namespace

LigacaoPlanilha::~LigacaoPlanilha() { Fecha(); }

void LigacaoPlanilha::DefineReferencias(const std::string& pasta) {
  pasta_referencias_ = pasta;
  referencias_.clear();
  for (const char* macro : kMacros) referencias_.emplace_back(macro, ReferenciaMacro(pasta, macro));
}

void LigacaoPlanilha::RefazReferencias() {
  if (planilha_) DefineReferencias(planilha_->NomePastaAtiva());
}

const std::string& LigacaoPlanilha::Referencia(const char* macro) const {
  static const std::string kNenhuma;
  for (const auto& [nome, referencia] : referencias_)
    if (nome == macro) return referencia;
  return kNenhuma;
}

ResultadoMacro LigacaoPlanilha::Executa(const char* macro, std::vector<ValorPlanilha> argumentos) {
  if (!planilha_) return ResultadoMacro{};
  return planilha_->ExecutaMacro(Referencia(macro), argumentos);
}

bool LigacaoPlanilha::DefineValor(const std::string& nome, const ValorPlanilha& valor) {
  const ResultadoMacro r = Executa("DefineValor", {nome, valor});
  const bool* escrito = std::get_if<bool>(&r.valor);
  return r.executada && escrito && *escrito;
}

bool LigacaoPlanilha::ObtemValor(const std::string& nome, ValorPlanilha& valor, std::string* motivo) {
  ResultadoMacro lido = Executa("ObtemValor", {nome});
  valor = std::move(lido.valor);
  if (motivo != nullptr) *motivo = std::move(lido.erro);
  const ResultadoMacro status = Executa("StatusLeitura", {});
  const bool* achou = std::get_if<bool>(&status.valor);
  return status.executada && achou && *achou;
}

double LigacaoPlanilha::LeNumero(const std::string& nome) {
  ValorPlanilha valor;
  return ObtemValor(nome, valor) ? NumeroPlanilha(valor) : 0;
}

double LigacaoPlanilha::NBR5891(double x) {
  const ResultadoMacro r = Executa("NBR5891", {x});
  return r.executada && r.erro.empty() ? NumeroPlanilha(r.valor) : x;
}

double LigacaoPlanilha::Trunca(double x) {
  const ResultadoMacro r = Executa("Trunca", {x});
  return r.executada && r.erro.empty() ? NumeroPlanilha(r.valor) : x;
}

bool LigacaoPlanilha::LimpaAreaDadosCupom() {
  const ResultadoMacro r = Executa("LimpaAreaDadosCupom", {});
  const bool* limpou = std::get_if<bool>(&r.valor);
  return r.executada && limpou && *limpou;
}

void LigacaoPlanilha::Fecha(bool salva) {
  if (!planilha_) return;
  if (salva) planilha_->Salva();
  planilha_->DefineVisivel(false);
  if (planilha_->ContaPastas() > 0) planilha_->FechaPastas();
  planilha_.reset();
}

LigacaoPlanilha& Ligacao(TfrmMain& frm) {
  if (!frm.Planilha) frm.Planilha = std::make_shared<LigacaoPlanilha>(FabricaPlanilha{});
  return *frm.Planilha;
}

void InstalaLigacao(TfrmMain& frm, std::unique_ptr<LigacaoPlanilha> ligacao) {
  frm.Planilha = std::move(ligacao);
  MarcaConexao(frm, false);
}

void ConexaoExcel(TfrmMain& frm) {
  LigacaoPlanilha& ligacao = Ligacao(frm);
  if (ligacao.Conectada()) {
    // A workbook that could not be saved stays open: closing it would throw away every value
    // mirrored and captured since it was opened, with nobody told.
    if (!ligacao.planilha_->Salva()) {
      std::string texto = "Não foi possível gravar a planilha; a conexão com ela continua aberta.";
      if (const std::string motivo = ligacao.planilha_->Erro(); !motivo.empty()) texto += "\n" + motivo;
      frm.interacao.Mensagem(texto, Icone::Erro);
      return;
    }
    ligacao.Fecha(false);
    MarcaConexao(frm, false);
    return;
  }
  const std::string caminho = compat::current_folder() + compat::path_separator() + kArquivoPlanilha;
  if (!compat::file_exists(caminho)) {
    frm.interacao.Mensagem("Planilha '" + caminho + "' não encontrada!", Icone::Erro);
    return;
  }
  std::unique_ptr<Planilha> planilha = ligacao.fabrica_ ? ligacao.fabrica_() : nullptr;
  if (planilha) {
    planilha->DesativaAlertas();
    planilha->AbrePasta(caminho);
  }
  if (!planilha || planilha->ContaPastas() == 0) {
    std::string texto = "Não foi possível abrir '" + caminho + "'!";
    const std::string motivo = planilha ? planilha->Erro() : ligacao.motivo_;
    if (!motivo.empty()) texto += "\n" + motivo;
    frm.interacao.Mensagem(texto, Icone::Erro);
    return;  // the instance goes with planilha
  }
  ligacao.planilha_ = std::move(planilha);
  ligacao.ItemAtual = 1;
  ligacao.planilha_->DefineVisivel(true);
  frm.interacao.TrazParaFrente();
  ligacao.DefineReferencias(kArquivoPlanilha);
  const ResultadoMacro maximo = ligacao.Executa("MaxItensCupom", {});
  ligacao.LimiteItens = static_cast<std::int32_t>(std::lround(NumeroPlanilha(maximo.valor)));
  MarcaConexao(frm, true);
}

bool ConectaSeNecessario(TfrmMain& frm) {
  if (!Ligacao(frm).Conectada()) ConexaoExcel(frm);
  return Ligacao(frm).Conectada();
}

void AcresceDelta(TfrmMain& frm, const std::string& nome, std::int32_t n) {
  if (!ConectaSeNecessario(frm)) return;
  LigacaoPlanilha& ligacao = Ligacao(frm);
  const std::string delta = "delta" + nome;
  ligacao.DefineValor(delta, ligacao.LeNumero(delta) + n);
}

}  // namespace tarnel
