#include "spreadsheet/embutido/pasta_embutida.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <fstream>
#include <sstream>
#include <vector>

#include "compat/whole_file.h"
#include "spreadsheet/embutido/planilha_embutida.h"
#include "test_support/temp_folder.h"

namespace tarnel {
namespace {

// Values in Dados!A1:A3 (named Valores), a 2x2 block with a label, and formulas on Totais over them.
// UTF-8, as the file is.
const char kPasta[] = u8R"xml(<?xml version="1.0"?>
<Workbook xmlns="urn:schemas-microsoft-com:office:spreadsheet"
 xmlns:ss="urn:schemas-microsoft-com:office:spreadsheet">
 <Names>
  <NamedRange ss:Name="Valores" ss:RefersTo="=Dados!R1C1:R3C1"/>
  <NamedRange ss:Name="Bloco" ss:RefersTo="=Dados!R1C2:R2C3"/>
  <NamedRange ss:Name="Soma" ss:RefersTo="=Totais!R1C2"/>
  <NamedRange ss:Name="Condicao" ss:RefersTo="=Totais!R1C3"/>
  <NamedRange ss:Name="Inteiro" ss:RefersTo="=Totais!R1C4"/>
  <NamedRange ss:Name="Rotulo" ss:RefersTo="=Totais!R1C5"/>
  <NamedRange ss:Name="Arredonda" ss:RefersTo="=Totais!R2C2"/>
  <NamedRange ss:Name="DependeArredonda" ss:RefersTo="=Totais!R2C3"/>
  <NamedRange ss:Name="Divide" ss:RefersTo="=Totais!R2C4"/>
 </Names>
 <Worksheet ss:Name="Dados">
  <Table>
   <Row><Cell><Data ss:Type="Number">1.5</Data></Cell><Cell><Data ss:Type="String">Olá &amp; até</Data></Cell></Row>
   <Row><Cell><Data ss:Type="Number">2</Data></Cell><Cell ss:Index="3"><Data ss:Type="Number">7</Data></Cell></Row>
   <Row><Cell><Data ss:Type="Number">3</Data></Cell></Row>
  </Table>
 </Worksheet>
 <Worksheet ss:Name="Totais">
  <Table>
   <Row><Cell><Data ss:Type="String">Soma</Data></Cell><Cell ss:Formula="=SUM(Valores)"/>
    <Cell ss:Formula="=IF(RC[-1]&gt;6,RC[-1]-6,0)"/><Cell ss:Formula="=INT(RC[-2]*2.5)"/>
    <Cell ss:Formula="=&quot;Total: &quot;&amp;RC[-3]"/></Row>
   <Row><Cell><Data ss:Type="String">Falhas</Data></Cell><Cell ss:Formula="=ROUND(R1C2,1)"/>
    <Cell ss:Formula="=RC[-1]+1"/><Cell ss:Formula="=1/(R1C3-R1C3)"/></Row>
  </Table>
 </Worksheet>
</Workbook>
)xml";

std::unique_ptr<PastaEmbutida> Carrega(const std::string& xml = kPasta) {
  std::string erro;
  auto pasta = PastaEmbutida::CarregaTexto(xml, erro);
  EXPECT_NE(pasta, nullptr) << erro;
  return pasta;
}

ValorPlanilha Le(PastaEmbutida& pasta, const std::string& nome, int i = 0) {
  ValorPlanilha valor = std::string("não lido");
  std::string erro;
  EXPECT_TRUE(pasta.LeCelula(nome, i, valor, erro)) << nome << "[" << i << "]: " << erro;
  return valor;
}

std::string ErroDe(PastaEmbutida& pasta, const std::string& nome) {
  ValorPlanilha valor;
  std::string erro;
  EXPECT_FALSE(pasta.LeCelula(nome, 0, valor, erro)) << nome;
  return erro;
}

std::string Conteudo(const std::string& caminho) {
  std::ifstream arquivo(caminho, std::ios::binary);
  std::stringstream texto;
  texto << arquivo.rdbuf();
  return texto.str();
}

TEST(PastaEmbutida, NomesDaoFaixasContadasLinhaALinha) {
  auto pasta = Carrega();
  EXPECT_EQ(pasta->TamanhoNome("Valores"), 3);
  EXPECT_EQ(pasta->TamanhoNome("bloco"), 4);  // letter case does not matter
  EXPECT_EQ(pasta->TamanhoNome("Soma"), 1);
  EXPECT_EQ(pasta->TamanhoNome("Inexistente"), -1);
  // Bloco is B1:C2: B1, C1, B2, C2; the label crosses into Windows-1252, empty cells read as "".
  EXPECT_EQ(Le(*pasta, "Bloco", 0), ValorPlanilha(std::string("Ol\xE1 & at\xE9")));
  EXPECT_EQ(Le(*pasta, "Bloco", 1), ValorPlanilha(std::string()));
  EXPECT_EQ(Le(*pasta, "Bloco", 3), ValorPlanilha(7.0));
  ValorPlanilha valor;
  std::string erro;
  EXPECT_FALSE(pasta->LeCelula("Valores", 3, valor, erro));
  EXPECT_FALSE(pasta->LeCelula("Valores", -1, valor, erro));
  EXPECT_FALSE(pasta->EscreveCelula("Valores", 3, 1.0));
  EXPECT_FALSE(pasta->EscreveCelula("Inexistente", 0, 1.0));
  EXPECT_FALSE(pasta->EscreveCelula("Valores", 0, std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(pasta->EscreveCelula("Valores", 0, std::nan("")));
  EXPECT_EQ(Le(*pasta, "Valores", 0), ValorPlanilha(1.5));
  EXPECT_TRUE(erro.empty());
}

TEST(PastaEmbutida, FormulasCalculadasENaoCalculaveis) {
  auto pasta = Carrega();
  EXPECT_EQ(Le(*pasta, "Soma"), ValorPlanilha(6.5));
  EXPECT_EQ(Le(*pasta, "Condicao"), ValorPlanilha(0.5));
  EXPECT_EQ(Le(*pasta, "Inteiro"), ValorPlanilha(16.0));
  EXPECT_EQ(Le(*pasta, "Rotulo"), ValorPlanilha(std::string("Total: 6.5")));
  EXPECT_EQ(ErroDe(*pasta, "Arredonda"), "Totais!B2: a fun\xE7\xE3o ROUND n\xE3o \xE9 calculada pelo motor embutido");
  // What depends on a formula the engine refuses is an error too, at its own cell.
  EXPECT_EQ(ErroDe(*pasta, "DependeArredonda").rfind("Totais!C2: a f\xF3rmula d\xE1 o erro #", 0), 0u);
  EXPECT_EQ(ErroDe(*pasta, "Divide"), "Totais!D2: a f\xF3rmula d\xE1 o erro #DIV/0!");
}

// A one-sheet workbook "Dados" with the names (NamedRange elements) and rows given, in UTF-8.
std::string PastaDados(const std::string& nomes, const std::string& linhas) {
  return "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"\n"
         " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">\n <Names>" +
         nomes + "</Names>\n <Worksheet ss:Name=\"Dados\"><Table>" + linhas + "</Table></Worksheet>\n</Workbook>\n";
}

// The same with the names A, B, C and D over A1, B1, C1 and D1 and one row of the cells given.
std::string PastaDados(const std::string& celulas) {
  return PastaDados(
      "<NamedRange ss:Name=\"A\" ss:RefersTo=\"=Dados!R1C1\"/><NamedRange ss:Name=\"B\" ss:RefersTo=\"=Dados!R1C2\"/>"
      "<NamedRange ss:Name=\"C\" ss:RefersTo=\"=Dados!R1C3\"/><NamedRange ss:Name=\"D\" ss:RefersTo=\"=Dados!R1C4\"/>",
      "<Row>" + celulas + "</Row>");
}

// A name over whole rows or columns (Excel's =Dados!$B:$B, written "=Dados!C2") holds every cell of
// them in the sheet.
TEST(PastaEmbutida, NomesDeLinhasEColunasInteiras) {
  auto pasta = Carrega(PastaDados(
      R"xml(<NamedRange ss:Name="Coluna" ss:RefersTo="=Dados!C2"/>
  <NamedRange ss:Name="Colunas" ss:RefersTo="=Dados!C2:C3"/>
  <NamedRange ss:Name="Linha" ss:RefersTo="=Dados!R2"/>
  <NamedRange ss:Name="Linhas" ss:RefersTo="=Dados!R1:R2"/>
  <NamedRange ss:Name="Soma" ss:RefersTo="=Dados!R1C1"/>)xml",
      R"xml(<Row><Cell ss:Formula="=RC[1]+R[1]C[1]"/><Cell><Data ss:Type="Number">1.5</Data></Cell></Row>
   <Row><Cell ss:Index="2"><Data ss:Type="Number">2</Data></Cell><Cell><Data ss:Type="String">c</Data></Cell></Row>)xml"));
  ASSERT_NE(pasta, nullptr);
  const int linhas = 1048576, colunas = 16384;
  EXPECT_EQ(pasta->TamanhoNome("Coluna"), linhas);
  EXPECT_EQ(pasta->TamanhoNome("Colunas"), 2 * linhas);
  EXPECT_EQ(pasta->TamanhoNome("Linha"), colunas);
  EXPECT_EQ(pasta->TamanhoNome("Linhas"), 2 * colunas);
  EXPECT_EQ(Le(*pasta, "Coluna", 1), ValorPlanilha(2.0));
  EXPECT_EQ(Le(*pasta, "Colunas", 3), ValorPlanilha(std::string("c")));
  EXPECT_EQ(Le(*pasta, "Linha", 2), ValorPlanilha(std::string("c")));
  EXPECT_EQ(Le(*pasta, "Linhas", colunas + 1), ValorPlanilha(2.0));
  EXPECT_EQ(Le(*pasta, "Coluna", linhas - 1), ValorPlanilha(std::string()));
  EXPECT_EQ(Le(*pasta, "Soma"), ValorPlanilha(3.5));
  ValorPlanilha valor;
  std::string erro;
  EXPECT_FALSE(pasta->LeCelula("Coluna", linhas, valor, erro));
  EXPECT_FALSE(pasta->EscreveCelula("Linha", colunas, 1.0));
  ASSERT_TRUE(pasta->EscreveCelula("Coluna", 0, 10.0));
  ASSERT_TRUE(pasta->EscreveCelula("Coluna", linhas - 1, 10.0));
  EXPECT_EQ(Le(*pasta, "Soma"), ValorPlanilha(12.0));
  // A formula over a whole column, given or by a name: our engine sums it; ixion's follows no whole
  // column, and the formula says so, the workbook read all the same.
  for (const char* formula : {"=SUM(C2)", "=SUM(Coluna)"}) {
    auto soma = Carrega(PastaDados("<NamedRange ss:Name=\"Coluna\" ss:RefersTo=\"=Dados!C2\"/>"
                                   "<NamedRange ss:Name=\"F\" ss:RefersTo=\"=Dados!R1C1\"/>",
                                   std::string("<Row><Cell ss:Formula=\"") + formula +
                                       "\"/><Cell><Data ss:Type=\"Number\">1.5</Data></Cell></Row>"));
    ASSERT_NE(soma, nullptr) << formula;
    if (soma->LeCelula("F", 0, valor, erro))
      EXPECT_EQ(valor, ValorPlanilha(1.5)) << formula;
    else
      EXPECT_EQ(erro, "Dados!A1: o motor embutido n\xE3o calcula f\xF3rmulas sobre linhas ou colunas inteiras") << formula;
    EXPECT_NE(soma->TextoXml().find(std::string("<Cell ss:Formula=\"") + formula + "\">"), std::string::npos);
  }
  const std::string gravado = pasta->TextoXml();
  for (const char* trecho : {"ss:RefersTo=\"=Dados!C2\"", "ss:RefersTo=\"=Dados!R1:R2\"", "<Data ss:Type=\"Number\">12</Data></Cell>\n    <Cell><Data ss:Type=\"Number\">10</Data></Cell>\n   </Row>",
                             "<Row ss:Index=\"1048576\">\n    <Cell ss:Index=\"2\"><Data ss:Type=\"Number\">10</Data>"})
    EXPECT_NE(gravado.find(trecho), std::string::npos) << trecho << "\n" << gravado;
}

// Logical and error constants read as they are and come back in the saved file; what depends on an
// error is an error; a formula whose last result was an error stays a formula.
TEST(PastaEmbutida, ConstantesLogicasEDeErroGuardadas) {
  auto pasta = Carrega(PastaDados(
      "<Cell><Data ss:Type=\"Boolean\">1</Data></Cell><Cell><Data ss:Type=\"Error\">#N/A</Data></Cell>"
      "<Cell ss:Formula=\"=RC[-1]+1\"><Data ss:Type=\"Error\">#N/A</Data></Cell>"
      "<Cell><Data ss:Type=\"Boolean\">0</Data></Cell>"));
  ASSERT_NE(pasta, nullptr);
  EXPECT_EQ(Le(*pasta, "A"), ValorPlanilha(true));
  EXPECT_EQ(Le(*pasta, "D"), ValorPlanilha(false));
  EXPECT_EQ(ErroDe(*pasta, "B"), "Dados!B1: a c\xE9lula guarda o erro #N/A");
  EXPECT_EQ(ErroDe(*pasta, "C").rfind("Dados!C1: a f\xF3rmula d\xE1 o erro #", 0), 0u);
  const std::string linha = "   <Row ss:Index=\"1\">\n"
                            "    <Cell><Data ss:Type=\"Boolean\">1</Data></Cell>\n"
                            "    <Cell><Data ss:Type=\"Error\">#N/A</Data></Cell>\n"
                            "    <Cell ss:Formula=\"=RC[-1]+1\"></Cell>\n"
                            "    <Cell><Data ss:Type=\"Boolean\">0</Data></Cell>\n"
                            "   </Row>\n";
  const std::string gravado = pasta->TextoXml();
  EXPECT_NE(gravado.find(linha), std::string::npos) << gravado;
  EXPECT_EQ(Carrega(gravado)->TextoXml(), gravado);
  // A value written over the error replaces it, and what depends on it computes again.
  ASSERT_TRUE(pasta->EscreveCelula("B", 0, 2.0));
  EXPECT_EQ(Le(*pasta, "C"), ValorPlanilha(3.0));
  EXPECT_NE(pasta->TextoXml().find("<Cell><Data ss:Type=\"Number\">2</Data></Cell>"), std::string::npos);
}

// A place the engines cannot use is refused: read as no place, the cells after it would move and
// what the native reader takes apart from the rest would be lost.
TEST(PastaEmbutida, IndiceInvalidoRecusado) {
  for (const char* linha : {"<Row ss:Index=\"0\"/>", "<Row><Cell ss:Index=\"x\"/></Row>", "<Row ss:Index=\"1048577\"/>"}) {
    std::string erro;
    EXPECT_EQ(PastaEmbutida::CarregaTexto(PastaDados("", linha), erro), nullptr) << linha;
    // Each engine words the reason its own way.
    EXPECT_EQ(erro.rfind("a pasta n\xE3o \xE9 uma planilha XML leg\xEDvel (", 0), 0u) << erro;
  }
}

TEST(PastaEmbutida, ConstanteInvalidaRecusada) {
  const struct {
    std::string celula;
    std::string motivo;
  } casos[] = {
      {"<Cell><Data ss:Type=\"Boolean\">sim</Data></Cell>", "l\xF3gico inv\xE1lido 'sim'"},
      {"<Cell ss:Index=\"3\"><Data ss:Type=\"Error\">#ERRO</Data></Cell>", "erro inv\xE1lido '#ERRO'"},
  };
  for (const auto& caso : casos) {
    std::string erro;
    EXPECT_EQ(PastaEmbutida::CarregaTexto(PastaDados(caso.celula), erro), nullptr) << caso.celula;
    const std::string coluna = caso.celula.find("Index") != std::string::npos ? "3" : "1";
    EXPECT_EQ(erro, "a pasta n\xE3o \xE9 uma planilha XML leg\xEDvel (" + caso.motivo + " na c\xE9lula da linha 1, coluna " +
                        coluna + " de 'Dados')");
  }
}

// A formula in another program's notation (LibreOffice's "Excel 2003 XML" export writes
// OpenFormula) is kept as the file spelled it: reading it, or what depends on it, says why there is
// no value, and the saved file still holds it.
TEST(PastaEmbutida, FormulaEmOutraNotacaoGuardadaComoLida) {
  auto pasta = Carrega(PastaDados(
      "<Cell><Data ss:Type=\"Number\">2</Data></Cell>"
      "<Cell ss:Formula=\"of:=[.A1]*2\"><Data ss:Type=\"Number\">4</Data></Cell>"
      "<Cell ss:Formula=\"=RC[-1]+1\"><Data ss:Type=\"Number\">5</Data></Cell>"));
  ASSERT_NE(pasta, nullptr);
  EXPECT_EQ(ErroDe(*pasta, "B"), "Dados!B1: a f\xF3rmula 'of:=[.A1]*2' n\xE3o est\xE1 na nota\xE7\xE3o do Excel (=R1C1) e "
                                 "n\xE3o \xE9 calculada pelo motor embutido");
  EXPECT_EQ(ErroDe(*pasta, "C").rfind("Dados!C1: a f\xF3rmula d\xE1 o erro #", 0), 0u);
  const std::string gravado = pasta->TextoXml();
  EXPECT_NE(gravado.find("    <Cell ss:Formula=\"of:=[.A1]*2\"></Cell>\n    <Cell ss:Formula=\"=RC[-1]+1\"></Cell>\n"),
            std::string::npos)
      << gravado;
  EXPECT_EQ(Carrega(gravado)->TextoXml(), gravado);
}

// A text where a formula adds or multiplies is never read as 0, a total silently short: the engine
// converts it as a spreadsheet program does, or reading the formula, and what depends on it, is an
// error naming the cells. Text compared, joined or left out of a SUM is no fault, and a number
// written over the text clears it.
TEST(PastaEmbutida, ContaComTextoNuncaDaZero) {
  const std::string nomes =
      "<NamedRange ss:Name=\"Texto\" ss:RefersTo=\"=Dados!R1C1\"/><NamedRange ss:Name=\"Dobro\" ss:RefersTo=\"=Dados!R1C2\"/>"
      "<NamedRange ss:Name=\"Mais\" ss:RefersTo=\"=Dados!R1C3\"/><NamedRange ss:Name=\"Junta\" ss:RefersTo=\"=Dados!R1C4\"/>"
      "<NamedRange ss:Name=\"Compara\" ss:RefersTo=\"=Dados!R1C5\"/><NamedRange ss:Name=\"Soma\" ss:RefersTo=\"=Dados!R1C6\"/>"
      "<NamedRange ss:Name=\"PeloNome\" ss:RefersTo=\"=Dados!R1C7\"/><NamedRange ss:Name=\"Funcao\" ss:RefersTo=\"=Dados!R1C8\"/>";
  auto pasta = Carrega(PastaDados(
      nomes,
      "<Row><Cell><Data ss:Type=\"String\">abc</Data></Cell><Cell ss:Formula=\"=RC[-1]*2\"/>"
      "<Cell ss:Formula=\"=(RC[-1])+1\"/><Cell ss:Formula=\"=RC[-3]&amp;&quot;!&quot;\"/>"
      "<Cell ss:Formula=\"=IF(RC[-4]=&quot;abc&quot;,1,0)\"/><Cell ss:Formula=\"=SUM(RC[-5])\"/>"
      "<Cell ss:Formula=\"=-Texto\"/><Cell ss:Formula=\"=SUM((RC[-7]))*2\"/></Row>"));
  ASSERT_NE(pasta, nullptr);
#ifdef TARNEL_TESTA_MOTOR_PROPRIO
  EXPECT_EQ(ErroDe(*pasta, "Dobro"), "Dados!B1: a f\xF3rmula d\xE1 o erro #VALUE!");
#else
  EXPECT_EQ(ErroDe(*pasta, "Dobro"),
            "Dados!B1: a conta usa o texto de Dados!A1, que o motor embutido n\xE3o converte em n\xFAmero");
#endif
  EXPECT_EQ(ErroDe(*pasta, "Mais").rfind("Dados!C1: ", 0), 0u);
  EXPECT_EQ(ErroDe(*pasta, "PeloNome").rfind("Dados!G1: ", 0), 0u);
  EXPECT_EQ(Le(*pasta, "Junta"), ValorPlanilha(std::string("abc!")));
  EXPECT_EQ(Le(*pasta, "Compara"), ValorPlanilha(1.0));
  EXPECT_EQ(Le(*pasta, "Soma"), ValorPlanilha(0.0));
  EXPECT_EQ(Le(*pasta, "Funcao"), ValorPlanilha(0.0));

  // A number typed as text, as a spreadsheet program under a comma locale keeps "48.48".
  ASSERT_TRUE(pasta->EscreveCelula("Texto", 0, std::string("48.48")));
#ifdef TARNEL_TESTA_MOTOR_PROPRIO
  EXPECT_EQ(Le(*pasta, "Dobro"), ValorPlanilha(96.96));
#else
  EXPECT_EQ(ErroDe(*pasta, "Dobro").rfind("Dados!B1: a conta usa o texto de Dados!A1", 0), 0u);
  EXPECT_EQ(ErroDe(*pasta, "PeloNome").rfind("Dados!G1: a conta usa o texto de Dados!A1", 0), 0u);
#endif

  ASSERT_TRUE(pasta->EscreveCelula("Texto", 0, 5.0));
  EXPECT_EQ(Le(*pasta, "Dobro"), ValorPlanilha(10.0));
  EXPECT_EQ(Le(*pasta, "Mais"), ValorPlanilha(11.0));
  EXPECT_EQ(Le(*pasta, "PeloNome"), ValorPlanilha(-5.0));
  EXPECT_EQ(Le(*pasta, "Funcao"), ValorPlanilha(10.0));
}

TEST(PastaEmbutida, EscritaRecalculaOQueDependeDela) {
  auto pasta = Carrega();
  ASSERT_TRUE(pasta->EscreveCelula("Valores", 2, 10.0));
  EXPECT_EQ(Le(*pasta, "Soma"), ValorPlanilha(13.5));
  EXPECT_EQ(Le(*pasta, "Condicao"), ValorPlanilha(7.5));
  EXPECT_EQ(Le(*pasta, "Inteiro"), ValorPlanilha(33.0));
  EXPECT_EQ(Le(*pasta, "Rotulo"), ValorPlanilha(std::string("Total: 13.5")));
  // Integers and booleans count as numbers; an empty text empties the cell.
  ASSERT_TRUE(pasta->EscreveCelula("Valores", 0, std::int32_t{4}));
  ASSERT_TRUE(pasta->EscreveCelula("Valores", 1, std::string()));
  EXPECT_EQ(Le(*pasta, "Valores", 1), ValorPlanilha(std::string()));
  EXPECT_EQ(Le(*pasta, "Soma"), ValorPlanilha(14.0));
  ASSERT_TRUE(pasta->EscreveCelula("Bloco", 1, std::string("a\xE7\xE3o")));
  EXPECT_EQ(Le(*pasta, "Bloco", 1), ValorPlanilha(std::string("a\xE7\xE3o")));
  // A value written over a formula replaces it: the cell no longer follows its sources.
  ASSERT_TRUE(pasta->EscreveCelula("Soma", 0, 1.0));
  ASSERT_TRUE(pasta->EscreveCelula("Valores", 2, 100.0));
  EXPECT_EQ(Le(*pasta, "Soma"), ValorPlanilha(1.0));
  EXPECT_EQ(Le(*pasta, "Inteiro"), ValorPlanilha(2.0));
}

TEST(PastaEmbutida, GravadaERelidaGuardaNomesFormulasEValores) {
  test_support::TempFolder pasta_temp("pasta_embutida");
  const std::string caminho = pasta_temp.file("PlanilhaECF.xls");
  auto pasta = Carrega();
  ASSERT_TRUE(pasta->EscreveCelula("Valores", 2, 10.0));
  ASSERT_TRUE(pasta->EscreveCelula("Bloco", 1, std::string("linha 1\nlinha \"2\" <&>\x01")));
  EXPECT_EQ(Le(*pasta, "Bloco", 1), ValorPlanilha(std::string("linha 1\nlinha \"2\" <&>?")));
  std::string erro;
  ASSERT_TRUE(pasta->Salva(caminho, erro)) << erro;
  const std::string gravado = Conteudo(caminho);
  for (const char* trecho : {"ss:Formula=\"=SUM(Valores)\"", "ss:Formula=\"=IF(RC[-1]&gt;6,RC[-1]-6,0)\"",
                             "ss:Formula=\"=ROUND(R1C2,1)\"", "ss:Name=\"Bloco\" ss:RefersTo=\"=Dados!R1C2:R2C3\"",
                             "<Worksheet ss:Name=\"Dados\">", "<Worksheet ss:Name=\"Totais\">",
                             "<Data ss:Type=\"String\">linha 1&#10;linha &quot;2&quot; &lt;&amp;&gt;?</Data>",
                             u8"<Data ss:Type=\"String\">Olá &amp; até</Data>"})
    EXPECT_NE(gravado.find(trecho), std::string::npos) << trecho;

  auto relida = PastaEmbutida::Carrega(caminho, erro);
  ASSERT_NE(relida, nullptr) << erro;
  for (const char* nome : {"Valores", "Bloco", "Soma", "Condicao", "Inteiro", "Rotulo", "Divide"})
    for (int i = 0; i < pasta->TamanhoNome(nome); ++i) {
      ValorPlanilha antes, depois;
      std::string erro_antes, erro_depois;
      EXPECT_EQ(pasta->LeCelula(nome, i, antes, erro_antes), relida->LeCelula(nome, i, depois, erro_depois));
      EXPECT_EQ(antes, depois) << nome << "[" << i << "]";
      EXPECT_EQ(erro_antes, erro_depois);
    }
  EXPECT_EQ(ErroDe(*relida, "Arredonda"), ErroDe(*pasta, "Arredonda"));
  // Written again unchanged, the text is the same byte for byte: nothing drifts from save to save.
  EXPECT_EQ(relida->TextoXml(), gravado);
  // The formulas still compute after the round trip.
  ASSERT_TRUE(relida->EscreveCelula("Valores", 0, 0.5));
  EXPECT_EQ(Le(*relida, "Soma"), ValorPlanilha(12.5));
}

// A workbook a person formatted (as a spreadsheet program saves it): document properties, styles,
// column widths, row heights, a merged title, a comment, sheet options, a namespace of its own.
// Its properties, styles, names and settings come back as they are, each where it stood.
const std::string kCabecalhoFormatado = R"xml( <DocumentProperties xmlns="urn:schemas-microsoft-com:office:office"><Author>Loja</Author></DocumentProperties>
 <CustomDocumentProperties xmlns="urn:schemas-microsoft-com:office:office"><Caixa dt:dt="string">2</Caixa></CustomDocumentProperties>
 <Styles>
  <Style ss:ID="s21"><Font ss:Bold="1"/><Interior ss:Color="#FFFF00" ss:Pattern="Solid"/></Style>
 </Styles>
 <Names>
  <NamedRange ss:Name="Titulo" ss:RefersTo="=Dados!R1C1"/>
  <NamedRange ss:Name="Lado" ss:RefersTo="=Dados!R1C2"/>
  <NamedRange ss:Name="Valores" ss:RefersTo="=Dados!R2C2:R5C2"/>
  <NamedRange ss:Name="Total" ss:RefersTo="=Dados!R6C2"/>
  <NamedRange ss:Name="_FilterDatabase" ss:RefersTo="=Dados!R1C1:R6C3" ss:Hidden="1"/>
 </Names>
 <ExcelWorkbook xmlns="urn:schemas-microsoft-com:office:excel"><ActiveSheet>0</ActiveSheet></ExcelWorkbook>
)xml";

const std::string kPastaFormatada = R"xml(<?xml version="1.0"?>
<Workbook xmlns="urn:schemas-microsoft-com:office:spreadsheet"
 xmlns:x="urn:schemas-microsoft-com:office:excel"
 xmlns:ss="urn:schemas-microsoft-com:office:spreadsheet"
 xmlns:dt="uuid:C2F41010-65B3-11d1-A29F-00AA00C14882">
)xml" + kCabecalhoFormatado + R"xml( <Worksheet ss:Name="Dados" ss:Protected="0">
  <Table ss:ExpandedColumnCount="3" ss:ExpandedRowCount="6" x:FullColumns="1" ss:DefaultRowHeight="15">
   <Column ss:Width="120"/>
   <Column ss:AutoFitWidth="0" ss:Width="60" ss:Span="1"/>
   <Row ss:Height="20" ss:StyleID="s21"><Cell ss:MergeAcross="2"><Data ss:Type="String">Vendas</Data></Cell></Row>
   <Row><Cell><Data ss:Type="String">Item 1</Data></Cell><Cell ss:StyleID="s21"><Data
     ss:Type="Number">1.5</Data><Comment ss:Author="Ana"><ss:Data>conferir</ss:Data></Comment></Cell></Row>
   <Row ss:Height="18" ss:Span="2"/>
   <Row ss:Index="6"><Cell ss:StyleID="s21"/><Cell ss:Formula="=SUM(R2C2:R5C2)"/><Cell ss:StyleID="s21"/></Row>
  </Table>
  <WorksheetOptions xmlns="urn:schemas-microsoft-com:office:excel"><Selected/></WorksheetOptions>
 </Worksheet>
</Workbook>
)xml";

// What the workbook above comes back as after a value is written into its third row: every piece
// of formatting where it was, in the file's own words; the counts of rows and columns in use, which
// a written value may outgrow, left for the reader to work out.
const std::string kPastaFormatadaGravada = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<?mso-application progid="Excel.Sheet"?>
<Workbook xmlns="urn:schemas-microsoft-com:office:spreadsheet"
 xmlns:o="urn:schemas-microsoft-com:office:office"
 xmlns:x="urn:schemas-microsoft-com:office:excel"
 xmlns:ss="urn:schemas-microsoft-com:office:spreadsheet"
 xmlns:html="http://www.w3.org/TR/REC-html40" xmlns:dt="uuid:C2F41010-65B3-11d1-A29F-00AA00C14882">
)xml" + kCabecalhoFormatado + R"xml( <Worksheet ss:Name="Dados" ss:Protected="0">
  <Table x:FullColumns="1" ss:DefaultRowHeight="15">
   <Column ss:Width="120"/>
   <Column ss:AutoFitWidth="0" ss:Width="60" ss:Span="1"/>
   <Row ss:Index="1" ss:Height="20" ss:StyleID="s21">
    <Cell ss:MergeAcross="2"><Data ss:Type="String">Vendas</Data></Cell>
   </Row>
   <Row ss:Index="2">
    <Cell><Data ss:Type="String">Item 1</Data></Cell>
    <Cell ss:StyleID="s21"><Data ss:Type="Number">1.5</Data><Comment ss:Author="Ana"><ss:Data>conferir</ss:Data></Comment></Cell>
   </Row>
   <Row ss:Index="3" ss:Height="18">
    <Cell ss:Index="2"><Data ss:Type="Number">7</Data></Cell>
   </Row>
   <Row ss:Index="4" ss:Height="18" ss:Span="1"/>
   <Row ss:Index="6">
    <Cell ss:StyleID="s21"></Cell>
    <Cell ss:Formula="=SUM(R2C2:R5C2)"><Data ss:Type="Number">8.5</Data></Cell>
    <Cell ss:StyleID="s21"></Cell>
   </Row>
  </Table>
  <WorksheetOptions xmlns="urn:schemas-microsoft-com:office:excel"><Selected/></WorksheetOptions>
 </Worksheet>
</Workbook>
)xml";

// Also when the file starts with the byte order mark some editors put before UTF-8 text, which the
// engine of our own took for text outside the workbook.
TEST(PastaEmbutida, GravacaoGuardaOFormatoDaPasta) {
  for (const std::string& marca : {std::string(), std::string("\xEF\xBB\xBF")}) {
    auto pasta = Carrega(marca + kPastaFormatada);
    ASSERT_NE(pasta, nullptr);
    ASSERT_TRUE(pasta->EscreveCelula("Valores", 1, 7.0));
    const std::string gravado = pasta->TextoXml();
    EXPECT_EQ(gravado, kPastaFormatadaGravada);
    auto relida = Carrega(gravado);
    ASSERT_NE(relida, nullptr);
    EXPECT_EQ(Le(*relida, "Total"), ValorPlanilha(8.5));
    EXPECT_EQ(relida->TextoXml(), gravado);
  }
}

// A value written where the formatting had none of its own: a cell a merge covered ends the merge
// short of it; a row inside a span of rows keeps their look, and so do the rows after it (a span
// never starts at a row with cells, whose cells a reader might repeat).
TEST(PastaEmbutida, ValorDentroDeMesclaOuDeLinhasRepetidas) {
  const struct {
    const char* nome;
    int i;
    std::vector<std::string> trechos;
  } casos[] = {
      {"Lado", 0,
       {"<Cell><Data ss:Type=\"String\">Vendas</Data></Cell>\n    <Cell><Data ss:Type=\"String\">x</Data></Cell>"}},
      {"Valores", 3,
       {"<Row ss:Index=\"3\" ss:Height=\"18\" ss:Span=\"1\"/>\n   <Row ss:Index=\"5\" ss:Height=\"18\">\n    <Cell ss:Index=\"2\">"}},
      {"Valores", 2,
       {"<Row ss:Index=\"3\" ss:Height=\"18\"/>\n   <Row ss:Index=\"4\" ss:Height=\"18\">\n    <Cell ss:Index=\"2\">",
        "</Row>\n   <Row ss:Index=\"5\" ss:Height=\"18\"/>\n   <Row ss:Index=\"6\">"}},
  };
  for (const auto& caso : casos) {
    auto pasta = Carrega(kPastaFormatada);
    ASSERT_NE(pasta, nullptr);
    ASSERT_TRUE(pasta->EscreveCelula(caso.nome, caso.i, std::string("x")));
    const std::string gravado = pasta->TextoXml();
    for (const std::string& trecho : caso.trechos) EXPECT_NE(gravado.find(trecho), std::string::npos) << trecho << "\n" << gravado;
    auto relida = Carrega(gravado);
    ASSERT_NE(relida, nullptr);
    EXPECT_EQ(Le(*relida, caso.nome, caso.i), ValorPlanilha(std::string("x")));
    EXPECT_EQ(Le(*relida, "Titulo"), ValorPlanilha(std::string("Vendas")));
    EXPECT_EQ(relida->TextoXml(), gravado);
  }
}

// The root's namespace declarations the workbook's start does not already make are carried over;
// none that a reader would take for a second one of those (it tells attributes apart by the name
// after the prefix: the fuzzer's findings, kept in its corpus).
TEST(PastaEmbutida, DeclaracoesDaRaizCarregadas) {
  const struct {
    std::string raiz;
    std::string a_mais;
  } casos[] = {
      {"<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" xmlns:x2=\"http://x2\">", " xmlns:x2=\"http://x2\""},
      {"<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" xmlns:c='urn:c' xmlns:html=\"http://h\" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">",
       " xmlns:c='urn:c'"},
      {"<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" xmlnsA:ss=\"u\" a:o=\"1\">", ""},
  };
  for (const auto& caso : casos) {
    auto pasta = Carrega(caso.raiz + "<Worksheet ss:Name=\"F\"/></Workbook>");
    ASSERT_NE(pasta, nullptr) << caso.raiz;
    const std::string gravado = pasta->TextoXml();
    const std::string esperado = " xmlns:html=\"http://www.w3.org/TR/REC-html40\"" + caso.a_mais + ">\n <Worksheet";
    EXPECT_NE(gravado.find(esperado), std::string::npos) << gravado;
    auto relida = Carrega(gravado);
    ASSERT_NE(relida, nullptr);
    EXPECT_EQ(relida->TextoXml(), gravado);
  }
}

// A file edited by hand and saved in Windows-1252 or ISO-8859-1, as its declaration says, is read
// and saved in UTF-8 (its formatting too); a file in another encoding is refused with the reason,
// never read into garbled values and saved as a file that spreadsheet programs refuse.
TEST(PastaEmbutida, CodificacaoDoArquivo) {
  const auto pasta_com = [](const std::string& declaracao, const std::string& texto) {
    return declaracao + "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\" "
                        "xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"><Names>"
                        "<NamedRange ss:Name=\"T\" ss:RefersTo=\"=F!R1C1\"/></Names><Styles><Style ss:ID=\"" +
           texto + "\"/></Styles><Worksheet ss:Name=\"F\"><Table><Row><Cell><Data ss:Type=\"String\">" + texto +
           "</Data></Cell></Row></Table></Worksheet></Workbook>";
  };
  for (const char* codificacao : {"ISO-8859-1", "windows-1252", "Latin1"}) {
    auto pasta = Carrega(pasta_com("<?xml version=\"1.0\" encoding=\"" + std::string(codificacao) + "\"?>\n", "Caf\xE9"));
    ASSERT_NE(pasta, nullptr) << codificacao;
    EXPECT_EQ(Le(*pasta, "T"), ValorPlanilha(std::string("Caf\xE9")));
    const std::string gravado = pasta->TextoXml();
    EXPECT_NE(gravado.find("<Style ss:ID=\"Caf\xC3\xA9\"/>"), std::string::npos) << gravado;
    EXPECT_NE(gravado.find(">Caf\xC3\xA9</Data>"), std::string::npos) << gravado;
  }
  const std::string prefixo = "a pasta n\xE3o \xE9 uma planilha XML leg\xEDvel (";
  const std::string sufixo = "; grave o arquivo em UTF-8)";
  const struct {
    std::string xml;
    std::string motivo;
  } recusadas[] = {
      {pasta_com("<?xml version=\"1.0\"?>\n", "Caf\xE9"), "linha 2: byte 0xE9 fora do UTF-8"},
      {pasta_com("<?xml version='1.0' encoding='UTF-16'?>", "a"), "codifica\xE7\xE3o 'UTF-16' n\xE3o lida"},
      {"\xFF\xFE<\0W\0", "o arquivo est\xE1 em UTF-16"},
      {pasta_com("", "Caf\xC3"), "linha 1: byte 0xC3 fora do UTF-8"},
  };
  for (const auto& caso : recusadas) {
    std::string erro;
    EXPECT_EQ(PastaEmbutida::CarregaTexto(caso.xml, erro), nullptr) << caso.motivo;
    EXPECT_EQ(erro, prefixo + caso.motivo + sufixo);
  }
}

// A workbook saved in Excel's binary format or zipped (.xlsx, .ods) under the workbook's name is
// told apart from a text in a wrong encoding, with the format to save it in.
TEST(PastaEmbutida, PastaBinariaOuCompactadaDizComoGravar) {
  const std::string gravar =
      ", n\xE3o uma planilha XML: abra-a e grave-a como \"XML Spreadsheet 2003\" (no LibreOffice, "
      "\"Planilha XML do Microsoft Excel 2003\")";
  const struct {
    std::string inicio;
    std::string tipo;
  } casos[] = {
      {std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0", 10), "uma planilha bin\xE1ria do Excel (.xls)"},
      {std::string("PK\x03\x04\x14\0\x06\0", 8) + "[Content_Types].xml", "uma planilha compactada (.xlsx ou .ods)"},
      {std::string("PK\x03\x04\n\0\0\0", 8) + "mimetypeapplication/vnd.oasis.opendocument.spreadsheet",
       "uma planilha compactada (.xlsx ou .ods)"},
  };
  for (const auto& caso : casos) {
    std::string erro;
    EXPECT_EQ(PastaEmbutida::CarregaTexto(caso.inicio, erro), nullptr);
    EXPECT_EQ(erro, "a pasta \xE9 " + caso.tipo + gravar);
  }
}

TEST(PastaEmbutida, GravacaoQueFalhaDeixaOArquivoAnterior) {
  test_support::TempFolder pasta_temp("pasta_embutida");
  const std::string caminho = pasta_temp.file("PlanilhaECF.xls");
  std::ofstream(caminho, std::ios::binary) << kPasta;
  std::string erro;
  auto pasta = PastaEmbutida::Carrega(caminho, erro);
  ASSERT_NE(pasta, nullptr) << erro;
  ASSERT_TRUE(pasta->EscreveCelula("Valores", 0, 99.0));

  compat::replace_file_fail_writes(true);
  const bool salvou = pasta->Salva(caminho, erro);
  compat::replace_file_fail_writes(false);
  EXPECT_FALSE(salvou);
  EXPECT_EQ(erro.rfind("N\xE3o foi poss\xEDvel gravar '" + caminho + "': ", 0), 0u) << erro;
  EXPECT_EQ(Conteudo(caminho), kPasta);

  // A folder the program may not write into (meaningless for root, who may write anywhere).
  if (geteuid() != 0) {
    ASSERT_EQ(chmod(pasta_temp.path().c_str(), 0555), 0);
    erro.clear();
    EXPECT_FALSE(pasta->Salva(caminho, erro));
    chmod(pasta_temp.path().c_str(), 0755);
    EXPECT_NE(erro.find("gravar"), std::string::npos);
    EXPECT_EQ(Conteudo(caminho), kPasta);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta_temp.path()), {}), 1) << "no temporary file left";
}

// The reason is in the message, and only there: nothing is printed on the standard error.
TEST(PastaEmbutida, ArquivoIlegivelDizPorque) {
  std::string erro;
  testing::internal::CaptureStderr();
  EXPECT_EQ(PastaEmbutida::CarregaTexto("isto nao e XML", erro), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_FALSE(erro.empty());
  // A file that stops short (a full disk, a copy cut off) is refused with its place: taken as it
  // is, a save would write back a workbook without its later sheets and names.
  const std::string pasta = kPasta;
  const struct {
    std::size_t ate;
    std::string motivo;
  } cortadas[] = {
      {pasta.find("</Worksheet>") + 12, "linha 21: o texto acaba dentro de <Workbook>"},
      {pasta.find("<Row>", pasta.find("ss:Name=\"Totais\"")), "linha 24: o texto acaba dentro de <Table>"},
      {pasta.rfind("</Workbook>"), "linha 31: o texto acaba dentro de <Workbook>"},
  };
  for (const auto& caso : cortadas) {
    erro.clear();
    EXPECT_EQ(PastaEmbutida::CarregaTexto(pasta.substr(0, caso.ate), erro), nullptr) << caso.ate;
    EXPECT_EQ(erro, "a pasta n\xE3o \xE9 uma planilha XML leg\xEDvel (" + caso.motivo + ")");
  }
  erro.clear();
  EXPECT_EQ(PastaEmbutida::Carrega("/nao/existe/PlanilhaECF.xls", erro), nullptr);
  EXPECT_EQ(erro.rfind("N\xE3o foi poss\xEDvel ler '/nao/existe/PlanilhaECF.xls': ", 0), 0u) << erro;
}

// LibreOffice converting arquivo of the folder with the filter given; false when it fails. Under the
// C locale, so that its text has decimal points whatever the machine's language.
bool ConverteComLibreOffice(const test_support::TempFolder& pasta, const std::string& arquivo, const std::string& filtro) {
  const std::string comando = "cd '" + pasta.path() + "' && HOME='" + pasta.path() + "' LC_ALL=C soffice --headless --convert-to '" +
                              filtro + "' " + arquivo + " >/dev/null 2>&1";
  return std::system(comando.c_str()) == 0;
}

// LibreOffice, when present, opens what we wrote and finds the same figures.
TEST(PastaEmbutida, LibreOfficeLeOQueGravamos) {
  if (std::system("command -v soffice >/dev/null 2>&1") != 0) GTEST_SKIP() << "soffice (LibreOffice) is not installed";
  test_support::TempFolder pasta_temp("pasta_embutida");
  auto pasta = Carrega();
  ASSERT_TRUE(pasta->EscreveCelula("Valores", 2, 10.0));
  std::string erro;
  ASSERT_TRUE(pasta->Salva(pasta_temp.file("PlanilhaECF.xml"), erro)) << erro;
  ASSERT_TRUE(ConverteComLibreOffice(pasta_temp, "PlanilhaECF.xml",
                                     "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1"));
  // The sheet "Totais" comes out as its own file; LibreOffice computes ROUND itself.
  const std::string totais = Conteudo(pasta_temp.file("PlanilhaECF-Totais.csv"));
  EXPECT_EQ(totais.substr(0, totais.find('\n')), "Soma,13.5,7.5,33,Total: 13.5");
}

// ... and sees the formatting a save carried over: the merged title in its taller row, the yellow
// style, the column widths.
TEST(PastaEmbutida, LibreOfficeVeOFormatoGuardado) {
  if (std::system("command -v soffice >/dev/null 2>&1") != 0) GTEST_SKIP() << "soffice (LibreOffice) is not installed";
  test_support::TempFolder pasta_temp("pasta_embutida");
  auto pasta = Carrega(kPastaFormatada);
  ASSERT_NE(pasta, nullptr);
  ASSERT_TRUE(pasta->EscreveCelula("Valores", 1, 7.0));
  std::string erro;
  ASSERT_TRUE(pasta->Salva(pasta_temp.file("PlanilhaECF.xml"), erro)) << erro;
  ASSERT_TRUE(ConverteComLibreOffice(pasta_temp, "PlanilhaECF.xml", "html"));
  const std::string html = Conteudo(pasta_temp.file("PlanilhaECF.html"));
  for (const char* trecho : {"<td colspan=3 height=\"27\" align=\"left\">Vendas</td>", "bgcolor=\"#FFFF00\" sdval=\"1.5\"", "sdval=\"7\"",
                             "sdval=\"8.5\"", "width=\"160\"", "width=\"80\""})
    EXPECT_NE(html.find(trecho), std::string::npos) << trecho << "\n" << html;
}

TEST(PlanilhaEmbutida, AbreSalvaEFechaAPastaAtiva) {
  test_support::TempFolder pasta_temp("pasta_embutida");
  const std::string caminho = pasta_temp.file("PlanilhaECF.xls");
  PlanilhaEmbutida planilha;
  planilha.AbrePasta(caminho);
  EXPECT_EQ(planilha.ContaPastas(), 0);
  EXPECT_NE(planilha.Erro().find(caminho), std::string::npos);

  std::ofstream(caminho, std::ios::binary) << kPasta;
  planilha.AbrePasta(caminho);
  ASSERT_EQ(planilha.ContaPastas(), 1) << planilha.Erro();
  EXPECT_EQ(planilha.Erro(), "");
  EXPECT_EQ(planilha.NomePastaAtiva(), "PlanilhaECF.xls");
  ResultadoMacro escrita = planilha.ExecutaMacro("'PlanilhaECF.xls'!DefineValor", {std::string("Valores[1]"), 5.0});
  EXPECT_EQ(escrita.valor, ValorPlanilha(true));
  EXPECT_EQ(planilha.ExecutaMacro("'PlanilhaECF.xls'!ObtemValor", {std::string("Soma")}).valor, ValorPlanilha(9.5));
  ResultadoMacro falha = planilha.ExecutaMacro("'PlanilhaECF.xls'!ObtemValor", {std::string("Arredonda")});
  EXPECT_EQ(falha.erro, "Totais!B2: a fun\xE7\xE3o ROUND n\xE3o \xE9 calculada pelo motor embutido");
  // Open here, it is no other program's: another opening waits, then fails saying why.
  PlanilhaEmbutida outra;
  outra.AbrePasta(caminho);
  EXPECT_EQ(outra.ContaPastas(), 0);
  EXPECT_NE(outra.Erro().find("aberta em outro programa"), std::string::npos) << outra.Erro();
  ASSERT_TRUE(planilha.Salva()) << planilha.Erro();
  planilha.FechaPastas();
  EXPECT_EQ(planilha.ContaPastas(), 0);
  EXPECT_FALSE(planilha.Salva());
  outra.AbrePasta(caminho);
  EXPECT_EQ(outra.ContaPastas(), 1) << outra.Erro();
  outra.FechaPastas();

  std::string erro;
  auto relida = PastaEmbutida::Carrega(caminho, erro);
  ASSERT_NE(relida, nullptr) << erro;
  EXPECT_EQ(Le(*relida, "Valores", 1), ValorPlanilha(5.0));
}

}  // namespace
}  // namespace tarnel
