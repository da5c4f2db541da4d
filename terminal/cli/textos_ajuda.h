// The Portuguese texts of tarnel-cli's help, each written once: the general help and each
// subcommand's help are put together from them (linha_comando.cpp).
#pragma once

namespace tarnel::cli::ajuda {

// What each subcommand does, one paragraph each.
extern const char kExec[];
extern const char kRegistrador[];
extern const char kShell[];
extern const char kBobina[];
extern const char kRun[];
extern const char kLeitura[];
extern const char kSoftwareBasico[];
extern const char kMfdBinaria[];
extern const char kMfdLer[];
extern const char kPlanilha[];
extern const char kArquivoSoftwareBasico[];
extern const char kArquivoMFD[];
extern const char kPastaSecoes[];

// What the options and names of the command line mean.
extern const char kCanal[];
extern const char kLog[];
extern const char kComando[];
extern const char kParametros[];
extern const char kNomeRegistrador[];
extern const char kSeguir[];
extern const char kAjuda[];
extern const char kPausarErro[];
extern const char kPausarSucesso[];
extern const char kPausarDiferente[];
extern const char kTestarContexto[];
extern const char kResponder[];
extern const char kRelatorio[];
extern const char kArquivosComandos[];
extern const char kTipoLeitura[];
extern const char kFaixaReducao[];
extern const char kFaixaCoo[];
extern const char kFaixaData[];
extern const char kSaidaLeitura[];
extern const char kFiltrada[];
extern const char kOperacaoPlanilha[];

// Closing paragraphs: the exit statuses, and which library is loaded.
extern const char kCodigosSaida[];
extern const char kBiblioteca[];

}  // namespace tarnel::cli::ajuda
