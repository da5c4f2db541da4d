#include "scripts/erro_script.h"

namespace tarnel {

const char kTituloErroScript[] = "Erro de Script";

void ReportaErroScript(TfrmMain& frm, const EstadoScript& estado, const std::string& texto, Icone icone) {
  frm.interacao.Mensagem(texto, icone, kTituloErroScript);
  if (estado.acompanhamento) estado.acompanhamento->ErroScript(estado.LinhaAtual, texto);
}

}  // namespace tarnel
