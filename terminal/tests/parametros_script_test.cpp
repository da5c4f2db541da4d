// A replayed command's record: the name and reply code fields, the parameter list, the value rule
// with stored values and the program's clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quorbal/catalogo.h"
#include "scripts/lista_parametros.h"
#include "scripts/registro_script.h"
#include "scripts/valor_parametro.h"
#include "test_support/fixed_clock.h"

namespace tarnel {
namespace {

using Textos = std::vector<std::string>;

// The items read, as "name=[value]", and whether the list was free of syntax errors.
std::pair<bool, Textos> Itens(const std::string& lista) {
  std::vector<quorbal::Item> itens;
  const bool ok = LeListaParametros(lista, itens);
  Textos textos;
  for (const auto& item : itens) textos.push_back(item.nome + "=[" + item.valor + "]");
  return {ok, textos};
}

TEST(ListaParametros, ItensComoGravados) {
  const struct {
    const char* lista;
    bool ok;
    Textos itens;
  } casos[] = {
      {"", true, {}},
      {";}", true, {}},
      {"Tempo=100;}", true, {"Tempo=[100]"}},
      {"A=1 B=2\tC=3;}", true, {"A=[1]", "B=[2]", "C=[3]"}},
      {"  A = 1 ;}", true, {"A=[1]"}},                              // blanks around "="
      {"A=\"dois  tres\" B=4;}", true, {"A=[dois  tres]", "B=[4]"}},
      {"A=\"a\\\"b\\\\\";}", true, {"A=[a\"b\\]"}},                 // escapes read as the execute path wrote them
      {"A=\"x;}\" B=1;}", true, {"A=[x;}]", "B=[1]"}},
      {"A=\"um\\r\\ndois\";}", true, {"A=[um\r\ndois]"}},  // line breaks as the record reader reads them
      {"A=\"x\"lixo B=1;}", true, {"A=[x]", "B=[1]"}},             // the rest of the token is skipped
      {"A=#01/02/2003# B=#10:11:12#;}", true, {"A=[01/02/2003]", "B=[10:11:12]"}},
      {"A=#qualquer coisa#;}", true, {"A=[qualquer coisa]"}},
      {"A=\"sem fim", true, {}},                                   // open quote: item not taken
      {"A=1 B=#sem fim", true, {"A=[1]"}},
      {"A=1 -B=2;}", true, {"A=[1]"}},                             // a name must start with a letter, digit or "_"
      {"A=;}", true, {"A=[]"}},
      {"A=", true, {"A=[]"}},
      {"A=1 B 2;}", false, {"A=[1]"}},                             // missing "="
      {"A;}", false, {}},
      {"A", false, {}},
      {"\r\n A=1", true, {"A=[1]"}},
  };
  for (const auto& c : casos) {
    const auto [ok, itens] = Itens(c.lista);
    EXPECT_EQ(ok, c.ok) << c.lista;
    EXPECT_EQ(itens, c.itens) << c.lista;
  }
}

TEST(ListaParametros, NomeGuardaTrintaCaracteres) {
  const std::string longo(35, 'N');
  EXPECT_EQ(Itens(longo + "=1;}").second, (Textos{std::string(30, 'N') + "=[1]"}));
}

TEST(RegistroScript, CampoDoNomeEFimDosItens) {
  const struct {
    const char* registro;
    bool ok;
    const char* campo;
    const char* resto;  // from the index after the field's separator
  } casos[] = {
      {"{0;AbreGaveta;Tempo=1;}", true, "AbreGaveta", "Tempo=1;}"},
      {"{0 AbreGaveta Tempo=1;}", true, "AbreGaveta", "Tempo=1;}"},
      {"{0;LeituraX;;}", true, "LeituraX", ";}"},
      {"{0;-1;NomeErro=\"E\";}", true, "-1", "NomeErro=\"E\";}"},
      {"{0;AbreGaveta", false, "", ""},
      {"{0;", false, "", ""},
      {"{0", false, "", ""},
      {"", false, "", ""},
      {"{", false, "", ""},
      {"x;;;", true, "", ";"},
  };
  for (const auto& c : casos) {
    std::string campo;
    std::size_t depois = 0;
    ASSERT_EQ(LeCampoRegistro(c.registro, campo, depois), c.ok) << c.registro;
    if (!c.ok) continue;
    EXPECT_EQ(campo, c.campo) << c.registro;
    EXPECT_EQ(std::string(c.registro).substr(depois), c.resto) << c.registro;
  }
  EXPECT_EQ(FimItensRegistro("A=1;}", 0), 3u);
  EXPECT_EQ(FimItensRegistro("A=\"x;\\\"}\"}", 0), 9u);
  EXPECT_EQ(FimItensRegistro("A=\"x;}", 0), std::string::npos);
  EXPECT_EQ(FimItensRegistro("A=1", 0), std::string::npos);
  EXPECT_EQ(FimItensRegistro("A=\"\\", 0), std::string::npos);
}

TEST(ValorParametro, ValoresArmazenadosEClock) {
  const test_support::FixedClock relogio(test_support::moment(2026, 3, 4, 5, 6, 7, 890));
  EXPECT_EQ(DataDeHoje(), "04/03/2026");
  EXPECT_EQ(HoraAtual(), "05:06:07");

  EstadoScript estado{OpcoesScript{}};
  estado.NomesArmazenados = {"valor", "Data", "Hora", "Texto", "Valor", "Pendente"};
  estado.ValoresArmazenados = {"1.234.5", "", "", "", "9", "x"};
  const quorbal::DescritorCampo moeda{"Valor", quorbal::kMoeda, 8, 2, 0}, data{"Data", quorbal::kData, 4, 0, 0},
      hora{"Hora", quorbal::kHora, 4, 0, 0}, texto{"Texto", quorbal::kString, 20, 0, 0},
      outro{"Outro", quorbal::kString, 20, 0, 0}, string_valor{"Valor", quorbal::kString, 20, 0, 0};
  const struct {
    const quorbal::DescritorCampo& campo;
    const char* nome;
    const char* esperado;
  } casos[] = {
      {moeda, "Valor", "12345"},          // the first stored name, case ignored; "." removed for moeda
      {string_valor, "Valor", "1.234.5"},  // kept for other types
      {data, "Data", "04/03/2026"},       // empty stored text: today
      {hora, "Hora", "05:06:07"},
      {texto, "Texto", "gravado"},        // empty stored text, other type: the recorded value
      {outro, "Outro", "gravado"},        // nothing stored for the name
  };
  for (const auto& c : casos) EXPECT_EQ(ValorParametro(estado, c.campo, c.nome, "gravado"), c.esperado) << c.nome;
  // Lists out of step never read past the values.
  estado.ValoresArmazenados.resize(2);
  EXPECT_EQ(ValorParametro(estado, texto, "Texto", "gravado"), "gravado");
}

}  // namespace
}  // namespace tarnel
