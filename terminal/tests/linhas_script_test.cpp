// A command file read back: the line reader's byte rules and the line kinds with their columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scripts/classifica_linha.h"
#include "scripts/leitor_linhas.h"

namespace tarnel {
namespace {

using Textos = std::vector<std::string>;

// Every line the reader gives, an empty one written as "<vazia>".
Textos Le(const std::string& conteudo) {
  FonteTexto fonte(conteudo);
  LeitorLinhas leitor(fonte);
  Textos linhas;
  std::string linha;
  for (Leitura l; (l = leitor.LeLinha(linha)) != Leitura::Fim;)
    linhas.push_back(l == Leitura::Vazia ? "<vazia>" : linha);
  return linhas;
}

TEST(LeitorLinhas, FinsDeLinha) {
  const struct {
    const char* caso;
    std::string conteudo;
    Textos linhas;
  } casos[] = {
      {"CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"LF", "a\nb\n", {"a", "b"}},
      {"CR alone takes the next byte", "ab\rcd\n", {"ab", "d"}},
      {"CR CR", "a\r\rb", {"a", "b"}},
      {"last line without end", "a\r\nb", {"a", "b"}},
      {"empty lines count as none", "\n\r\na\n\n", {"<vazia>", "<vazia>", "a", "<vazia>"}},
      {"empty file", "", {}},
      {"CR at the very end", "a\r", {"a"}},
      {"binary bytes stay", std::string("\x00\xff\x01", 3) + "\n", {std::string("\x00\xff\x01", 3)}},
  };
  for (const auto& c : casos) EXPECT_EQ(Le(c.conteudo), c.linhas) << c.caso;
}

TEST(LeitorLinhas, LinhaLongaCortada) {
  const std::string longa(kTamanhoLinhaScript + 10, 'x');
  EXPECT_EQ(Le(longa + "\r\nseguinte\r\n"), (Textos{std::string(kTamanhoLinhaScript, 'x'), "seguinte"}));
  // Exactly the limit: the line end that follows is skipped with the rest.
  const std::string exata(kTamanhoLinhaScript, 'y');
  EXPECT_EQ(Le(exata + "\nz"), (Textos{exata, "z"}));
  // The skip runs to the next LF: a lone CR after the cut does not end it.
  EXPECT_EQ(Le(longa + "\rperdida\nz"), (Textos{std::string(kTamanhoLinhaScript, 'x'), "z"}));
  EXPECT_EQ(Le(std::string(kTamanhoLinhaScript - 1, 'w') + "\nz"), (Textos{std::string(kTamanhoLinhaScript - 1, 'w'), "z"}));
  // Ten megabytes on one line, without an end.
  const Textos enorme = Le(std::string(10 * 1024 * 1024, 'q'));
  ASSERT_EQ(enorme.size(), 1u);
  EXPECT_EQ(enorme[0].size(), kTamanhoLinhaScript);
}

TEST(LeitorLinhas, LinhaDevolvidaDepoisDeOlharAdiante) {
  FonteTexto fonte("um\r\n\r\ndois");
  LeitorLinhas leitor(fonte);
  std::string linha;
  ASSERT_EQ(leitor.LeLinha(linha), Leitura::Linha);
  // Each kind of look-ahead is read again with its own number once given back: an empty line, a
  // line, the end.
  const struct {
    Leitura leitura;
    const char* linha;
    long numero;
  } adiante[] = {{Leitura::Vazia, "", 2}, {Leitura::Linha, "dois", 3}, {Leitura::Fim, "", 3}};
  for (const auto& a : adiante) {
    const long antes = leitor.NumeroLinha();
    ASSERT_EQ(leitor.LeLinha(linha), a.leitura) << a.linha;
    leitor.Devolve();
    EXPECT_EQ(leitor.NumeroLinha(), antes) << a.linha;
    ASSERT_EQ(leitor.LeLinha(linha), a.leitura) << a.linha;
    EXPECT_EQ(linha, a.linha);
    EXPECT_EQ(leitor.NumeroLinha(), a.numero) << a.linha;
  }
}

TEST(ClassificaLinha, PrimeiroCaractereEColunas) {
  const std::string carimbo = "09/12/2026 10:11:12.345 ";
  const struct {
    std::string linha;
    TipoLinha tipo;
  } casos[] = {
      {"; comentario", TipoLinha::Comentario},
      {";", TipoLinha::Comentario},
      {"$Pausa", TipoLinha::Diretiva},
      {"$", TipoLinha::Diretiva},
      {carimbo + "-> ", TipoLinha::Ignorada},  // 27 characters
      {carimbo + "-> {", TipoLinha::Comando},
      {carimbo + "<- {", TipoLinha::Resposta},
      {carimbo + "-- {", TipoLinha::Ignorada},
      {carimbo + "?? {", TipoLinha::Resposta},  // unknown marker: a reply
      {carimbo + ">- {", TipoLinha::Resposta},
      {"", TipoLinha::Ignorada},
      {" ;x" + std::string(40, ' '), TipoLinha::Resposta},
      {std::string(24, ' ') + "-> " + std::string(1, ';'), TipoLinha::Comando},
  };
  for (const auto& c : casos) EXPECT_EQ(ClassificaLinha(c.linha), c.tipo) << c.linha;
  EXPECT_EQ(RegistroDaLinha(carimbo + "-> {0;AbreGaveta;;}"), "{0;AbreGaveta;;}");
  EXPECT_EQ(RegistroDaLinha(carimbo + "->"), "");
}

}  // namespace
}  // namespace tarnel
