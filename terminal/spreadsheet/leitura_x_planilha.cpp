#include "spreadsheet/leitura_x_planilha.h"

#include "quorbal/comandos.h"
#include "registers/le_registrador.h"
#include "spreadsheet/converte_decimal.h"
#include "spreadsheet/erros_planilha.h"
#include "spreadsheet/ligacao_planilha.h"
#include "spreadsheet/registros_lx.h"

namespace tarnel {
namespace {

// The register's value as the reader shows it; false when the reading failed (the error look). A
// reading that shows nothing new counts as failed.
bool LeRegistro(TfrmMain& frm, const std::string& nome, std::string& texto) {
  frm.cbNomeRegistrador = nome;
  frm.lbValorRegistrador = ValorRegistrador{"", true};
  LeRegistradorExecute(frm);
  texto = frm.lbValorRegistrador.texto;
  return !frm.lbValorRegistrador.erro;
}

// One register: false when the walk must end.
bool TrataRegistro(TfrmMain& frm, ModoLeituraX modo, int k, ContagemErros& erros, bool& achados) {
  LigacaoPlanilha& ligacao = Ligacao(frm);
  const std::string& nome = RegistroLX(k);
  std::string texto;
  if (!LeRegistro(frm, nome, texto)) {
    achados = true;
    return erros.Erro(nome + ": Erro na leitura");
  }
  const int d = nome.find("TotalDiaQuantidadeVendasDepartamento") != std::string::npos ? 3 : 2;
  const double lx = ConverteDecimal(texto, d);
  if (modo == ModoLeituraX::Captura) {
    if (ligacao.DefineValor(nome, lx)) return true;
    achados = true;
    return erros.Erro(nome + ": Não existe na planilha!");
  }
  ValorPlanilha valor;
  std::string motivo;
  if (!ligacao.ObtemValor(k <= kUltimoRegistroPos ? "Pos" + nome : nome, valor, &motivo)) {
    achados = true;
    const bool segue = erros.Erro(nome + ": Não existe na planilha!");
    // The name is there, but its formula gives no value: the cell and why, rather than a name
    // that seems missing.
    if (segue && !motivo.empty()) erros.Motivo(motivo);
    return segue;
  }
  // The workbook's figure as it shows it: a computed sum's binary noise (2,0999999999999996 for
  // 2,1) would otherwise lose a cent when its extra decimals are cut.
  const double pl = ConverteDecimal(TextoDecimalMostrado(NumeroPlanilha(valor)), d);
  if (pl != lx) {
    achados = true;
    erros.Diferenca(nome + ": LX (" + TextoDecimal(lx) + ") - Planilha (" + TextoDecimal(pl) + ")!");
  }
  return true;
}

}  // namespace

void LeituraXPlanilha(TfrmMain& frm, ModoLeituraX modo, const std::string& primeiro, const std::string& ultimo) {
  LigacaoPlanilha& ligacao = Ligacao(frm);
  ligacao.Erros.Limpa();
  if (!ConectaSeNecessario(frm)) return;
  ligacao.RefazReferencias();

  frm.SelecionaComando(quorbal::Posicao(quorbal::Comando::LeMoeda));
  const std::string registrador = frm.cbNomeRegistrador;
  const bool automatica = frm.LeRegistrador.Checked;
  frm.LeRegistrador.Checked = true;

  ContagemErros erros(ligacao.Erros);
  bool achados = false;
  bool lendo = primeiro.empty();
  for (int k = 0; k < kTotalRegistrosLX; ++k) {
    frm.interacao.ProcessaEventos();
    if (!lendo && RegistroLX(k) != primeiro) continue;
    lendo = true;
    if (!TrataRegistro(frm, modo, k, erros, achados)) break;
    if (!primeiro.empty() && !ultimo.empty() && RegistroLX(k) == ultimo) break;
  }

  frm.cbNomeRegistrador = registrador;
  frm.LeRegistrador.Checked = automatica;
  frm.Notifica(Alteracao::Acoes);
  LeRegistradorExecute(frm);

  if (achados) {
    frm.interacao.MostraErros(ligacao.Erros);
  } else if (modo == ModoLeituraX::Captura) {
    if (ligacao.LimpaAreaDadosCupom())
      ligacao.ItemAtual = 1;
    else
      frm.interacao.Mensagem("Macro '" + ligacao.Referencia("LimpaAreaDadosCupom") + "' inexiste na planilha!\n",
                             Icone::Erro, "Erro");
  }
}

void ObtemLeituraXExecute(TfrmMain& frm) { LeituraXPlanilha(frm, ModoLeituraX::Captura); }
void ConfereLeituraXExecute(TfrmMain& frm) { LeituraXPlanilha(frm, ModoLeituraX::Conferencia); }

}  // namespace tarnel
