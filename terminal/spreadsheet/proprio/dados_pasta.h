// What the engine of our own holds of one workbook: sheets of cells, defined names and formulas
// compiled to a short program each, shared by its reader, its evaluator, its writer and the named
// view. Texts are UTF-8, as in the file; the core's are Windows-1252.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "spreadsheet/embutido/texto_pasta_xml.h"

namespace tarnel {

struct FormatoPasta;

// In the order of kErrosCelula, which spells them.
enum class ErroCelula : std::uint8_t { Nulo, DivisaoPorZero, Valor, Referencia, Nome, Numero, NaoDisponivel };
// "#DIV/0!", "#VALUE!", ... as spreadsheets show them.
const char* NomeErro(ErroCelula erro);

// A block of cells of one sheet, rows and columns from 0; one cell when first == last.
struct Faixa {
  int folha = 0;
  int linha = 0, coluna = 0;
  int ultima_linha = 0, ultima_coluna = 0;
  int Linhas() const { return ultima_linha - linha + 1; }
  int Colunas() const { return ultima_coluna - coluna + 1; }
};

// A value as cells hold it and formulas compute it; a reference (Faixa) only while a formula runs.
struct Valor {
  enum class Tipo : std::uint8_t { Vazio, Numero, Texto, Logico, Erro, Faixa };
  Tipo tipo = Tipo::Vazio;
  double numero = 0;  // Numero; Logico as 1 or 0
  ErroCelula erro = ErroCelula::Valor;
  std::string texto;  // UTF-8
  tarnel::Faixa faixa;

  static Valor DeNumero(double n) { Valor v; v.tipo = Tipo::Numero; v.numero = n; return v; }
  static Valor DeTexto(std::string t) { Valor v; v.tipo = Tipo::Texto; v.texto = std::move(t); return v; }
  static Valor DeLogico(bool b) { Valor v; v.tipo = Tipo::Logico; v.numero = b ? 1 : 0; return v; }
  static Valor DeErro(ErroCelula e) { Valor v; v.tipo = Tipo::Erro; v.erro = e; return v; }
};

enum class FuncaoPlanilha : std::uint8_t { Nenhuma, Soma, Maximo, Inteiro, Esquerda };

// One step of a formula's program, run on a stack of values.
struct Instrucao {
  enum class Op : std::uint8_t {
    Constante,         // pushes constantes[a]
    Referencia,        // pushes faixas[a] as a reference
    Soma, Subtrai, Multiplica, Divide, Nega, Positivo, Concatena,
    Igual, Diferente, Menor, Maior, MenorIgual, MaiorIgual,
    Funcao,            // funcao over the a values on top
    SeFalsoSalta,      // pops the condition: false goes to a, an error is pushed and goes to b
    Salta,             // goes to a
  };
  Op op;
  FuncaoPlanilha funcao = FuncaoPlanilha::Nenhuma;
  int a = 0, b = 0;
};

struct Formula {
  std::string texto;  // as the file spells it, with its "="
  std::string erro;   // why the engine cannot compute it (Windows-1252); empty when it can
  std::vector<Instrucao> programa;
  std::vector<Valor> constantes;
  std::vector<Faixa> faixas;  // every cell and range it refers to: what it depends on
  // The last result, good while geracao is the workbook's.
  Valor resultado;
  std::uint64_t geracao = 0;
  bool calculando = false;
};

struct Celula {
  Valor valor;         // the constant; nothing for a formula
  int formula = -1;    // index into DadosPasta::formulas
};

struct Folha {
  std::string nome;
  std::map<std::uint64_t, Celula> celulas;  // by ChaveCelula: row by row, as they are written
};

inline std::uint64_t ChaveCelula(int linha, int coluna) {
  return static_cast<std::uint64_t>(linha) * kColunasFolha + static_cast<std::uint64_t>(coluna);
}

struct NomeDefinido {
  std::string nome;        // UTF-8, as in the file
  std::string referencia;  // "Dados!R1C1:R3C1", as in the file without the "="
  bool valido = false;     // false when it is no range of cells
  Faixa faixa;
};

struct DadosPasta {
  std::vector<Folha> folhas;
  std::vector<NomeDefinido> nomes;
  std::vector<Formula> formulas;  // a formula replaced by a value stays here, no cell pointing to it
  std::uint64_t geracao = 1;      // moves on at every write: every result computed before is stale
  std::vector<Valor> pilha;       // the evaluator's stack, kept to spare allocations
};

// Fills dados from SpreadsheetML 2003 text; false with erro (Windows-1252) when the text is no such
// workbook.
bool LePastaXml(std::string_view xml, DadosPasta& dados, std::string& erro);
// The workbook in SpreadsheetML 2003, UTF-8, with every formula's result as computed now and the
// formatting its file came with.
std::string EscrevePastaXml(DadosPasta& dados, const FormatoPasta& formato);

// Sheet index by name (ignoring letter case), -1 when there is none.
int AchaFolha(const DadosPasta& dados, std::string_view nome);
// Compiles formula.texto for the cell at origem; a formula the engine cannot compute gets its reason
// in formula.erro and computes to #NAME?.
void CompilaFormula(const DadosPasta& dados, const Faixa& origem, Formula& formula);
// Reads an R1C1 reference or range ("Folha!R1C1:R3C1", "R[-1]C") relative to origem; false when
// texto is not exactly one.
bool LeReferencia(const DadosPasta& dados, std::string_view texto, const Faixa& origem, Faixa& faixa);

// The value of a cell, formulas computed as needed: never a reference.
Valor ValorCelula(DadosPasta& dados, int folha, int linha, int coluna);
// The cell's formula, or null.
const Formula* FormulaCelula(const DadosPasta& dados, int folha, int linha, int coluna);

// "Totais!C7" for a cell, in Windows-1252.
std::string NomeCelula(const DadosPasta& dados, int folha, int linha, int coluna);

}  // namespace tarnel
