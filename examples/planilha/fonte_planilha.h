// The workbook's readable source (PlanilhaECF.txt) turned into sheets of cells with their values,
// formulas and defined names. The source says where things go and names them; this code places
// them on the grid and turns the source's references ({Nome}, {Nome:i}, {soma j em T: ...}) into
// R1C1 references, so a typo in a name stops the build instead of reaching the workbook.
#pragma once
#include <map>
#include <string>
#include <vector>

namespace planilha {

struct Celula {
  enum class Tipo { kTexto, kNumero, kFormula };
  Tipo tipo = Tipo::kTexto;
  std::string conteudo;  // the text, the number as written, or the formula with its "="
};

struct Folha {
  std::string nome;
  std::map<int, std::map<int, Celula>> linhas;  // row -> column -> cell, both from 1
};

struct NomeDefinido {
  std::string nome;
  std::string referencia;  // "=Folha!R2C2:R31C2"
  int celulas = 0;
};

struct Pasta {
  std::vector<Folha> folhas;
  std::vector<NomeDefinido> nomes;  // in the order the source defines them
};

// Reads the source text; false with erro = "linha N: why" on the first fault.
bool LeFonte(const std::string& texto, Pasta& pasta, std::string& erro);

}  // namespace planilha
