// The window's settings in the registry: the key, the value names, what the start-up restores into
// the model and what the exit writes back. The start-up's steps that need the driver library or the
// recorder (loading the library, the recording state) are the start-up sequence's own
// (inicio/inicia_tfrmmain.h), which calls these in its order.
#pragma once
#include <string>

#include "window/mainfrm.h"
#include "window/sessao_configuracao.h"
#include "window/versao.h"

namespace tarnel {

// "Software\KVT\Vavizuru vo Ruzeduvi Versão <major>.<minor>", Windows-1252.
std::string ChaveConfiguracao(const VersaoPrograma& versao);

// Value names the start-up sequence reads itself.
extern const char kValorGravacaoAtivada[];  // "Gravação de Comandos Ativada"

// Which workbook engine the workbook link uses: the value "Motor da Planilha" of the settings key,
// "embutido" when absent or empty (the environment variable TARNEL_PLANILHA, read where the engine is
// chosen, wins over it).
extern const char kValorMotorPlanilha[];  // "Motor da Planilha"
extern const char kMotorPlanilhaPadrao[];  // "embutido"
std::string LeMotorPlanilha(SessaoConfiguracao& sessao);

// The start-up's first restores, before the driver library is loaded: timeout, the five window
// values (written at once when absent), transcript height and list width, the connect action's state
// (without connecting), the channel and the command file.
void RestauraJanela(TfrmMain& frm, SessaoConfiguracao& sessao);

// The restores after the recording state: automatic register reading, the register selection and the
// cheque fields.
void RestauraRegistradorECheque(TfrmMain& frm, SessaoConfiguracao& sessao);

// The exit's writes, in their order. conectado: whether a connection was open when the program began
// to close (the channel is closed before the settings are saved).
void GravaConfiguracao(const TfrmMain& frm, SessaoConfiguracao& sessao, bool conectado);

}  // namespace tarnel
