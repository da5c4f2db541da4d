// Plenvo's one setting, kept under HKEY_LOCAL_MACHINE\Software\<grupo>\<aplicacao>\<versao>
// (the compat registry: the system registry on Windows, its file stand-in elsewhere). Everything
// done to the registry is reported into the transaction log, whatever the log setting.
#pragma once
#include <cstddef>

namespace plenvo {

enum ModoRegistro : int { kLeRegistro = 0, kGravaRegistro = 1 };

// kLeRegistro reads the value into buffer (at most tamanho bytes with the NUL); when that fails the
// default is copied into buffer and written back. kGravaRegistro writes buffer's text. Keys missing
// below "Software" are created. False when a key cannot be opened or created or the value cannot be
// written.
bool RegistroConfig(const char* grupo, const char* aplicacao, const char* versao, const char* nome_valor,
                    char* buffer, const char* padrao, std::size_t tamanho, int modo);

// When codigo is not zero, logs "Erro de Acesso ao Registry" with the label and the system's text
// for the code. Returns codigo.
long ReportaErroRegistro(long codigo, const char* rotulo);

}  // namespace plenvo
