// The engine of our own reading workbook files a person may have edited: what XML it accepts, and the
// reason, with its line, for what it refuses.
#include <gtest/gtest.h>

#include <string>

#include "spreadsheet/embutido/pasta_embutida.h"

namespace tarnel {
namespace {

std::string Folha(const std::string& linhas) {
  return "<Workbook><Names><NamedRange ss:Name=\"A\" ss:RefersTo=\"=F!R1C1:R1C3\"/></Names>"
         "<Worksheet ss:Name=\"F\"><Table>" + linhas + "</Table></Worksheet></Workbook>";
}

TEST(LeitorXml, TextoMalformadoDizOQueEOnde) {
  const std::string prefixo = "a pasta n\xE3o \xE9 uma planilha XML leg\xEDvel (";
  const struct {
    std::string xml;
    std::string motivo;
  } casos[] = {
      {"", "linha 1: nenhum elemento"},
      {"  \n<!-- s\xC3\xB3 -->", "linha 2: nenhum elemento"},
      {"<Workbook>", "linha 1: o texto acaba dentro de <Workbook>"},
      {"<Workbook>\n</Worksheet>", "linha 2: </Worksheet> n\xE3o fecha <Workbook>"},
      {"<Workbook/><Workbook/>", "linha 1: um segundo elemento principal <Workbook>"},
      {"texto<Workbook/>", "linha 1: texto fora do elemento principal"},
      {"<Workbook a=1/>", "linha 1: valor de atributo sem aspas"},
      {"<Workbook a=\"1/>", "linha 1: valor de atributo sem fim"},
      {"<Workbook a=\"1\" a=\"2\"/>", "linha 1: atributo repetido 'a'"},
      {"<Workbook a/>", "linha 1: atributo malformado em <Workbook>"},
      {"<Workbook", "linha 1: <Workbook sem '>'"},
      {"<Workbook><", "linha 1: '<' sem nome de elemento"},
      {"<Workbook>&nada;</Workbook>", "linha 1: entidade desconhecida '&nada;'"},
      {"<Workbook>&#0;</Workbook>", "linha 1: entidade desconhecida '&#0;'"},
      {"<Workbook>&#xD800;</Workbook>", "linha 1: entidade desconhecida '&#xD800;'"},
      {"<Workbook>&amp</Workbook>", "linha 1: '&' sem ';'"},
      // Control characters XML forbids, which no file could hold when written back.
      {std::string("<Workbook>\n<Data>a\0b</Data></Workbook>", 38), "linha 2: caractere de controle 0x00 no texto"},
      {"<Workbook a=\"=\x08\"/>", "linha 1: caractere de controle 0x08 no texto"},
      {"<Workbook><![CDATA[\x1F]]></Workbook>", "linha 1: caractere de controle 0x1F no texto"},
      {"<Workbook a=\"<\"/>", "linha 1: '<' dentro de um valor"},
      {"<Workbook><!-- aberto", "linha 1: coment\xE1rio sem fim"},
      {"<Workbook><![CDATA[x", "linha 1: CDATA sem fim"},
      {"<!DOCTYPE w [<!ENTITY e \"x\">]><Workbook/>", "linha 1: declara\xE7\xF5" "es de tipo de documento n\xE3o s\xE3o lidas"},
      // Well-formed, but no workbook.
      {"<Table/>", "o elemento principal \xE9 <Table>, n\xE3o <Workbook>"},
      {"<Workbook><Worksheet/></Workbook>", "Worksheet sem ss:Name"},
      {"<Workbook><Worksheet ss:Name=\"F\"/><Worksheet ss:Name=\"f\"/></Workbook>", "duas planilhas chamadas 'f'"},
      {"<Workbook><Names><NamedRange ss:Name=\"A\"/></Names></Workbook>", "NamedRange sem ss:Name ou ss:RefersTo"},
      {Folha("<Row ss:Index=\"0\"/>"), "linha com ss:Index inv\xE1lido '0'"},
      {Folha("<Row ss:Index=\"1048577\"/>"), "linha al\xE9m do fim da planilha"},
      {Folha("<Row><Cell ss:Index=\"2x\"/></Row>"), "c\xE9lula com ss:Index inv\xE1lido '2x'"},
      {Folha("<Row><Cell ss:Index=\"16385\"/></Row>"), "c\xE9lula al\xE9m do fim da planilha"},
      {Folha("<Row ss:Index=\"3\"><Cell ss:Index=\"2\"><Data ss:Type=\"Number\">1,5</Data></Cell></Row>"),
       "n\xFAmero inv\xE1lido '1,5' na c\xE9lula da linha 3, coluna 2 de 'F'"},
      {Folha("<Row><Cell><Data ss:Type=\"Boolean\">sim</Data></Cell></Row>"),
       "l\xF3gico inv\xE1lido 'sim' na c\xE9lula da linha 1, coluna 1 de 'F'"},
      {Folha("<Row><Cell><Data ss:Type=\"DateTime\">2024-01-01</Data></Cell></Row>"),
       "tipo de dado 'DateTime' n\xE3o lido, na c\xE9lula da linha 1, coluna 1 de 'F'"},
  };
  for (const auto& c : casos) {
    std::string erro;
    EXPECT_EQ(PastaEmbutida::CarregaTexto(c.xml, erro), nullptr) << c.xml;
    EXPECT_EQ(erro, prefixo + c.motivo + ")") << c.xml;
  }
  std::string erro;
  EXPECT_EQ(PastaEmbutida::CarregaTexto("<Workbook/>", erro), nullptr);
  EXPECT_EQ(erro, "a pasta n\xE3o tem nenhuma planilha");
}

// Entities, character references, CDATA, comments, line ends and rich text inside Data; columns
// placed by ss:Index and ss:MergeAcross; what the engine has no use for passed over.
TEST(LeitorXml, TextosEPosicoesComoOArquivoDiz) {
  const std::string xml = u8R"(<?xml version="1.0"?>
<!DOCTYPE Workbook>
<ss:Workbook xmlns:ss="urn:schemas-microsoft-com:office:spreadsheet" xmlns:html="http://www.w3.org/TR/REC-html40">
 <Styles><Style ss:ID="s1"><Font ss:Bold="1"/></Style></Styles>
 <ss:Names><ss:NamedRange ss:Name='A' ss:RefersTo='=F!R1C1:R1C4'/></ss:Names>
 <Worksheet ss:Name="F"><Table ss:ExpandedRowCount="1">
  <Column ss:Width="80"/>
  <Row><Cell ss:MergeAcross="1"><ss:Data ss:Type="String">a&lt;&#233;&#x4E2D;<![CDATA[<&>]]><!-- x --></ss:Data></Cell>
   <Cell><Data ss:Type="String"><html:B>negrito</html:B> e
 mais</Data></Cell><Cell ss:Formula="=&quot;l1&#10;l2&quot;&amp;'F'!RC[-3]" ss:StyleID="s1"/></Row>
 </Table><WorksheetOptions><Selected/></WorksheetOptions></Worksheet>
</ss:Workbook>
)";
  std::string erro;
  auto pasta = PastaEmbutida::CarregaTexto(xml, erro);
  ASSERT_NE(pasta, nullptr) << erro;
  const std::string primeira = "a<\xE9?<&>";
  const ValorPlanilha esperados[] = {primeira, std::string(), std::string("negrito e\n mais"),
                                     std::string("l1\nl2") + primeira};
  for (int i = 0; i < 4; ++i) {
    ValorPlanilha valor;
    ASSERT_TRUE(pasta->LeCelula("A", i, valor, erro)) << i << ": " << erro;
    EXPECT_EQ(valor, esperados[i]) << i;
  }
}

}  // namespace
}  // namespace tarnel
