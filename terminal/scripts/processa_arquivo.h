// The player: one command file replayed through the execute path, line by line.
#pragma once
#include <string>

#include "scripts/script.h"
#include "window/mainfrm.h"

namespace tarnel {

// Replays arquivo with the options. CancelamentoPedido is the run dialog's flag, looked at between
// lines (with the confirmation question); acompanhamento may be null.
FimArquivo ProcessaArquivoComandos(TfrmMain& frm, const std::string& arquivo, const OpcoesScript& opcoes,
                                   bool& CancelamentoPedido, AcompanhamentoScript* acompanhamento = nullptr);

// Replays one command record, with the reply record that followed it in the file, or none.
Seguimento ProcessaLinhaComando(TfrmMain& frm, EstadoScript& estado, const std::string& registro,
                                const std::string* resposta);

}  // namespace tarnel
