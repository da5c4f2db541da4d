// What a line of a command file is, from its first character and the marker in columns 25-26; the
// records of command and reply lines start in column 28.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tarnel {

enum class TipoLinha { Comentario, Diretiva, Ignorada, Comando, Resposta };

TipoLinha ClassificaLinha(std::string_view linha);

// Column 28 of a command or reply line (index 27).
constexpr std::size_t kInicioRegistro = 27;

// The record of a command or reply line: from column 28 to the end.
inline std::string RegistroDaLinha(std::string_view linha) {
  return linha.size() > kInicioRegistro ? std::string(linha.substr(kInicioRegistro)) : std::string();
}

}  // namespace tarnel
