// The protocol record "{0;head;items;}" and its named items, composed and read back. Items are
// "Nome=valor" separated by one blank; a name is letters, digits and "_"; a value is a bare token
// (ending at a blank, tab, ";" or "}"), a text between double quotes with backslash escapes (\r CR,
// \n LF, any other character after a backslash literal: see itens.h), or a date/time between "#"
// (#dd/mm/yyyy#, #hh:mm:ss#). A composed record never holds a CR or LF.
// The readers take a string_view and never look past its end: a record cut anywhere is reported,
// with the byte where reading stopped, never read beyond.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "quorbal/catalogo.h"
#include "quorbal/itens.h"

namespace quorbal {

// The characters of a name: letters, digits and "_" (ASCII), the set every command, parameter and
// return name of the catalogue is written in.
bool CaractereDeNome(char c);
// A name made of those characters only, at least one: anything else cannot stand as a record's head
// or an item's name without changing how the line reads.
bool NomeValido(std::string_view nome);

// One named value as it travels: text plus the type code (TipoCampo, 0..10).
struct Item {
  std::string nome;
  std::string valor;
  std::uint8_t tipo = kString;
};

// One item as text; the value is quoted when a bare token would not survive the reading rules,
// dates (kData) and times (kHora) go between "#" when their text can live there.
std::string FormataItem(const Item& item);
// The items separated by one blank.
std::string FormataItens(const std::vector<Item>& itens);

// "{0;" + head + ";" + items + ";}".
std::string ComporRegistro(const std::string& cabeca, const std::string& itens);

// A record read back. Items read back are texts (kString), except values between "#": kData when
// they hold a "/", kHora when they hold a ":".
struct Registro {
  std::string cabeca;  // command name or error code
  std::vector<Item> itens;
};

// Why a text is not a record or an item list.
enum class FalhaLeitura : std::uint8_t {
  kSemAbertura,         // the text does not start with "{0;"
  kFaltaPontoEVirgula,  // the text ends before the ";" closing the head or the items
  kFaltaFecho,          // no "}" after the items' ";"
  kTextoAposRegistro,   // something other than blanks and line ends after the "}"
  kNomeVazio,           // an item does not start with a letter, digit or "_"
  kFaltaIgual,          // the item's name is not followed by "="
  kAspasAbertas,        // a quoted value is never closed
  kBarraNoFim,          // a quoted value ends in a backslash with nothing after it
  kCerquilhaAberta,     // a "#" value is never closed
  kDataHoraInvalida,    // a "#" value is empty or holds more than digits, "/" and ":"
  kFaltaSeparador,      // a value is followed by something other than a blank (or ";" in a record)
};

struct ErroLeitura {
  std::size_t posicao = 0;  // byte offset where the fault lies (the opening quote or "#" for an unclosed value)
  FalhaLeitura falha = FalhaLeitura::kSemAbertura;
};

// The reason as a sentence, for messages.
const char* TextoFalha(FalhaLeitura falha);
// Reason and place: "<reason> (byte N)".
std::string DescreveErro(const ErroLeitura& erro);

// Reads a whole record; blanks and line ends may follow it. On failure registro is left as it was
// and erro says where and why.
bool LeRegistro(std::string_view texto, Registro& registro, ErroLeitura& erro);
bool LeRegistro(std::string_view texto, Registro& registro);

// Reads an item list alone (as DROVIK_ListaParams gives it); blanks may surround the items. On
// failure itens is left as it was.
bool LeItens(std::string_view texto, std::vector<Item>& itens, ErroLeitura& erro);

}  // namespace quorbal
