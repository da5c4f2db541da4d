#include "fonte_planilha.h"

#include <map>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "quorbal/registradores.h"

namespace planilha {
namespace {

const Celula* Em(const Pasta& pasta, const std::string& folha, int linha, int coluna) {
  for (const Folha& f : pasta.folhas) {
    if (f.nome != folha) continue;
    auto l = f.linhas.find(linha);
    if (l == f.linhas.end()) return nullptr;
    auto c = l->second.find(coluna);
    return c == l->second.end() ? nullptr : &c->second;
  }
  return nullptr;
}

std::string Formula(const Pasta& pasta, const std::string& folha, int linha, int coluna) {
  const Celula* c = Em(pasta, folha, linha, coluna);
  return c != nullptr && c->tipo == Celula::Tipo::kFormula ? c->conteudo : "(sem fórmula)";
}

// A sheet is its title, a blank row, then one row per value; a table has a blank row, its header and
// its rows, with the index in column A and its columns from B.
TEST(FontePlanilha, PoeValoresTabelasENomesNaGradeEResolveAsReferencias) {
  const std::string fonte =
      "# comentário\n"
      "folha Um \"Título\"\n"
      "valor Taxa \"Taxa\" : 2\n"
      "tabela T 3 \"Linha\"\r\n"
      "  coluna A \"A\" : 1 2 3\n"
      "  auxcol B \"B\" = {A}*{Taxa}+{i}\n"
      "  coluna Rot \"R\" = \"X{i:02}\"\n"
      "fim\n"
      "folha Dois \"Outra\"\n"
      "valor Total \"Total\" = {soma j em T: {B:j}}\n"
      "registro COO \"COO\" = {Lido}+{Taxa}\n"
      "aux Maior \"Maior\" = MAX({lista j em T: {A:j}},{A:1})\n"
      "lista Nomes \"Nomes\" : \"A\" \"Taxa\"\n";
  Pasta pasta;
  std::string erro;
  ASSERT_TRUE(LeFonte(fonte, pasta, erro)) << erro;

  EXPECT_EQ(Em(pasta, "Um", 1, 1)->conteudo, "Título");
  EXPECT_EQ(Em(pasta, "Um", 3, 1)->conteudo, "Taxa");
  EXPECT_EQ(Em(pasta, "Um", 3, 2)->conteudo, "2");
  EXPECT_EQ(Em(pasta, "Um", 5, 2)->conteudo, "A");  // header
  EXPECT_EQ(Em(pasta, "Um", 7, 1)->conteudo, "1");  // index of row 1
  EXPECT_EQ(Em(pasta, "Um", 8, 2)->conteudo, "3");
  EXPECT_EQ(Formula(pasta, "Um", 7, 3), "=RC2*R3C2+1");
  EXPECT_EQ(Formula(pasta, "Um", 8, 4), "=\"X02\"");
  EXPECT_EQ(Formula(pasta, "Dois", 3, 2), "=(Um!R6C3+Um!R7C3+Um!R8C3)");
  EXPECT_EQ(Formula(pasta, "Dois", 4, 3), "=R4C2+Um!R3C2");
  EXPECT_EQ(Formula(pasta, "Dois", 5, 2), "=MAX(Um!R6C2,Um!R7C2,Um!R8C2,Um!R7C2)");
  EXPECT_EQ(Em(pasta, "Dois", 7, 2)->conteudo, "Taxa");

  // Names in the order defined; auxiliary cells and columns have none, a register has its Pos twin.
  std::vector<std::string> nomes;
  for (const NomeDefinido& n : pasta.nomes) nomes.push_back(n.nome + " " + n.referencia);
  EXPECT_EQ(nomes, (std::vector<std::string>{"Taxa =Um!R3C2", "A =Um!R6C2:R8C2", "Rot =Um!R6C4:R8C4",
                                             "Total =Dois!R3C2", "COO =Dois!R4C2", "PosCOO =Dois!R4C3",
                                             "Nomes =Dois!R6C2:R7C2"}));
}

// A second name for one cell of a table column, defined before the table it points into; its row shows
// the cell's value, and formulas may use either name.
TEST(FontePlanilha, ApelidoNomeiaACelulaDeOutroNome) {
  const std::string fonte =
      "folha Um \"Título\"\n"
      "apelido Dinheiro \"Em dinheiro\" = {Pago:1}\n"
      "valor Dobro \"Dobro\" = 2*{Dinheiro}\n"
      "tabela Meios 2 \"Meio\"\n"
      "  coluna Pago \"Pago\"\n"
      "fim\n";
  Pasta pasta;
  std::string erro;
  ASSERT_TRUE(LeFonte(fonte, pasta, erro)) << erro;
  std::vector<std::string> nomes;
  for (const NomeDefinido& n : pasta.nomes) nomes.push_back(n.nome + " " + n.referencia);
  EXPECT_EQ(nomes, (std::vector<std::string>{"Dobro =Um!R4C2", "Pago =Um!R7C2:R8C2", "Dinheiro =Um!R8C2"}));
  EXPECT_EQ(Em(pasta, "Um", 3, 1)->conteudo, "Em dinheiro");
  EXPECT_EQ(Formula(pasta, "Um", 3, 2), "=R8C2");
  EXPECT_EQ(Formula(pasta, "Um", 4, 2), "=2*R8C2");
}

TEST(FontePlanilha, FalhasDizemALinhaEOMotivo) {
  const struct {
    const char* fonte;
    const char* erro;
  } casos[] = {
      {"valor X \"x\"\n", "linha 1: 'valor' antes da primeira folha"},
      {"folha F \"f\"\nvalor X \"x\" = {Y}+1\n", "linha 2: 'Y' não está definido"},
      {"folha F \"f\"\nvalor X \"x\" : 1\nvalor X \"de novo\"\n", "linha 3: 'X' definido duas vezes"},
      {"folha F \"f\"\ntabela T 2 \"t\"\ncoluna A \"a\" : 1 2 3\nfim\n", "linha 3: são 3 valores para 2 linhas"},
      {"folha F \"f\"\ntabela T 2 \"t\"\ncoluna A \"a\"\n", "linha 3: a tabela 'T' não termina com fim"},
      {"folha F \"f\"\ntabela T 2 \"t\"\ncoluna A \"a\"\nfim\nvalor X \"x\" = {A}\n",
       "linha 5: 'A' é coluna de outra tabela: diga qual linha ({A:i})"},
      {"folha F \"f\"\ntabela T 2 \"t\"\ncoluna A \"a\"\nfim\nvalor X \"x\" = {A:2}\n", "linha 5: 'A' não tem a linha 2"},
      {"folha F \"f\"\nvalor X \"x\" = {soma k em T: 1}\n",
       "linha 2: escreva {soma j em Tabela: termo} ou {lista j em Tabela: termo}"},
      {"folha F \"f\"\ntabela T 2 \"t\"\ncoluna A \"a\"\nfim\nvalor X \"x\" = {soma j em T: {A:j}=1}\n",
       "linha 5: ponha entre parênteses o termo somado: {A:j}=1"},
      {"folha F \"f\"\ntabela T 2 \"t\"\ncoluna A \"a\"\nfim\nvalor X \"x\" = {soma j em T: {A:j}&\"x\"}\n",
       "linha 5: ponha entre parênteses o termo somado: {A:j}&\"x\""},
      {"folha F \"f\"\ntabela T 2 \"t\"\ncoluna A \"a\"\nfim\nvalor X \"x\" = {soma j em T: ({A:j}=1)*IF({A:j}>0,1,0)}\n", ""},
      {"folha F \"f\"\nvalor X \"x\" = SUM(1\n", ""},  // the engine, not the generator, judges the rest
      {"folha F \"f\"\nvalor X \"x\" = {Lido}\n", "linha 2: {Lido} fora de um registro"},
      {"folha F \"f\"\nvalor X \"x\" = {X\n", "linha 2: '{' sem '}'"},
      {"folha F \"f\"\nqualquer coisa\n", "linha 2: linha não reconhecida: qualquer coisa"},
      {"folha F \"f\"\napelido A \"a\" = {B}\n", "linha 2: apelido precisa de = {Nome:linha}"},
      {"folha F \"f\"\napelido A \"a\" = {B:1}\n", "linha 2: 'B' não está definido"},
      {"folha F \"f\"\nvalor B \"b\"\napelido A \"a\" = {B:1}\n", "linha 3: 'B' não tem a linha 1"},
      {"folha F \"f\"\nvalor B \"b\"\napelido B \"a\" = {B:0}\n", "linha 3: 'B' definido duas vezes"},
  };
  for (const auto& caso : casos) {
    Pasta pasta;
    std::string erro;
    EXPECT_EQ(LeFonte(caso.fonte, pasta, erro), caso.erro[0] == '\0') << caso.fonte;
    EXPECT_EQ(erro, caso.erro) << caso.fonte;
  }
}

// The texts of a named list, read back from the grid through the name's reference.
std::vector<std::string> Lista(const Pasta& pasta, const std::string& nome) {
  for (const NomeDefinido& n : pasta.nomes) {
    if (n.nome != nome) continue;
    const std::size_t exclamacao = n.referencia.find('!');
    const std::string folha = n.referencia.substr(1, exclamacao - 1);
    const int linha = std::stoi(n.referencia.substr(exclamacao + 2));
    std::vector<std::string> textos;
    for (int k = 0; k < n.celulas; ++k) textos.push_back(Em(pasta, folha, linha + k, 2)->conteudo);
    return textos;
  }
  return {};
}

// The example workbook's source, read as the build reads it.
void LeExemplo(Pasta& pasta) {
  std::ifstream arquivo(PLANILHA_FONTE, std::ios::binary);
  std::ostringstream texto;
  texto << arquivo.rdbuf();
  std::string erro;
  ASSERT_TRUE(LeFonte(texto.str(), pasta, erro)) << erro;
}

std::map<std::string, int> Celulas(const Pasta& pasta) {
  std::map<std::string, int> celulas;
  for (const NomeDefinido& n : pasta.nomes) celulas[n.nome] = n.celulas;
  return celulas;
}

// ixion takes an empty cell as different from "" (Excel, LibreOffice and our own engine take it as
// equal), so the two engines would save different values: the source compares a reference's text,
// {X}&"", instead of the reference itself.
TEST(PlanilhaECFFonte, NenhumaReferenciaComparadaComTextoVazio) {
  std::ifstream arquivo(PLANILHA_FONTE, std::ios::binary);
  std::ostringstream texto;
  texto << arquivo.rdbuf();
  const std::regex comparacao(R"((\}|\]|\))\s*(=|<>)\s*""|""\s*(=|<>)\s*[{A-Za-z])");
  std::istringstream linhas(texto.str());
  int numero = 0;
  for (std::string linha; std::getline(linhas, linha);) {
    ++numero;
    EXPECT_FALSE(std::regex_search(linha, comparacao)) << "line " << numero << ": " << linha;
  }
  EXPECT_GT(numero, 100);
}

// The workbook's register names against the printer's register list: a misspelt register would only
// show at a check, as "Não existe na planilha!". The X-reading table compares registers 0-150 (151
// values, arrays counted cell by cell) with their "Pos" twins and the other 68 with the name itself.
TEST(PlanilhaECFFonte, RegistrosSaoOsDaImpressora) {
  Pasta pasta;
  ASSERT_NO_FATAL_FAILURE(LeExemplo(pasta));
  std::map<std::string, int> celulas = Celulas(pasta);
  auto registro = [&](const std::string& nome) {
    const int r = quorbal::ProcuraRegistrador(nome);
    if (r < 0) return testing::AssertionFailure() << nome << " não é registrador";
    if (quorbal::Indexado(static_cast<quorbal::Registrador>(r)) != (celulas[nome] > 1))
      return testing::AssertionFailure() << nome << " tem " << celulas[nome] << " células";
    return testing::AssertionSuccess();
  };

  int posicoes = 0;
  for (const NomeDefinido& n : pasta.nomes) {
    if (n.nome.rfind("Pos", 0) != 0) continue;
    const std::string base = n.nome.substr(3);
    EXPECT_TRUE(registro(base));
    EXPECT_EQ(celulas[base], n.celulas) << n.nome;
    posicoes += n.celulas;
  }
  EXPECT_EQ(posicoes, 151);

  int proprios = celulas["TotalDocDinheiro"] + celulas["TotalDocMeioPagamento"];
  for (const std::string& nome : Lista(pasta, "NomesCalculados")) {
    EXPECT_TRUE(registro(nome));
    EXPECT_EQ(celulas.count("Pos" + nome), 0u) << nome;
    proprios += celulas[nome];
  }
  EXPECT_EQ(proprios, 68);
  for (const std::string& nome : Lista(pasta, "AreaDadosCupom")) EXPECT_EQ(celulas.count(nome), 1u) << nome;
}

// The lists the mirroring follows when a new document starts and at a Z: each document value has its
// accumulator of the same size, which a capture empties and a Z zeroes; what a new document empties
// a capture empties too; what a Z carries on has its value after the commands.
TEST(PlanilhaECFFonte, ListasDoFechamentoDeDocumentoEDaReducaoZ) {
  Pasta pasta;
  ASSERT_NO_FATAL_FAILURE(LeExemplo(pasta));
  std::map<std::string, int> celulas = Celulas(pasta);
  const std::vector<std::string> captura = Lista(pasta, "AreaDadosCupom"), zera = Lista(pasta, "ZeraNaReducao");
  auto em = [](const std::vector<std::string>& lista, const std::string& nome) {
    return std::find(lista.begin(), lista.end(), nome) != lista.end();
  };

  const std::vector<std::string> acumulados = Lista(pasta, "AcumulaDocumento");
  EXPECT_FALSE(acumulados.empty());
  for (const std::string& nome : acumulados) {
    EXPECT_EQ(celulas.count(nome), 1u) << nome;
    EXPECT_EQ(celulas["Ant" + nome], celulas[nome]) << nome;
    EXPECT_TRUE(em(captura, "Ant" + nome)) << nome;
    EXPECT_TRUE(em(zera, "Ant" + nome)) << nome;
  }
  for (const std::string& nome : Lista(pasta, "AreaDocumento")) EXPECT_TRUE(em(captura, nome)) << nome;
  for (const std::string& nome : zera) EXPECT_EQ(celulas.count(nome), 1u) << nome;
  for (const std::string& nome : Lista(pasta, "MantemNaReducao")) {
    EXPECT_EQ(celulas.count("Pos" + nome), 1u) << nome;
    EXPECT_FALSE(em(zera, nome)) << nome;
  }
}

}  // namespace
}  // namespace planilha
