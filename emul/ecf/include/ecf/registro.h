// Named-parameter items as texts: "Nome=valor" items separated by one blank, where a value is a
// bare token, a text between double quotes with backslash escapes, or a date/time between "#".
// Shared by the stand-ins that carry commands as texts (driver library lists, serial frame "60").
#pragma once
#include <string>
#include <vector>

#include "ecf/impressora.h"

namespace ecf {

// One item as text; the value is quoted when a bare token would not survive the reading rules,
// dates (type 2) become #dd/mm/yyyy# and times (type 3) #hh:mm:ss#.
std::string FormataItem(const Item& item);
std::string FormataItens(const std::vector<Item>& itens);

// Record "{0;" + head + ";" + items + ";}" read back: false when the text is not a record.
struct Registro {
  std::string cabeca;  // command name or error code
  std::vector<Item> itens;
};
bool LeRegistro(const std::string& texto, Registro& registro);

// The reply of a command as a record: head = error code, items = returns or
// NomeErro="..." Circunstancia="...".
std::string FormataResposta(const Resposta& resposta);
// The items of that record alone.
std::string ItensResposta(const Resposta& resposta);

}  // namespace ecf
