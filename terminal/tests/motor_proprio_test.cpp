// The embedded engine of our own: what its formulas compute, as spreadsheets compute them, and long
// chains of formulas. The behaviour it shares with the other engine is in pasta_embutida_test.cpp.
#include <gtest/gtest.h>

#include <string>

#include "spreadsheet/embutido/pasta_embutida.h"

namespace tarnel {
namespace {

// Dados!A1:A6 hold 2, "abc", nothing, "5" (a text), TRUE and "T00"; Outra!A1 holds 10. The formula
// under test goes into Dados!E1, named F.
std::string Pasta(const std::string& formula) {
  return u8R"(<?xml version="1.0"?>
<Workbook xmlns="urn:schemas-microsoft-com:office:spreadsheet"
 xmlns:ss="urn:schemas-microsoft-com:office:spreadsheet">
 <Names>
  <NamedRange ss:Name="F" ss:RefersTo="=Dados!R1C5"/>
  <NamedRange ss:Name="Valor" ss:RefersTo="=Dados!R1C1"/>
  <NamedRange ss:Name="Coluna" ss:RefersTo="=Dados!R1C1:R6C1"/>
 </Names>
 <Worksheet ss:Name="Dados"><Table>
  <Row><Cell><Data ss:Type="Number">2</Data></Cell><Cell ss:Index="5" ss:Formula=")" +
         formula + u8R"("/></Row>
  <Row><Cell><Data ss:Type="String">abc</Data></Cell></Row>
  <Row ss:Index="4"><Cell><Data ss:Type="String">5</Data></Cell></Row>
  <Row><Cell><Data ss:Type="Boolean">1</Data></Cell></Row>
  <Row><Cell><Data ss:Type="String">T00</Data></Cell></Row>
 </Table></Worksheet>
 <Worksheet ss:Name="Outra"><Table><Row><Cell><Data ss:Type="Number">10</Data></Cell></Row></Table></Worksheet>
</Workbook>)";
}

// The value read from F as text ("n:7", "t:abc") or the error after "Dados!E1: ".
std::string Calcula(const std::string& formula) {
  std::string erro;
  auto pasta = PastaEmbutida::CarregaTexto(Pasta(formula), erro);
  if (pasta == nullptr) return "não carregou: " + erro;
  ValorPlanilha valor;
  if (!pasta->LeCelula("F", 0, valor, erro)) return erro.rfind("Dados!E1: ", 0) == 0 ? erro.substr(10) : erro;
  if (const auto* texto = std::get_if<std::string>(&valor)) return "t:" + *texto;
  if (const auto* numero = std::get_if<double>(&valor)) {
    std::string n = std::to_string(*numero);
    n.erase(n.find_last_not_of('0') + 1);
    if (n.back() == '.') n.pop_back();
    return "n:" + n;
  }
  return "outro tipo";
}

TEST(MotorProprio, FormulasComoAsPlanilhasCalculam) {
  const std::string erro = "a f\xF3rmula d\xE1 o erro ";
  const struct {
    std::string formula;  // as in the file: quotes and markup escaped
    std::string esperado;
  } casos[] = {
      {"=1+2*3-4/8", "n:6.5"},
      {"=(1+2)*-R1C1", "n:-6"},
      {"=RC[-4]*3", "n:6"},
      {"=R[1]C[-4]&amp;R1C1", "t:abc2"},
      {"=Valor*Valor", "n:4"},
      {"=R1C1+Outra!R1C1", "n:12"},
      {"=SUM('Outra'!R1C1:R9C1)", "n:10"},
      // An empty cell: 0 to arithmetic, "" to text, equal to both.
      {"=R3C1+1", "n:1"},
      {"=(R3C1=&quot;&quot;)+(R3C1=0)", "n:2"},
      {"=&quot;[&quot;&amp;R3C1&amp;&quot;]&quot;", "t:[]"},
      {"=R3C1", "n:0"},
      // Text that reads as a number counts as one; other text is no number.
      {"=R4C1+1", "n:6"},
      {"=R2C1+1", erro + "#VALUE!"},
      {"=-R2C1", erro + "#VALUE!"},
      {"=R5C1+R5C1", "n:2"},
      // Comparisons: numbers before texts, texts without letter case.
      {"=R2C1&gt;R1C1", "n:1"},
      {"=&quot;ABC&quot;=R2C1", "n:1"},
      {"=&quot;b&quot;&gt;=&quot;ABC&quot;", "n:1"},
      {"=R1C1&lt;&gt;R1C1", "n:0"},
      {"=R4C1=5", "n:0"},
      // IF runs only the branch it takes; without the third argument it gives FALSE.
      {"=IF(R1C1&gt;1,&quot;sim&quot;,&quot;n\xC3\xA3o&quot;)", "t:sim"},
      {"=IF(R3C1,1/0,7)", "n:7"},
      {"=IF(0,1)", "n:0"},
      {"=IF(R2C1,1,2)", erro + "#VALUE!"},
      {"=IF(1/0,1,2)", erro + "#DIV/0!"},
      {"=IF(R1C1,,3)", "n:0"},
      // INT rounds down; LEFT counts characters, not bytes.
      {"=INT(-2.5)", "n:-3"},
      {"=INT(2.99)", "n:2"},
      {"=INT(R4C1)", "n:5"},
      {"=LEFT(R6C1,1)&amp;LEFT(R6C1)", "t:TT"},
      {"=LEFT(&quot;a\xC3\xA7\xC3\xA3o&quot;,2)", "t:a\xE7"},
      {"=LEFT(R1C1*10,9)", "t:20"},
      {"=LEFT(R2C1,-1)", erro + "#VALUE!"},
      // SUM and MAX take the numbers of references (text and logical values left out) and convert
      // the values given directly.
      {"=SUM(Coluna)", "n:2"},
      {"=SUM(R1C1,R4C1,R5C1)", "n:2"},
      {"=SUM(&quot;5&quot;,TRUE,R1C1:R2C1)", "n:8"},
      // Whole columns and rows, given or relative to the formula's cell (column E, row 1).
      {"=SUM(C1)+SUM(Outra!R1)", "n:12"},
      {"=SUM(C[-4]:C[-3])*SUM(Outra!R[0]:R2)", "n:20"},
      {"=SUM(C[-5])", erro + "#REF!"},
      {"=MAX(-1,-3)", "n:-1"},
      {"=MAX(R3C1:R4C1)", "n:0"},
      {"=MAX(R1C1,1/0)", erro + "#DIV/0!"},
      {"=&quot;x&quot;&amp;0.1+0.2", "t:x0.3"},
      {"=&quot;x&quot;&amp;1/4", "t:x0.25"},
      // Errors: division by zero, unknown names and sheets, places outside the sheet, a cell that
      // depends on itself, a range where one value is wanted.
      {"=1/R3C1", erro + "#DIV/0!"},
      {"=Ninguem+1", erro + "#NAME?"},
      {"=Nenhuma!R1C1", erro + "#REF!"},
      {"=R[-1]C", erro + "#REF!"},
      {"=R1C5+1", erro + "#REF!"},
      {"=R1C1:R2C1+1", erro + "#VALUE!"},
      {"=#DIV/0!+1", erro + "#DIV/0!"},
      // Formulas the engine does not compute say why.
      {"=ROUND(R1C1,0)", "a fun\xE7\xE3o ROUND n\xE3o \xE9 calculada pelo motor embutido"},
      {"=IF(1,2,Vlookup(1,R1C1,1))", "a fun\xE7\xE3o VLOOKUP n\xE3o \xE9 calculada pelo motor embutido"},
      {"=1+", "o motor embutido n\xE3o calcula a f\xF3rmula (termina no meio)"},
      {"=(1", "o motor embutido n\xE3o calcula a f\xF3rmula (falta ')')"},
      {"=1 2", "o motor embutido n\xE3o calcula a f\xF3rmula (sobra '2')"},
      {"=INT(1,2)", "o motor embutido n\xE3o calcula a f\xF3rmula (INT com 2 argumentos)"},
      {"=&quot;sem fim", "o motor embutido n\xE3o calcula a f\xF3rmula (texto sem aspas de fim)"},
      {"=1+" + std::string(150, '(') + "1" + std::string(150, ')'),
       "o motor embutido n\xE3o calcula a f\xF3rmula (aninhada demais)"},
  };
  for (const auto& c : casos) EXPECT_EQ(Calcula(c.formula), c.esperado) << c.formula;
}

// A chain of formulas each on the one before, far longer than any call stack would take, computed
// and computed again after a write at its head; and a sum of as many terms.
TEST(MotorProprio, CadeiasLongasSemPilhaDeChamadas) {
  constexpr int kLinhas = 50000;
  std::string xml = u8R"(<Workbook><Names><NamedRange ss:Name="Inicio" ss:RefersTo="=F!R1C1"/>
    <NamedRange ss:Name="Fim" ss:RefersTo="=F!R50000C1"/><NamedRange ss:Name="Soma" ss:RefersTo="=F!R1C2"/>
    </Names><Worksheet ss:Name="F"><Table><Row><Cell><Data ss:Type="Number">1</Data></Cell><Cell ss:Formula="=1)";
  for (int k = 0; k < 5000; ++k) xml += "+1";
  xml += "\"/></Row>";
  for (int k = 1; k < kLinhas; ++k) xml += "<Row><Cell ss:Formula=\"=R[-1]C+1\"/></Row>";
  xml += "</Table></Worksheet></Workbook>";
  std::string erro;
  auto pasta = PastaEmbutida::CarregaTexto(xml, erro);
  ASSERT_NE(pasta, nullptr) << erro;
  ValorPlanilha valor;
  ASSERT_TRUE(pasta->LeCelula("Fim", 0, valor, erro)) << erro;
  EXPECT_EQ(valor, ValorPlanilha(double{kLinhas}));
  ASSERT_TRUE(pasta->EscreveCelula("Inicio", 0, 100.0));
  ASSERT_TRUE(pasta->LeCelula("Fim", 0, valor, erro)) << erro;
  EXPECT_EQ(valor, ValorPlanilha(double{kLinhas + 99}));
  ASSERT_TRUE(pasta->LeCelula("Soma", 0, valor, erro)) << erro;
  EXPECT_EQ(valor, ValorPlanilha(5001.0));
}

// A logical value written or read from the file stays one; a formula's logical result reads as the
// number it counts as, and both are written back as they were.
TEST(MotorProprio, ValoresLogicos) {
  std::string erro;
  auto pasta = PastaEmbutida::CarregaTexto(Pasta("=R5C1=TRUE"), erro);
  ASSERT_NE(pasta, nullptr) << erro;
  ValorPlanilha valor;
  ASSERT_TRUE(pasta->LeCelula("F", 0, valor, erro));
  EXPECT_EQ(valor, ValorPlanilha(1.0));
  ASSERT_TRUE(pasta->EscreveCelula("Valor", 0, false));
  ASSERT_TRUE(pasta->LeCelula("Valor", 0, valor, erro));
  EXPECT_EQ(valor, ValorPlanilha(false));
  const std::string texto = pasta->TextoXml();
  EXPECT_NE(texto.find("<Cell><Data ss:Type=\"Boolean\">0</Data></Cell>"), std::string::npos) << texto;
  EXPECT_NE(texto.find("<Cell ss:Index=\"5\" ss:Formula=\"=R5C1=TRUE\"><Data ss:Type=\"Number\">1</Data></Cell>"),
            std::string::npos)
      << texto;
}

// A reference given with two "=" is no range, and is saved as it came: a save that dropped one
// would make it a range in the file read next (the fuzzer's finding, kept in its corpus).
TEST(MotorProprio, ReferenciaComDoisIguaisVoltaComoVeio) {
  const std::string xml =
      "<Workbook><Names><NamedRange ss:Name=\"V\" ss:RefersTo=\"==F!R1C1:R2C1\"/></Names>"
      "<Worksheet ss:Name=\"F\"><Table><Row><Cell><Data ss:Type=\"Number\">2</Data></Cell></Row></Table>"
      "</Worksheet></Workbook>";
  std::string erro;
  auto pasta = PastaEmbutida::CarregaTexto(xml, erro);
  ASSERT_NE(pasta, nullptr) << erro;
  EXPECT_EQ(pasta->TamanhoNome("V"), -1);
  const std::string texto = pasta->TextoXml();
  EXPECT_NE(texto.find("ss:RefersTo=\"==F!R1C1:R2C1\""), std::string::npos) << texto;
  auto relida = PastaEmbutida::CarregaTexto(texto, erro);
  ASSERT_NE(relida, nullptr) << erro;
  EXPECT_EQ(relida->TextoXml(), texto);
}

// Workbooks the fuzzer found saved differently the second time (kept in its corpus): a root
// declaring the prefix "xmlns" (which only this engine reads without a default namespace), not
// carried over beside the default namespace the save declares, which a reader would take for the
// same attribute; a second table, whose rows this engine reads on after the first's, saved into the
// one table with its formatting; a span of rows without attributes, which gives them no look, not
// carried over.
TEST(MotorProprio, PastasEstranhasSalvasDuasVezesIguais) {
  const auto folha = [](const std::string& tabelas) {
    return "<Workbook><Worksheet ss:Name=\"F\">" + tabelas + "</Worksheet></Workbook>";
  };
  const struct {
    std::string xml, trecho;
    bool presente;
  } casos[] = {
      {"<Workbook xmlns:xmlns=\"v\"><Worksheet ss:Name=\"F\"/></Workbook>", "xmlns:xmlns", false},
      {folha("<Table><Row><Cell><Data ss:Type=\"Number\">1</Data></Cell></Row></Table>"
             "<Table><Row><Cell ss:StyleID=\"s1\"><Data ss:Type=\"Number\">2</Data></Cell></Row></Table>"),
       "  <Table>\n   <Row ss:Index=\"1\">\n    <Cell><Data ss:Type=\"Number\">1</Data></Cell>\n   </Row>\n"
       "   <Row ss:Index=\"2\">\n    <Cell ss:StyleID=\"s1\"><Data ss:Type=\"Number\">2</Data></Cell>\n"
       "   </Row>\n  </Table>\n",
       true},
      {folha("<Table><Row ss:Span=\"3\"><Cell><Data ss:Type=\"Number\">1</Data></Cell></Row>"
             "<Row ss:Index=\"1\"><Cell ss:Index=\"2\"><Data ss:Type=\"Number\">2</Data></Cell></Row></Table>"),
       "  <Table>\n   <Row ss:Index=\"1\">\n    <Cell><Data ss:Type=\"Number\">1</Data></Cell>\n"
       "    <Cell><Data ss:Type=\"Number\">2</Data></Cell>\n   </Row>\n  </Table>\n",
       true},
  };
  for (const auto& caso : casos) {
    std::string erro;
    auto pasta = PastaEmbutida::CarregaTexto(caso.xml, erro);
    ASSERT_NE(pasta, nullptr) << erro;
    const std::string texto = pasta->TextoXml();
    EXPECT_EQ(texto.find(caso.trecho) != std::string::npos, caso.presente) << texto;
    auto relida = PastaEmbutida::CarregaTexto(texto, erro);
    ASSERT_NE(relida, nullptr) << erro;
    EXPECT_EQ(relida->TextoXml(), texto);
  }
}

}  // namespace
}  // namespace tarnel
