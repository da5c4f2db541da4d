// The player on a scripted driver: which commands reach the driver with which parameters, the
// questions and messages a person sees, how a file ends, and that malformed files end cleanly.
#include <gtest/gtest.h>

#include <cstdio>
#ifndef _WIN32
#include <unistd.h>
#endif
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "apoio/driver_roteirizado.h"
#include "apoio/interacao_roteirizada.h"
#include "compat/path.h"
#include "quorbal/catalogo.h"
#include "scripts/processa_arquivo.h"
#include "test_support/fixed_clock.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using teste::DriverRoteirizado;
using Textos = std::vector<std::string>;

const std::string kCarimbo = "09/12/2026 10:11:12.345 ";
std::string Comando(const std::string& registro) { return kCarimbo + "-> " + registro; }
std::string Resposta(const std::string& registro) { return kCarimbo + "<- " + registro; }

// A person whose window events may press Cancel.
class Pessoa : public teste::InteracaoRoteirizada {
 public:
  std::function<void(int)> ao_processar;
  void ProcessaEventos() override {
    InteracaoRoteirizada::ProcessaEventos();
    if (ao_processar) ao_processar(eventos_processados);
  }
};

// Follows the replay as tarnel-cli would.
class Registro : public AcompanhamentoScript {
 public:
  Textos eventos;
  std::vector<ComandoReproduzido> comandos;
  void ArquivoIniciado(const std::string&) override { eventos.push_back("inicio"); }
  void LinhaLida(long linha) override { eventos.push_back("linha " + std::to_string(linha)); }
  void Comando(const ComandoReproduzido& c) override {
    comandos.push_back(c);
    eventos.push_back("comando " + c.nome);
  }
  void ErroScript(long linha, const std::string& mensagem) override {
    eventos.push_back("erro " + std::to_string(linha) + " " + mensagem);
  }
  void ArquivoTerminado(const std::string&, FimArquivo fim) override {
    eventos.push_back("fim " + std::to_string(static_cast<int>(fim)));
  }
};

class Player : public ::testing::Test {
 protected:
  Player() : frm(pessoa) {
    auto d = std::make_unique<DriverRoteirizado>();
    driver = d.get();
    frm.ModuloDriver = std::move(d);
    driver->texto_retornos = "";
  }

  FimArquivo Executa(const std::string& conteudo, OpcoesScript opcoes = {}) {
    test_support::write_bytes(arquivo, conteudo);
    return ProcessaArquivoComandos(frm, arquivo, opcoes, cancelamento, &registro);
  }
#ifndef _WIN32
  // The same file coming through a pipe (tarnel-cli run /dev/stdin), where nothing can be sought back.
  FimArquivo ExecutaPorPipe(const std::string& conteudo, OpcoesScript opcoes = {}) {
    int pontas[2];
    if (pipe(pontas) != 0) return FimArquivo::NaoAberto;
    const bool escrito = write(pontas[1], conteudo.data(), conteudo.size()) == static_cast<ssize_t>(conteudo.size());
    close(pontas[1]);
    const FimArquivo fim = escrito ? ProcessaArquivoComandos(frm, "/dev/fd/" + std::to_string(pontas[0]), opcoes,
                                                             cancelamento, &registro)
                                   : FimArquivo::NaoAberto;
    close(pontas[0]);
    return fim;
  }
#endif
  static std::string Linhas(const Textos& linhas) {
    std::string texto;
    for (const std::string& l : linhas) texto += l + "\r\n";
    return texto;
  }

  // What reached the driver: each command with the parameters sent with it.
  Textos Enviados() const {
    Textos enviados;
    std::string parametros;
    for (const std::string& chamada : driver->chamadas) {
      if (chamada.rfind("AdicionaParam ", 0) == 0) parametros += " " + chamada.substr(14);
      if (chamada.rfind("ExecutaComando ", 0) == 0) {
        enviados.push_back(chamada.substr(15) + parametros);
        parametros.clear();
      }
    }
    return enviados;
  }

  test_support::TempFolder pasta{"tarnel-player"};
  const std::string arquivo = pasta.file("Roteiro.RMT");
  Pessoa pessoa;
  TfrmMain frm;
  DriverRoteirizado* driver;
  Registro registro;
  bool cancelamento = false;
  const OpcoesScript comparando{false, false, false, true, false};
};

TEST_F(Player, ComandosComParametrosChegamAoDriver) {
  EXPECT_EQ(Executa(Linhas({"; Arquivo de Registro de Comandos do Tarnel",
                            Comando("{0;abregaveta;TempoAcionamentoGaveta=100;}"), Resposta("{0;0;;}"),
                            Comando("{0;LeInteiro;NomeInteiro=\"COO\" Desconhecido=1;}"),
                            Comando("{0;EmiteViaCreditoDebito;;}")})),
            FimArquivo::Fim);
  EXPECT_EQ(Enviados(), (Textos{"[AbreGaveta] TempoAcionamentoGaveta=[100] 4", "[LeInteiro] NomeInteiro=[COO] 7",
                                "[EmiteViaCreditoDebito]"}));
  EXPECT_TRUE(pessoa.perguntas.empty());
  EXPECT_TRUE(pessoa.mensagens.empty());
}

TEST_F(Player, LinhaSeguinteAoComando) {
  // The printer answers 0 with A=1; a reply line A=2 asks, any other following line is no reply.
  driver->texto_retornos = "A=1";
  const struct {
    const char* caso;
    std::string seguinte;
    bool pergunta;
  } casos[] = {
      {"reply line", Resposta("{0;0;A=2;}"), true},
      {"unknown marker is a reply", kCarimbo + "?? {0;0;A=2;}", true},
      {"equal reply", Resposta("{0;0;A=1;}"), false},
      {"another command", Comando("{0;EmiteViaCreditoDebito;;}"), false},
      {"comment", "; comentario", false},
      {"directive", "$NomePasso x", false},
      {"dashes", kCarimbo + "-- {0;0;A=2;}", false},
      {"empty line, then a reply", "\r\n" + Resposta("{0;0;A=2;}"), false},
      {"short line", "<- {0;0;A=2;}", false},
  };
  for (const auto& c : casos) {
    const std::string conteudo = Linhas({Comando("{0;ExpulsaDocumento;;}"), c.seguinte});
    std::vector<std::function<FimArquivo()>> fontes{[&] { return Executa(conteudo, comparando); }};
#ifndef _WIN32
    fontes.push_back([&] { return ExecutaPorPipe(conteudo, comparando); });
#endif
    for (const auto& executa : fontes) {
      pessoa.perguntas.clear();
      driver->chamadas.clear();
      EXPECT_EQ(executa(), FimArquivo::Fim) << c.caso;
      EXPECT_EQ(pessoa.perguntas.size(), c.pergunta ? 1u : 0u) << c.caso;
      // The line after the command is then handled on its own: a following command runs too.
      EXPECT_EQ(Enviados().size(), c.seguinte.find("->") != std::string::npos ? 2u : 1u) << c.caso;
    }
  }
}

TEST_F(Player, PerguntasAposComando) {
  const struct {
    const char* caso;
    OpcoesScript opcoes;
    std::int32_t codigo;
    std::string retornos;
    const char* resposta;
    Textos perguntas;
  } casos[] = {
      {"NaoPausar compares nothing", {true, true, true, true, false}, 1003, "A=1", "{0;0;A=2;}", {}},
      {"error", {false, false, true, false, false}, 1003, "", "{0;1003;;}",
       {"Comando 'ExpulsaDocumento' retornou com erro (1003).\n\n\tContinuar ?"}},
      {"success", {false, true, false, false, false}, 0, "", "{0;0;;}",
       {"Comando 'ExpulsaDocumento' retornou sem erro.\n\n\tContinuar ?"}},
      {"error does not ask PausarSemErro", {false, true, false, false, false}, 5, "", "{0;5;;}", {}},
      {"code and returns differ: two questions", {false, false, false, true, false}, 0, "A=1", "{0;+1003;A=2;}",
       {"Comando ExpulsaDocumento com Código de Retorno diferente.\n\nCodErro Original: +1003\nCodErro Retorno: 0\n\n\t"
        "Continuar ?",
        "Comando 'ExpulsaDocumento' com Retorno diferente.\n\nRetorno Original: A=2\nRetorno Recebido: A=1\n\n\t"
        "Continuar ?"}},
      {"code read with sign and stopping at a non-digit", {false, false, false, true, false}, -12, "",
       "{0;-12x;NomeErro=\"\" Circunstancia=\"\";}", {}},
      {"recorded returns up to ; outside quotes", {false, false, false, true, false}, 0, "A=\"x;y\"",
       "{0;0;A=\"x;y\";}", {}},
      {"returns compared with letter case", {false, false, false, true, false}, 0, "A=a", "{0;0;A=A;}",
       {"Comando 'ExpulsaDocumento' com Retorno diferente.\n\nRetorno Original: A=A\nRetorno Recebido: A=a\n\n\t"
        "Continuar ?"}},
  };
  for (const auto& c : casos) {
    pessoa.perguntas.clear();
    driver->cod_erro = c.codigo;
    driver->texto_retornos = c.retornos;
    driver->nome_erro = c.codigo ? "" : "NoError";
    EXPECT_EQ(Executa(Linhas({Comando("{0;ExpulsaDocumento;;}"), Resposta(c.resposta)}), c.opcoes), FimArquivo::Fim)
        << c.caso;
    EXPECT_EQ(pessoa.perguntas, c.perguntas) << c.caso;
  }
}

TEST_F(Player, RespostaDeErroIgualSoComMesmoNomeECircunstancia) {
  driver->cod_erro = 1003;
  driver->nome_erro = "ErroX";
  const std::string gravada = Resposta("{0;1003;NomeErro=\"ErroX\" Circunstancia=\"sem papel\";}");
  for (const auto& [circunstancia, perguntas] :
       std::vector<std::pair<std::string, std::size_t>>{{"sem papel", 0}, {"tampa aberta", 1}}) {
    pessoa.perguntas.clear();
    driver->circunstancia = circunstancia;
    Executa(Linhas({Comando("{0;ExpulsaDocumento;;}"), gravada}), comparando);
    EXPECT_EQ(pessoa.perguntas.size(), perguntas) << circunstancia;
  }
}

TEST_F(Player, ComandoQueABibliotecaNaoExecutouNaoUsaARespostaAnterior) {
  // The library carries out the first command and then does nothing (a closed connection): the
  // commands it did not carry out are neither questioned nor compared on what the first one left.
  int executados = 0;
  driver->ao_executar = [&](const std::string&) { driver->resultado_executa = ++executados == 1 ? 1 : 0; };
  driver->texto_retornos = "A=1";
  EXPECT_EQ(Executa(Linhas({Comando("{0;ExpulsaDocumento;;}"), Resposta("{0;0;A=1;}"),
                            Comando("{0;ExpulsaDocumento;;}"), Resposta("{0;0;A=1;}"),
                            Comando("{0;ExpulsaDocumento;;}"), Resposta("{0;0;A=2;}")}),
                    OpcoesScript{false, true, true, true, false}),
            FimArquivo::Fim);
  EXPECT_EQ(pessoa.perguntas, Textos{"Comando 'ExpulsaDocumento' retornou sem erro.\n\n\tContinuar ?"});
  ASSERT_EQ(registro.comandos.size(), 3u);
  const struct {
    bool executado, comparado, diferente;
  } esperados[] = {{true, true, false}, {false, false, false}, {false, false, false}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(registro.comandos[i].executado, esperados[i].executado) << i;
    EXPECT_EQ(registro.comandos[i].comparado, esperados[i].comparado) << i;
    EXPECT_EQ(registro.comandos[i].Diferente(), esperados[i].diferente) << i;
  }
}

TEST_F(Player, NaoNaPerguntaParaOArquivo) {
  driver->cod_erro = 7;
  pessoa.respostas = {Resposta::Nao};
  EXPECT_EQ(Executa(Linhas({Comando("{0;ExpulsaDocumento;;}"), Resposta("{0;0;;}"), Comando("{0;ExpulsaDocumento;;}")}),
                    comparando),
            FimArquivo::Parado);
  EXPECT_EQ(Enviados().size(), 1u);
  EXPECT_EQ(pessoa.perguntas.size(), 1u);  // the code question; No stops before the returns one
  EXPECT_EQ(pessoa.titulos, Textos{"Pausado por Codigo Retorno diferir do original"});
}

TEST_F(Player, FiltroDeErroEPrefixoDoPasso) {
  EstadoScript estado{OpcoesScript{false, false, true, false, false}};
  estado.FiltroErroAtivo = true;
  estado.CodigoErroFiltro = 1003;
  estado.NomePassoAtual = "Passo 2";
  for (std::int32_t codigo : {1002, 1003}) {
    driver->cod_erro = codigo;
    EXPECT_EQ(ProcessaLinhaComando(frm, estado, "{0;ExpulsaDocumento;;}", nullptr), Seguimento::Continua);
  }
  EXPECT_EQ(pessoa.perguntas, Textos{"Comando 'ExpulsaDocumento' retornou com erro (1003).\n\n\tContinuar ?"});
  EXPECT_EQ(pessoa.titulos, Textos{"Passo 2: Pausado por Erro"});
}

TEST_F(Player, LinhasInconsistentes) {
  const struct {
    std::string registro;
    std::string resposta;
    std::string mensagem;
  } casos[] = {
      {"{0;AbreGaveta", "", "Linha de Comando '{0;AbreGaveta' está inconsistente."},
      {"{0", "", "Linha de Comando '{0' está inconsistente."},
      {"{0;AbreGaveta;TempoAcionamentoGaveta=\"1;}", "",
       "Linha de Comando '{0;AbreGaveta;TempoAcionamentoGaveta=\"1;}' está inconsistente ou incompleta."},
      {"{0;AbreGaveta;TempoAcionamentoGaveta=1", "",
       "Linha de Comando '{0;AbreGaveta;TempoAcionamentoGaveta=1' está inconsistente ou incompleta."},
      {"{0;NaoExiste;;}", "", "Comando NaoExiste inexistente nesta versão do software."},
      {"{0;ExpulsaDocumento;;}", "{0;0", "Linha de Retorno '{0;0' está inconsistente."},
  };
  for (const auto& c : casos) {
    pessoa.mensagens.clear();
    driver->chamadas.clear();
    const Textos linhas = c.resposta.empty() ? Textos{Comando(c.registro), Comando("{0;ExpulsaDocumento;;}")}
                                             : Textos{Comando(c.registro), Resposta(c.resposta)};
    EXPECT_EQ(Executa(Linhas(linhas), comparando), FimArquivo::Parado) << c.registro;
    EXPECT_EQ(pessoa.mensagens, Textos{c.mensagem});
    EXPECT_EQ(pessoa.titulos.back(), "");  // plain message box: the program's name as title
    EXPECT_EQ(Enviados().size(), c.resposta.empty() ? 0u : 1u) << c.registro;  // the file stops at the line
  }
  EXPECT_EQ(registro.eventos.back(), "fim " + std::to_string(static_cast<int>(FimArquivo::Parado)));
}

TEST_F(Player, ErroDeSintaxeEncerraAExecucao) {
  frm.LeRegistrador.Checked = true;
  EXPECT_EQ(Executa(Linhas({Comando("{0;AbreGaveta;TempoAcionamentoGaveta 100;}"), Comando("{0;ExpulsaDocumento;;}")})),
            FimArquivo::Encerrado);
  EXPECT_TRUE(Enviados().empty());
  ASSERT_EQ(pessoa.mensagens.size(), 1u);
  EXPECT_EQ(pessoa.mensagens[0],
            "Erro 11001 (ErroProtParamSintaxe): ao decodificar parametros do comando faltou sinal de '='.\n\n"
            "Linha de Comando '{0;AbreGaveta;TempoAcionamentoGaveta 100;}'");
  EXPECT_TRUE(frm.LeRegistrador.Checked);  // automatic reading back on
  // The file is closed: it can be removed and written again at once, also where open files are locked.
  EXPECT_EQ(std::remove(arquivo.c_str()), 0);
}

TEST_F(Player, ArquivoQueNaoAbre) {
  // A missing file, and a folder (which the system opens but cannot read as a file).
  ASSERT_TRUE(compat::make_folders(pasta.file("pasta.RMT")));
  for (const char* nome : {"nada.RMT", "pasta.RMT"}) {
    pessoa.mensagens.clear();
    EXPECT_EQ(ProcessaArquivoComandos(frm, pasta.file(nome), {}, cancelamento, &registro), FimArquivo::NaoAberto)
        << nome;
    EXPECT_EQ(pessoa.mensagens, Textos{"O arquivo " + pasta.file(nome) + " não pode ser aberto para leitura."});
  }
}

TEST_F(Player, LeituraAutomaticaDesligadaDuranteOArquivo) {
  frm.LeRegistrador.Checked = true;
  Textos durante;
  driver->ao_executar = [&](const std::string&) { durante.push_back(frm.LeRegistrador.Checked ? "ligada" : "desligada"); };
  Executa(Linhas({Comando("{0;ExpulsaDocumento;;}")}));
  EXPECT_EQ(durante, Textos{"desligada"});
  EXPECT_TRUE(frm.LeRegistrador.Checked);
  // Off before the file: it stays off, and is not switched.
  frm.LeRegistrador.Checked = false;
  Executa(Linhas({Comando("{0;ExpulsaDocumento;;}")}));
  EXPECT_FALSE(frm.LeRegistrador.Checked);
}

TEST_F(Player, CancelamentoRecusadoEConfirmado) {
  const std::string conteudo = Linhas({Comando("{0;ExpulsaDocumento;;}"), Comando("{0;ExpulsaDocumento;;}"),
                                       Comando("{0;ExpulsaDocumento;;}")});
  pessoa.ao_processar = [this](int n) {
    if (n == 1) cancelamento = true;
  };
  pessoa.respostas = {Resposta::Nao};
  EXPECT_EQ(Executa(conteudo), FimArquivo::Fim);
  EXPECT_EQ(Enviados().size(), 3u);
  EXPECT_FALSE(cancelamento);
  EXPECT_EQ(pessoa.perguntas, Textos{"Confirma cancelamento?"});
  EXPECT_EQ(pessoa.titulos, Textos{"Cancelar"});

  driver->chamadas.clear();
  pessoa.eventos_processados = 0;
  pessoa.respostas = {Resposta::Sim};
  EXPECT_EQ(Executa(conteudo), FimArquivo::Cancelado);
  EXPECT_EQ(Enviados().size(), 1u);
  EXPECT_TRUE(cancelamento);  // left set: no further file runs
}

TEST_F(Player, ValoresArmazenadosEsvaziadosPeloComandoComParametros) {
  EstadoScript estado{OpcoesScript{}};
  estado.NomesArmazenados = {"TempoAcionamentoGaveta"};
  estado.ValoresArmazenados = {"250"};
  ProcessaLinhaComando(frm, estado, "{0;ExpulsaDocumento;;}", nullptr);  // no parameters: kept
  EXPECT_EQ(estado.ValoresArmazenados, Textos{"250"});
  ProcessaLinhaComando(frm, estado, "{0;AbreGaveta;TempoAcionamentoGaveta=100;}", nullptr);
  ProcessaLinhaComando(frm, estado, "{0;AbreGaveta;TempoAcionamentoGaveta=100;}", nullptr);
  EXPECT_TRUE(estado.NomesArmazenados.empty());
  EXPECT_TRUE(estado.ValoresArmazenados.empty());
  EXPECT_EQ(Enviados(), (Textos{"[ExpulsaDocumento]", "[AbreGaveta] TempoAcionamentoGaveta=[250] 4",
                                "[AbreGaveta] TempoAcionamentoGaveta=[100] 4"}));
}

TEST_F(Player, ArmazenaRetornoComoValorAtual) {
  const int indice = quorbal::Posicao(quorbal::Comando::LeInteiro);
  const quorbal::DescritorCampo& retorno = quorbal::kCatalogo[indice].retornos[0];
  driver->retornos = {{retorno.nome, "4321"}};
  EstadoScript estado{OpcoesScript{}};
  estado.ArmazenamentoPendente = true;
  estado.NomeRetornoArmazenar = retorno.nome;
  ProcessaLinhaComando(frm, estado, "{0;LeInteiro;NomeInteiro=\"COO\";}", nullptr);
  EXPECT_FALSE(estado.ArmazenamentoPendente);
  EXPECT_EQ(frm.ValorAtual, "4321");
  EXPECT_EQ(frm.TipoValorAtual, retorno.tipo);
  // A return the command does not have leaves the current value alone.
  estado.ArmazenamentoPendente = true;
  estado.NomeRetornoArmazenar = "Outro";
  ProcessaLinhaComando(frm, estado, "{0;LeInteiro;NomeInteiro=\"COO\";}", nullptr);
  EXPECT_EQ(frm.ValorAtual, "4321");
}

TEST_F(Player, AcompanhamentoDoArquivo) {
  driver->texto_retornos = "A=1";
  Executa(Linhas({"; cabecalho", Comando("{0;ExpulsaDocumento;;}"), Resposta("{0;0;A=2;}"), "",
                  Comando("{0;Nada;;}")}),
          comparando);
  EXPECT_EQ(registro.eventos,
            (Textos{"inicio", "linha 1", "linha 2", "comando ExpulsaDocumento", "linha 5",
                    "erro 5 Comando Nada inexistente nesta versão do software.",
                    "fim " + std::to_string(static_cast<int>(FimArquivo::Parado))}));
  ASSERT_EQ(registro.comandos.size(), 1u);
  const ComandoReproduzido& c = registro.comandos[0];
  EXPECT_EQ(c.linha, 2);
  EXPECT_TRUE(c.com_resposta);
  EXPECT_TRUE(c.comparado);
  EXPECT_EQ(c.codigo_gravado, "0");
  EXPECT_EQ(c.retorno_gravado, "A=2");
  EXPECT_EQ(c.retorno_recebido, "A=1");
  EXPECT_FALSE(c.codigo_diferente);
  EXPECT_TRUE(c.retorno_diferente);
}

TEST_F(Player, ArquivosMalformadosTerminamSemFalha) {
  const struct {
    const char* caso;
    std::string conteudo;
  } casos[] = {
      {"binary bytes", std::string("\x00\x01\xff\xfe\r\n\x7f{0;\x00;", 12) + Comando(std::string("{0;\xff;\x00;}", 8))},
      {"line over 4096 bytes", Comando("{0;AbreGaveta;TempoAcionamentoGaveta=\"" + std::string(5000, 'x') + "\";}")},
      {"10 MB line", std::string(10 * 1024 * 1024, 'a')},
      {"unterminated quotes", Comando("{0;LeInteiro;NomeInteiro=\"COO;}")},
      {"missing separators", Comando("{0;LeInteiro") + "\r\n" + Comando("{0LeInteiro") + "\r\n" + Comando("{")},
      {"quote at the end", Comando("{0;LeInteiro;NomeInteiro=\"\\")},
      {"hash left open", Comando("{0;LeInteiro;NomeInteiro=#COO;}")},
  };
  for (const auto& c : casos) {
    const FimArquivo fim = Executa(c.conteudo);
    EXPECT_TRUE(fim == FimArquivo::Fim || fim == FimArquivo::Parado) << c.caso;
  }
}

TEST_F(Player, ArquivoQueSomeDuranteAExecucao) {
  driver->ao_executar = [this](const std::string&) { std::remove(arquivo.c_str()); };
  const FimArquivo fim =
      Executa(Linhas({Comando("{0;ExpulsaDocumento;;}"), Comando("{0;ExpulsaDocumento;;}")}));
  // Where an open file can be removed, it is read to its end; elsewhere the removal fails.
  EXPECT_EQ(fim, FimArquivo::Fim);
  EXPECT_EQ(Enviados().size(), 2u);
}

}  // namespace
}  // namespace tarnel
