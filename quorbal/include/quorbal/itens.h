// Item values as the protocol writes them: a record's items are "Nome=valor" pairs, where a value is
// a bare token, a text between double quotes, or a date/time between "#". Tarnel and the emulated
// printer quote the same way.
//
// Between quotes a backslash escapes the next character: \r is a CR and \n a LF (so that a
// multi-line value such as ValorTexto keeps its record on one line of a command file), and a
// backslash before any other character makes that character literal (\" and \\ are written; older
// files hold nothing else).
#pragma once
#include <string>

namespace quorbal {

// The value between double quotes: a backslash before every double quote and backslash in it, CR
// and LF written as \r and \n.
std::string EntreAspas(const std::string& valor);

// What the character after a backslash between quotes stands for.
char CaractereEscapado(char apos_barra);

// The items of an error reply: NomeErro="<name>" Circunstancia="<circumstance>", both quoted.
std::string ItensErro(const std::string& nome_erro, const std::string& circunstancia);

}  // namespace quorbal
