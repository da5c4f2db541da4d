// tarnel-cli run end to end: a session recorded with tarnel-cli shell --log replays on a fresh
// emulated printer; an edited reply is a difference, printed and in the JUnit report.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "cli_programa.h"
#include "compat/clock.h"

namespace {

using namespace teste_cli;
using test_support::write_bytes;

class Run : public ::testing::Test {
 protected:
  // Records the session into arquivo, then leaves the folder as a fresh printer would find it.
  void Grava(const std::string& arquivo, const std::string& sessao) {
    const Execucao e = RodaCli(pasta, {"shell", "--log", arquivo}, DROVIK_ARQUIVO, &sessao);
    ASSERT_EQ(e.status, 0) << e.mensagens;
    ImpressoraNova();
  }
  // Removes every file but the command files: the emulated printer's state goes with them.
  void ImpressoraNova() {
    for (const auto& entrada : std::filesystem::directory_iterator(pasta.path())) {
      const std::string nome = entrada.path().filename().string();
      if (entrada.is_regular_file() && nome.find(".RMT") == std::string::npos) std::filesystem::remove(entrada.path());
    }
  }
  // Replaces the first occurrence of de in the file by para.
  void Edita(const std::string& arquivo, const std::string& de, const std::string& para) {
    std::string bytes = read_bytes(pasta.file(arquivo));
    const std::size_t pos = bytes.find(de);
    ASSERT_NE(pos, std::string::npos) << bytes;
    write_bytes(pasta.file(arquivo), bytes.replace(pos, de.size(), para));
  }
  Execucao Roda(const std::vector<std::string>& argumentos) {
    std::vector<std::string> todos{"run"};
    todos.insert(todos.end(), argumentos.begin(), argumentos.end());
    return RodaCli(pasta, todos);
  }

  TempFolder pasta{"tarnel-test", TempFolder::enter | TempFolder::user_folders};
  const std::string sessao =
      "AbreGaveta TempoAcionamentoGaveta=100\n"
      u8"EscreveTexto NomeTexto=TextoLivre ValorTexto=\"Feijão <tipo 1>\"\n"
      "LeTexto NomeTexto=TextoLivre\n"
      "sair\n";
};

TEST_F(Run, GravadoReproduzSemDiferenca) {
  Grava("dia.RMT", sessao);
  const Execucao e = Roda({"dia.RMT", "--relatorio", "dia.xml"});
  EXPECT_EQ(e.status, 0) << e.saida << e.mensagens;
  EXPECT_EQ(e.mensagens, "");
  EXPECT_EQ(e.saida, u8"dia.RMT: linha 3, 1 comandos\n"
                     u8"dia.RMT: linha 5, 2 comandos\n"
                     u8"dia.RMT: linha 7, 3 comandos\n"
                     u8"dia.RMT: executado até o fim, 3 comandos, 0 diferenças\n");
  EXPECT_EQ(read_bytes(pasta.file("dia.xml")),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<testsuites>\n"
            "  <testsuite name=\"dia.RMT\" tests=\"3\" failures=\"0\" errors=\"0\">\n"
            "    <testcase classname=\"dia.RMT\" name=\"linha 3 AbreGaveta\"/>\n"
            "    <testcase classname=\"dia.RMT\" name=\"linha 5 EscreveTexto\"/>\n"
            "    <testcase classname=\"dia.RMT\" name=\"linha 7 LeTexto\"/>\n"
            "  </testsuite>\n"
            "</testsuites>\n");
}

// A text of quotes: each doubles when recorded, and the lines of the command and of its reply pass
// 4 KiB. They are read back whole, and replay equal.
TEST_F(Run, LinhasLongasGravadasReproduzemIguais) {
  std::string aspas;
  for (int i = 0; i < 2100; ++i) aspas += "\\\"";
  Grava("longa.RMT", "EscreveTexto NomeTexto=TextoLivre ValorTexto=\"" + aspas + "\"\nLeTexto NomeTexto=TextoLivre\nsair\n");
  std::size_t maior = 0;
  const std::string gravado = read_bytes(pasta.file("longa.RMT"));
  for (std::size_t inicio = 0, fim; (fim = gravado.find('\n', inicio)) != std::string::npos; inicio = fim + 1)
    maior = std::max(maior, fim - inicio);
  ASSERT_GT(maior, 4096u);
  const Execucao e = Roda({"longa.RMT"});
  EXPECT_EQ(e.status, 0) << e.mensagens;
  EXPECT_EQ(e.saida.substr(e.saida.rfind("longa.RMT:")), u8"longa.RMT: executado até o fim, 2 comandos, 0 diferenças\n");
}

TEST_F(Run, RespostaEditadaEhDiferencaImpressaENoRelatorio) {
  Grava("dia.RMT", sessao);
  Edita("dia.RMT", "{0;0;ValorTexto=", "{0;0;ValorTexto=\"Arroz\" Antes=");
  Edita("dia.RMT", "{0;AbreGaveta;", "{0;AbreGaveta;}\r\n$NomePasso Gaveta & texto\r\n; {0;x;");
  const Execucao e = Roda({"--relatorio", "dia.xml", "dia.RMT"});
  EXPECT_EQ(e.status, 1);
  const std::string recebido = u8"ValorTexto=\"Feijão <tipo 1>\"";
  const std::string gravado = "ValorTexto=\"Arroz\" Antes=" + recebido.substr(recebido.find('"'));
  EXPECT_EQ(e.saida, u8"dia.RMT: linha 3, 1 comandos\n"
                     u8"dia.RMT: linha 7, 2 comandos\n"
                     u8"dia.RMT:9: Gaveta & texto: Pausado por Retorno(s) diferir(em) do original:\n"
                     u8"  Comando 'LeTexto' com Retorno diferente.\n"
                     u8"  Retorno Original: " + gravado + "\n"
                     u8"  Retorno Recebido: " + recebido + "\n"
                     u8"  Continuar ? Não\n"
                     u8"dia.RMT:9: passo Gaveta & texto, comando LeTexto\n"
                     u8"  gravado:  0 " + gravado + "\n"
                     u8"  recebido: 0 " + recebido + "\n"
                     u8"dia.RMT: linha 9, 3 comandos\n"
                     u8"dia.RMT: parado na linha 9, 3 comandos, 1 diferenças\n");
  const std::string xml = read_bytes(pasta.file("dia.xml"));
  const std::string falha_gravado = u8"ValorTexto=&quot;Arroz&quot; Antes=&quot;Feijão &lt;tipo 1&gt;&quot;";
  const std::string falha_recebido = u8"ValorTexto=&quot;Feijão &lt;tipo 1&gt;&quot;";
  EXPECT_NE(xml.find("  <testsuite name=\"dia.RMT\" tests=\"3\" failures=\"1\" errors=\"0\">\n"
                     "    <testcase classname=\"dia.RMT\" name=\"linha 3 AbreGaveta\"/>\n"
                     "    <testcase classname=\"dia.RMT\" name=\"linha 7 [Gaveta &amp; texto] EscreveTexto\"/>\n"
                     "    <testcase classname=\"dia.RMT\" name=\"linha 9 [Gaveta &amp; texto] LeTexto\">\n"
                     "      <failure message=\"Resposta diferente da gravada\">"
                     "Gaveta &amp; texto: Pausado por Retorno(s) diferir(em) do original:\n"
                     "  Comando &apos;LeTexto&apos; com Retorno diferente.\n"
                     "  Retorno Original: " + falha_gravado + "\n"
                     "  Retorno Recebido: " + falha_recebido + "\n"
                     u8"  Continuar ? Não\n"
                     "gravado:  0 " + falha_gravado + "\n"
                     "recebido: 0 " + falha_recebido + "</failure>\n"
                     "    </testcase>\n"
                     "  </testsuite>\n"),
            std::string::npos)
      << xml;
}

// A command file's control characters are shown, not sent to the terminal: here sequences that
// would retitle it, by ESC and by the 8-bit OSC.
TEST_F(Run, CaracteresDeControleDoArquivoAparecemSemAgir) {
  Grava("dia.RMT", sessao);
  Edita("dia.RMT", "{0;0;ValorTexto=", "{0;0;ValorTexto=\"\x1B]0;titulo\x07\x9D" "0;outro\x90\" Antes=");
  const Execucao e = Roda({"dia.RMT"});
  EXPECT_EQ(e.status, 1);
  for (const char* controle : {"\x1B", "\x07", "\xC2\x9D", "\xC2\x90"})
    EXPECT_EQ(e.saida.find(controle), std::string::npos) << e.saida;
  EXPECT_NE(e.saida.find("Retorno Original: ValorTexto=\"^[]0;titulo^GM-^]0;outroM-^P\" Antes="), std::string::npos)
      << e.saida;
}

// The policy: nao stops the file and the next one runs; parar runs no further file; sim goes on.
TEST_F(Run, PoliticaDeResposta) {
  Grava("a.RMT", sessao);
  Edita("a.RMT", "{0;0;ValorTexto=", "{0;0;ValorTexto=\"x\" X=");
  write_bytes(pasta.file("b.RMT"), read_bytes(pasta.file("a.RMT")));
  struct Caso {
    const char* resposta;
    const char* final;
  } casos[] = {
      {"nao", u8"b.RMT: parado na linha 7, 3 comandos, 1 diferenças\n"},
      {"parar", u8"a.RMT: parado na linha 7, 3 comandos, 1 diferenças\n1 arquivo(s) não executado(s).\n"},
      {"sim", u8"b.RMT: executado até o fim, 3 comandos, 1 diferenças\n"},
  };
  for (const Caso& c : casos) {
    const Execucao e = Roda({"a.RMT", "b.RMT", "--responder", c.resposta});
    EXPECT_EQ(e.status, 1) << c.resposta;
    const std::string fim(c.final);
    ASSERT_GE(e.saida.size(), fim.size()) << e.saida;
    EXPECT_EQ(e.saida.substr(e.saida.size() - fim.size()), fim) << c.resposta << "\n" << e.saida;
  }
}

// A pause shows the recorded reply beside the one received, also when replies are not compared.
TEST_F(Run, PausaPorErroMostraARespostaGravada) {
  Grava("e.RMT", "AbreCupomFiscal\nAbreCupomFiscal\nsair\n");
  const Execucao e = Roda({"e.RMT", "--pausar-erro", "--responder", "sim"});
  const std::size_t gravado = e.saida.find("gravado:  ");
  ASSERT_NE(gravado, std::string::npos) << e.saida;
  const std::size_t fim = e.saida.find('\n', gravado);
  const std::string resposta = e.saida.substr(gravado + 10, fim - gravado - 10);
  EXPECT_NE(resposta.find_first_not_of(' '), std::string::npos) << e.saida;  // not blank
  EXPECT_EQ(e.saida.substr(fim + 1, 12 + resposta.size()), "  recebido: " + resposta) << e.saida;
  EXPECT_NE(read_bytes(pasta.file("e.RMT")).find("{0;" + resposta.substr(0, resposta.find(' ')) + ";"), std::string::npos);
}

TEST_F(Run, ErroDeScriptFazFalharMasOArquivoSegue) {
  write_bytes(pasta.file("s.RMT"), "$NomePasso leitura\r\n$NaoMostrarErrosScript\r\n$Desconhecida\r\n$MostrarErrosScript\r\n$Desconhecida\r\n");
  const Execucao e = Roda({"s.RMT"});
  EXPECT_EQ(e.status, 1);
  EXPECT_EQ(e.saida, u8"s.RMT:5: Erro de Script: '$Desconhecida' desconhecido.\n"
                     u8"s.RMT: executado até o fim, 0 comandos, 0 diferenças, 1 outra falha\n");
}

// The reading directives run the readings on the printer: the file named in the line (or the
// reading's own), its readable copy, and the announcement among the run's lines.
TEST_F(Run, DiretivasDeLeituraGravamOsArquivos) {
  write_bytes(pasta.file("s.RMT"), "$LMFD NomeArquivo=\"fita.txt\" COOInicial=1 COOFinal=1\r\n$LMF ReducaoInicial=1 "
                                   "ReducaoFinal=1\r\n");
  ASSERT_EQ(RodaCli(pasta, {"exec", "AbreCupomFiscal"}).status, 0);
  ASSERT_EQ(RodaCli(pasta, {"exec", "CancelaCupom"}).status, 0);
  const Execucao e = Roda({"s.RMT"});
  EXPECT_EQ(e.status, 0) << e.saida;
  EXPECT_EQ(e.saida, "s.RMT:1: Arquivo 'fita.txt' gerado!\n"
                     "s.RMT:2: Arquivo 'MF.TXT' gerado!\n"
                     u8"s.RMT: executado até o fim, 0 comandos, 0 diferenças\n");
  EXPECT_NE(read_bytes(pasta.file("fita.txt.fmt")).find("CUPOM FISCAL"), std::string::npos);
  EXPECT_NE(read_bytes(pasta.file("MF.TXT.fmt")).find("LEITURA DA MEM"), std::string::npos);
}

// A reading directive that names the script itself (or, for a reading, makes it its readable copy)
// would write over the file being replayed: refused as a failure of its line, the file kept.
TEST_F(Run, LeituraNaoGravaSobreOProprioScript) {
  const std::string script = "$LMF NomeArquivo=\"s.RMT\" ReducaoInicial=1 ReducaoFinal=1\r\n"
                             "$LSB NomeArquivo=\"./s.RMT\"\r\n";
  write_bytes(pasta.file("s.RMT"), script);
  write_bytes(pasta.file("x.fmt"), "$LMFD NomeArquivo=\"x\" COOInicial=1 COOFinal=1\r\n");
  const Execucao e = Roda({"s.RMT", "x.fmt"});
  EXPECT_EQ(e.status, 1);
  EXPECT_EQ(e.saida, u8"s.RMT:1: Erro de Script: '$LMF': 's.RMT' é o arquivo de comandos em execução; a leitura não foi feita.\n"
                     u8"s.RMT:2: Erro de Script: '$LSB': './s.RMT' é o arquivo de comandos em execução; a leitura não foi feita.\n"
                     u8"s.RMT: executado até o fim, 0 comandos, 0 diferenças, 2 outras falhas\n"
                     u8"x.fmt:1: Erro de Script: '$LMFD': 'x.fmt' é o arquivo de comandos em execução; a leitura não foi feita.\n"
                     u8"x.fmt: executado até o fim, 0 comandos, 0 diferenças, 1 outra falha\n");
  EXPECT_EQ(read_bytes(pasta.file("s.RMT")), script);
  EXPECT_FALSE(std::filesystem::exists(pasta.file("x")));
}

TEST_F(Run, ErrosDeUsoECanalSaemComDois) {
  write_bytes(pasta.file("a.RMT"), "");
  const std::vector<std::vector<std::string>> usos = {
      {}, {"a.RMT", "--responder", "talvez"}, {"a.RMT", "--pausar"}, {"a.RMT", "--canal"}};
  for (const auto& argumentos : usos) {
    const Execucao e = Roda(argumentos);
    EXPECT_EQ(e.status, 2) << e.saida;
    EXPECT_EQ(e.saida, "");
    EXPECT_NE(e.mensagens.find("tarnel-cli run: "), std::string::npos) << e.mensagens;
  }
  // A report asked for is not left behind empty by a run that never began.
  const Execucao canal = Roda({"a.RMT", "--canal", "COM9", "--relatorio", "novo.xml"});
  EXPECT_EQ(canal.status, 2);
  EXPECT_EQ(canal.mensagens, u8"Canal COM9 não pode ser aberto pela DLL.\n");
  EXPECT_FALSE(std::filesystem::exists(pasta.file("novo.xml")));
  const Execucao vazio = Roda({"a.RMT"});
  EXPECT_EQ(vazio.status, 0) << vazio.saida;
  const Execucao ausente = Roda({"nada.RMT"});
  EXPECT_EQ(ausente.status, 1);
  EXPECT_EQ(ausente.saida, u8"nada.RMT:0: O arquivo nada.RMT não pode ser aberto para leitura.\n"
                           u8"nada.RMT: não foi aberto, 0 comandos, 0 diferenças, 1 outra falha\n");
}

TEST_F(Run, ORelatorioNaoSubstituiUmArquivoDeComandos) {
  const std::string gravado = read_bytes(EXEMPLOS "/dia_de_vendas.RMT");
  write_bytes(pasta.file("dia.RMT"), gravado);
  for (const char* relatorio : {"dia.RMT", "./dia.RMT"}) {
    const Execucao e = Roda({"dia.RMT", "--relatorio", relatorio});
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(e.saida, "");
    EXPECT_EQ(e.mensagens, std::string(u8"O relatório ") + relatorio +
                               u8" é o arquivo de comandos dia.RMT; nada foi executado.\n");
    EXPECT_EQ(read_bytes(pasta.file("dia.RMT")), gravado);
  }
  // Nor is anything run when the report cannot be written at all.
  std::filesystem::create_directory(pasta.file("pasta"));
  for (const std::string& relatorio : {pasta.file("pasta"), pasta.file("nao-ha/r.xml")}) {
    const Execucao e = Roda({"dia.RMT", "--relatorio", relatorio});
    EXPECT_EQ(e.status, 2);
    EXPECT_EQ(e.saida, "");
    EXPECT_EQ(e.mensagens, u8"O relatório " + relatorio + u8" não pode ser gravado; nada foi executado.\n");
  }
  EXPECT_FALSE(std::filesystem::exists(pasta.file("rasc0.bin"))) << "nothing was connected";
}

// A context that does not come back as it was is a failure of the run, also when the answer to the
// question was to go on: here the newest context file is one the printer never rewrites.
TEST_F(Run, ContextoDiferenteFazFalharMesmoSeguindo) {
  Grava("c.RMT", "LeInteiro NomeInteiro=COO\nsair\n");
  write_bytes(pasta.file("rasc1.bin"), std::string(300, '\0'));
  std::filesystem::last_write_time(pasta.file("rasc1.bin"),
                                   std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
  const Execucao e = Roda({"c.RMT", "--testar-contexto", "--responder", "sim", "--relatorio", "c.xml"});
  EXPECT_EQ(e.status, 1) << e.saida << e.mensagens;
  EXPECT_NE(e.saida.find(u8"Contexto diferente na posição 100!"), std::string::npos) << e.saida;
  EXPECT_NE(e.saida.find(u8"c.RMT: executado até o fim, 1 comandos, 0 diferenças, 1 outra falha\n"),
            std::string::npos)
      << e.saida;
  const std::string relatorio = read_bytes(pasta.file("c.xml"));
  EXPECT_NE(relatorio.find("failures=\"1\""), std::string::npos) << relatorio;
  EXPECT_NE(relatorio.find(u8"message=\"Diferença de Contexto: Contexto diferente na posição 100!\""), std::string::npos)
      << relatorio;
}

// The example script: a whole sales day replays without a difference on a fresh printer, also on
// another day (its date and time replies are not compared), and prints the stored date and the
// next day's in the managerial report.
TEST_F(Run, ExemploDiaDeVendasReproduzNumaImpressoraNova) {
  write_bytes(pasta.file("dia.RMT"), read_bytes(std::string(EXEMPLOS) + "/dia_de_vendas.RMT"));
  const std::regex data_hora(R"((ValorData=#)\d\d/\d\d/\d{4}#|(ValorHora=#)\d\d:\d\d:\d\d#)");
  const std::string original = read_bytes(pasta.file("dia.RMT"));
  const std::string outro_dia = std::regex_replace(original, data_hora, "$1$201/02/2003#");
  ASSERT_NE(outro_dia, original);
  write_bytes(pasta.file("dia.RMT"), outro_dia);

  // Also with the context check after every command: the printer restores its damaged context
  // whatever the document it was in.
  for (const bool testar_contexto : {false, true}) {
    ImpressoraNova();
    std::vector<std::string> argumentos{"dia.RMT", "--relatorio", "dia.xml"};
    if (testar_contexto) argumentos.push_back("--testar-contexto");
    const Execucao e = Roda(argumentos);
    EXPECT_EQ(e.status, 0) << testar_contexto << "\n" << e.saida << e.mensagens;
    EXPECT_EQ(std::filesystem::exists(pasta.file("rasc0.sav")), testar_contexto);
    const std::string fim = u8"dia.RMT: executado até o fim, 35 comandos, 0 diferenças\n";
    ASSERT_GE(e.saida.size(), fim.size());
    EXPECT_EQ(e.saida.substr(e.saida.size() - fim.size()), fim) << e.saida;
    EXPECT_EQ(e.saida.find("dia.RMT: linha"), 0u) << e.saida;  // nothing but progress before the end
    const std::string xml = read_bytes(pasta.file("dia.xml"));
    EXPECT_NE(xml.find(R"(<testsuite name="dia.RMT" tests="35" failures="0" errors="0">)"), std::string::npos) << xml;
    EXPECT_NE(xml.find(u8"name=\"linha 101 [Conferência] LeInteiro\""), std::string::npos) << xml;
  }

  std::smatch datas;
  const std::string bobina = read_bytes(pasta.file("bobina0.txt"));
  ASSERT_TRUE(std::regex_search(bobina, datas,
                                std::regex(R"(\|Movimento do dia\r\n +\|(\d\d)/(\d\d)/(\d{4})\r\n +\|Proximo movimento\r\n +\|(\S+)\r\n)")))
      << bobina;
  int ano = 0, mes = 0, dia = 0;
  compat::civil_from_days(compat::days_from_civil(std::stoi(datas[3]), std::stoi(datas[2]), std::stoi(datas[1])) + 1,
                          ano, mes, dia);
  char seguinte[16];
  std::snprintf(seguinte, sizeof seguinte, "%02d/%02d/%04d", dia, mes, ano);
  EXPECT_EQ(datas[4], seguinte);
}

}  // namespace

namespace {

// Folders and files with accents, as a technician names them: the working folder (where the emulated
// printer keeps its context and paper roll), a session recorded into a file, its replay and a
// reading's file all reach the system under their UTF-8 names.
TEST(RunComAcentos, PastasEArquivosComAcentos) {
  using namespace teste_cli;
  TempFolder pasta{u8"tarnel-a\u00E7\u00E3o", TempFolder::enter | TempFolder::user_folders};
  const std::filesystem::path nativa(pasta.path());
  std::filesystem::create_directory(nativa / u8"Relat\u00F3rios");
  const std::string sessao = "AbreGaveta TempoAcionamentoGaveta=100\nLeTexto NomeTexto=TextoLivre\nsair\n";
  const Execucao gravado = RodaCli(pasta, {"shell", "--log", u8"Relat\u00F3rios/mar\u00E7o.RMT"}, DROVIK_ARQUIVO, &sessao);
  ASSERT_EQ(gravado.status, 0) << gravado.mensagens;
  EXPECT_EQ(gravado.mensagens, "");
  const std::string arquivo = (nativa / u8"Relat\u00F3rios" / u8"mar\u00E7o.RMT").string();
  EXPECT_NE(read_bytes(arquivo).find("-> {0;AbreGaveta;TempoAcionamentoGaveta=100;}"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(nativa / "rasc0.bin"));

  const Execucao e = RodaCli(pasta, {"run", u8"Relat\u00F3rios/mar\u00E7o.RMT"});
  EXPECT_EQ(e.status, 0) << e.saida << e.mensagens;
  EXPECT_EQ(e.saida, u8"Relat\u00F3rios/mar\u00E7o.RMT: linha 3, 1 comandos\n"
                     u8"Relat\u00F3rios/mar\u00E7o.RMT: linha 5, 2 comandos\n"
                     u8"Relat\u00F3rios/mar\u00E7o.RMT: executado at\u00E9 o fim, 2 comandos, 0 diferen\u00E7as\n");

  const Execucao leitura = RodaCli(pasta, {"leitura", "x", "--saida", u8"Relat\u00F3rios/leitura \u00E9.txt"});
  EXPECT_EQ(leitura.status, 0) << leitura.mensagens;
  EXPECT_EQ(leitura.saida, u8"Arquivo 'Relat\u00F3rios/leitura \u00E9.txt' gerado!\n");
  EXPECT_NE(read_bytes((nativa / u8"Relat\u00F3rios" / u8"leitura \u00E9.txt.fmt").string()).find("COO:"),
            std::string::npos);
}

}  // namespace
