#include "mostra.h"

#include "console.h"
#include "quorbal/catalogo.h"

namespace tarnel::cli {

void MostraTerminal(const TfrmMain& frm, std::ostream& saida) {
  for (const std::string& linha : frm.Terminal.Linhas()) EscreveLinha(saida, linha);
}

void MostraExecucao(const TfrmMain& frm, int comando, std::ostream& saida) {
  MostraTerminal(frm, saida);
  EscreveLinha(saida, "Erro: " + frm.ebNomeErro);
  EscreveLinha(saida, frm.ebCircunstancia.empty() ? "Circunstância:" : "Circunstância: " + frm.ebCircunstancia);
  if (comando < 0 || comando >= quorbal::kTotalComandos) return;
  const quorbal::DescritorComando& descritor = quorbal::kCatalogo[comando];
  for (std::uint32_t i = 0; i < descritor.total_retornos; ++i)
    EscreveLinha(saida, std::string(descritor.retornos[i].nome) + "=" + frm.Campos[comando].retornos[i]);
}

void MostraRecusa(const TfrmMain& frm, std::ostream& saida) {
  if (frm.ebNomeErro.empty() || frm.ebNomeErro == "NoError") return;
  EscreveLinha(saida, "Erro: " + frm.ebNomeErro);
  if (!frm.ebCircunstancia.empty()) EscreveLinha(saida, "Circunstância: " + frm.ebCircunstancia);
}

void MostraLeituraRegistrador(const TfrmMain& frm, const ValorRegistrador& valor, std::ostream& saida) {
  MostraTerminal(frm, saida);
  EscreveLinha(saida, (valor.erro ? "Erro: " : "Valor: ") + valor.texto);
}

}  // namespace tarnel::cli
