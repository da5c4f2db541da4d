// Print data as the printer's mechanism receives it: lines of at most 48 characters, each ended by
// the line break ESC '*' (the byte after it already belongs to the next line), print attributes
// switched by ESC + two bytes. Readers strip ESC and the two bytes after it, so attribute switches
// take no columns. Text that comes from the host is cleaned of control bytes and wrapped here, so
// nothing a host sends can break the layout or inject a control sequence.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>


namespace ecf::impressao {

constexpr int kColunas = 48;
constexpr int kColunasExpandidas = 24;  // double-width characters take two columns

constexpr char kEsc = '\x1B';
inline constexpr std::string_view kQuebraLinha = "\x1B*";
inline constexpr std::string_view kNegritoLiga = "\x1B" "E1";
inline constexpr std::string_view kNegritoDesliga = "\x1B" "E0";
inline constexpr std::string_view kExpandidoLiga = "\x1B" "W1";
inline constexpr std::string_view kExpandidoDesliga = "\x1B" "W0";

enum class Alinhamento { kEsquerda, kCentro, kDireita };

class TextoImpresso {
 public:
  // One line (or several, when longer than the width), aligned; bold switches the emphasis on.
  void Linha(std::string_view texto, Alinhamento alinhamento = Alinhamento::kEsquerda, bool negrito = false);
  void Centro(std::string_view texto, bool negrito = false) { Linha(texto, Alinhamento::kCentro, negrito); }
  // Left text and right text on one line; a left text too long for both wraps onto lines of its
  // own and the right text closes the last of them.
  void Colunas(std::string_view esquerda, std::string_view direita, bool negrito = false);
  // The same in double width (24 columns), for totals that must stand out.
  void ColunasExpandidas(std::string_view esquerda, std::string_view direita);
  void Separador(char c = '-');
  // A section title inside a dashed line: "------ ICMS ------".
  void Secao(std::string_view titulo);
  void LinhaEmBranco() { texto_ += kQuebraLinha; }
  // Free text from the host: its own line breaks (LF, CR LF or CR) start new lines.
  void TextoLivre(std::string_view texto);
  void Acrescenta(std::string_view impresso) { texto_ += impresso; }

  const std::string& Texto() const { return texto_; }
  std::string Extrai() { return std::move(texto_); }

 private:
  void Emite(std::string_view linha, bool negrito, bool expandido);
  std::string texto_;
};

// How many lines a piece of print data feeds (its ESC '*' sequences).
int ContaQuebras(std::string_view impresso);

// Host text made printable: control bytes (below 0x20 and DEL) become blanks.
std::string Limpa(std::string_view texto);

// Amounts in cents as printed: "1.234,56", "-0,50".
std::string Valor(std::int64_t centavos);
// With an explicit sign: "+1,00", "-0,50".
std::string ValorComSinal(std::int64_t centavos);
// Right-aligned in a field of `largura` columns (longer texts are kept whole).
std::string Direita(std::string_view texto, std::size_t largura);
// Values with three decimals (quantities, unit prices) as printed: "1,500", "3,990".
std::string Milesimos(std::int64_t milesimos);
// Percentage kept in hundredths of a percent: "18,00".
std::string Percentual(std::int32_t centesimos);
// A counter with leading zeros: Numero(12, 6) = "000012".
std::string Numero(std::uint64_t n, int digitos);

}  // namespace ecf::impressao
