// The parameter list of a replayed command line: "Nome=valor" items separated by white space, read up
// to the ";" or "}" that ends them. A name that does not start with a letter, digit or "_" ends the
// list, as does a value left open at the end of the text (that item is not taken); a name not
// followed by "=" is a syntax error. Quoted values are unescaped by the protocol's record reader, so
// that the value sent again is the value recorded.
#pragma once
#include <string_view>
#include <vector>

#include "quorbal/registro.h"

namespace tarnel {

// The syntax error of a parameter item without "=" (its code is the protocol error table's).
extern const char kNomeErroSintaxeParametro[];              // "ErroProtParamSintaxe"
extern const char kCircunstanciaErroSintaxeParametro[];     // "ao decodificar parametros do comando faltou sinal de '='"

// Reads the items of texto (which starts after the separator that follows the command name) into
// itens, in order; names keep at most 30 characters. False on the syntax error (itens then holds the
// items before it).
bool LeListaParametros(std::string_view texto, std::vector<quorbal::Item>& itens);

}  // namespace tarnel
