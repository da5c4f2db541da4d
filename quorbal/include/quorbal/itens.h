// Item values as the protocol writes them: a record's items are "Nome=valor" pairs, where a value is
// a bare token, a text between double quotes in which a backslash makes the next character literal,
// or a date/time between "#". Tarnel and the emulated printer quote the same way.
#pragma once
#include <string>

namespace quorbal {

// The value between double quotes, with a backslash before every double quote and backslash in it.
std::string EntreAspas(const std::string& valor);

// The items of an error reply: NomeErro="<name>" Circunstancia="<circumstance>", both quoted.
std::string ItensErro(const std::string& nome_erro, const std::string& circunstancia);

}  // namespace quorbal
