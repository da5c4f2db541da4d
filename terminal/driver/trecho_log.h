// What the driver library appended to its log file during one command, read back for the transcript.
#pragma once
#include <cstdint>
#include <string>

namespace tarnel {

// Size of the log file before a command; -1 when it does not exist or cannot be opened.
std::int64_t TamanhoLog(const std::string& caminho);

// The excerpt after the command, given the size before it:
// - "" when the file does not exist or has not grown;
// - "Erro ao acessar arquivo de log " + path when the size before was not positive or the file
//   cannot be opened now;
// - otherwise the bytes appended, without the final line end; when that is more than 4200 bytes only
//   the first 4196.
std::string TrechoLog(const std::string& caminho, std::int64_t tamanho_antes);

}  // namespace tarnel
