// Directive lines acting on the script state, the boxes they show and the faults they report.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "apoio/interacao_roteirizada.h"
#include "apoio/ligacao_memoria.h"
#include "quorbal/catalogo.h"
#include "scripts/diretivas.h"
#include "scripts/script.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using Textos = std::vector<std::string>;

class ErrosAnotados : public AcompanhamentoScript {
 public:
  void ErroScript(long linha, const std::string& mensagem) override {
    erros.emplace_back(linha, mensagem);
  }
  std::vector<std::pair<long, std::string>> erros;
};

class Diretivas : public ::testing::Test {
 protected:
  Diretivas() : frm(interacao), estado(OpcoesScript{}) {
    estado.acompanhamento = &acompanhamento;
    estado.LinhaAtual = 7;
  }
  Seguimento Processa(const std::string& linha) { return ProcessaDiretiva(frm, estado, linha); }

  teste::InteracaoRoteirizada interacao;
  TfrmMain frm;
  EstadoScript estado;
  ErrosAnotados acompanhamento;
};

// The pause switches, each from the run's default options (NaoPausar on, the rest off).
TEST_F(Diretivas, ChavesDePausa) {
  struct Esperado {
    bool nao_pausar, sem_erro, com_erro, diferente;
  };
  const std::pair<const char*, Esperado> casos[] = {
      {"$PausarPorSucesso", {false, true, false, false}},
      {"$PausarRespostaDiferente", {false, false, false, true}},
      {"$PausarPorErro", {false, false, true, false}},
      {"$pausarporerro", {false, false, true, false}},
      {"$PERMITIRPAUSAR", {false, false, false, false}},
      {"$NaoPausar", {true, false, false, false}},
  };
  for (const auto& [linha, e] : casos) {
    EstadoScript novo{OpcoesScript{}};
    EXPECT_EQ(ProcessaDiretiva(frm, novo, linha), Seguimento::Continua);
    EXPECT_EQ(novo.NaoPausar, e.nao_pausar) << linha;
    EXPECT_EQ(novo.PausarSemErro, e.sem_erro) << linha;
    EXPECT_EQ(novo.PausarComErro, e.com_erro) << linha;
    EXPECT_EQ(novo.PausarDiferente, e.diferente) << linha;
  }
  OpcoesScript todas;
  todas.NaoPausar = false;
  todas.PausarSemErro = todas.PausarComErro = todas.PausarDiferente = true;
  const std::pair<const char*, Esperado> desligam[] = {
      {"$NaoPausarPorSucesso", {false, false, true, true}},
      {"$NaoPausarPorErro", {false, true, false, true}},
      {"$NaoPausarRespostaDiferente", {false, true, true, false}},
  };
  for (const auto& [linha, e] : desligam) {
    EstadoScript novo{todas};
    ProcessaDiretiva(frm, novo, linha);
    EXPECT_EQ(novo.NaoPausar, e.nao_pausar) << linha;
    EXPECT_EQ(novo.PausarSemErro, e.sem_erro) << linha;
    EXPECT_EQ(novo.PausarComErro, e.com_erro) << linha;
    EXPECT_EQ(novo.PausarDiferente, e.diferente) << linha;
  }
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(Diretivas, FiltroDeErroPeloArgumento) {
  Processa("$PausarPorErro 1003");
  EXPECT_TRUE(estado.FiltroErroAtivo);
  EXPECT_EQ(estado.CodigoErroFiltro, 1003);
  Processa("$PausarPorErro");
  EXPECT_FALSE(estado.FiltroErroAtivo);
  Processa("$PausarPorErro   -12xyz");
  EXPECT_TRUE(estado.FiltroErroAtivo);
  EXPECT_EQ(estado.CodigoErroFiltro, -12);
  Processa("$PausarPorErro abc");
  EXPECT_TRUE(estado.FiltroErroAtivo);
  EXPECT_EQ(estado.CodigoErroFiltro, 0);
}

TEST_F(Diretivas, PassoPausaEParar) {
  EXPECT_EQ(Processa("$Pausa"), Seguimento::Continua);
  Processa("$NomePasso   Abre cupom  \r\n");
  EXPECT_EQ(estado.NomePassoAtual, "Abre cupom  ");
  Processa("$Pausa Confira o papel\r\n");
  EXPECT_EQ(Processa("$parar"), Seguimento::Para);
  EXPECT_EQ(interacao.mensagens, (Textos{"", "Confira o papel", "Execu\xE7\xE3o interrompida pelo comando $Parar"}));
  EXPECT_EQ(interacao.titulos, (Textos{"Pausa", "Abre cupom  : Pausa", "Abre cupom  : Interrompido"}));
  Processa("$NomePasso");
  EXPECT_EQ(estado.NomePassoAtual, "");
}

TEST_F(Diretivas, BlocoDeComentarioSoDeixaPassarSeuFim) {
  Processa("$InicioComentario");
  Processa("$InicioComentario");
  EXPECT_EQ(Processa("$Parar"), Seguimento::Continua);
  Processa("$NomePasso ignorado");
  Processa("$MostrarErrosScript");
  Processa("$Desconhecida");
  Processa("$LMF");
  EXPECT_TRUE(estado.EmComentario);
  Processa("$FIMCOMENTARIO");
  EXPECT_FALSE(estado.EmComentario);
  EXPECT_EQ(estado.NomePassoAtual, "");
  EXPECT_FALSE(estado.ExibirErrosScript);
  EXPECT_TRUE(interacao.mensagens.empty());
  EXPECT_EQ(Processa("$Parar"), Seguimento::Para);
}

TEST_F(Diretivas, DesconhecidaSoSeExibirErros) {
  Processa("$Pausar");
  Processa("$");
  EXPECT_TRUE(interacao.mensagens.empty());
  Processa("$MostrarErrosScript");
  EXPECT_EQ(Processa("$Pausar agora"), Seguimento::Continua);
  Processa("$");
  EXPECT_EQ(interacao.mensagens, (Textos{"'$Pausar' desconhecido.", "'$' desconhecido."}));
  EXPECT_EQ(interacao.titulos, (Textos{"Erro de Script", "Erro de Script"}));
  EXPECT_EQ(acompanhamento.erros.size(), 2u);
  EXPECT_EQ(acompanhamento.erros[0], std::make_pair(7L, std::string("'$Pausar' desconhecido.")));
  Processa("$NaoMostrarErrosScript");
  Processa("$Pausar");
  EXPECT_EQ(interacao.mensagens.size(), 2u);
}

TEST_F(Diretivas, ValoresImpostosAoProximoComando) {
  frm.ValorAtual = "12,50";
  Processa("$ArmazenarRetorno   COO");
  EXPECT_TRUE(estado.ArmazenamentoPendente);
  EXPECT_EQ(estado.NomeRetornoArmazenar, "COO");
  EXPECT_EQ(frm.ValorAtual, "");
  Processa("$DefinirValorArmazenado NumeroCupom");
  frm.ValorAtual = "000123";
  Processa("$DefinirValorArmazenado COOInicial");
  Processa("$DefinirValorAtual Data");
  EXPECT_EQ(estado.NomesArmazenados, (Textos{"NumeroCupom", "COOInicial", "Data"}));
  EXPECT_EQ(estado.ValoresArmazenados, (Textos{"", "000123", ""}));
}

TEST_F(Diretivas, AdicionarValorArmazenadoPeloTipoAtual) {
  frm.ValorAtual = "01/03/2003";
  frm.TipoValorAtual = quorbal::kData;
  EXPECT_EQ(Processa("$AdicionarValorArmazenado -1"), Seguimento::Continua);
  EXPECT_EQ(frm.ValorAtual, "28/02/2003");
  frm.ValorAtual = "1.234";
  frm.TipoValorAtual = quorbal::kMoeda;
  Processa("$adicionarvalorarmazenado 6");
  EXPECT_EQ(frm.ValorAtual, "1240");
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(Diretivas, ValorQueNaoSeConverteEncerraAExecucao) {
  frm.ValorAtual = "";
  frm.TipoValorAtual = quorbal::kData;
  EXPECT_EQ(Processa("$AdicionarValorArmazenado 1"), Seguimento::Encerra);
  const std::string texto =
      "'$AdicionarValorArmazenado': o valor armazenado '' n\xE3o pode ser convertido para data. Execu\xE7\xE3o encerrada.";
  EXPECT_EQ(interacao.mensagens, Textos{texto});
  EXPECT_EQ(interacao.titulos, Textos{"Erro de Script"});
  ASSERT_EQ(acompanhamento.erros.size(), 1u);
  EXPECT_EQ(acompanhamento.erros[0], std::make_pair(7L, texto));
}

// The workbook directives: the link toggled only in the direction asked, the counters, and the
// register ranges (read here with no library, so that every register read fails and the error list
// names exactly the range).
class DiretivasPlanilha : public ::testing::Test, public teste::JanelaComPlanilha {
 protected:
  DiretivasPlanilha() : estado(OpcoesScript{}) {}
  Seguimento Processa(const std::string& linha) { return ProcessaDiretiva(frm, estado, linha); }
  EstadoScript estado;
};

TEST_F(DiretivasPlanilha, AtivaEDesativaSoNumSentido) {
  for (const char* linha : {"$PlanilhaDesativa", "$PlanilhaAtiva", "$planilhaativa"})
    EXPECT_EQ(Processa(linha), Seguimento::Continua);
  EXPECT_TRUE(frm.PlanilhaConectada);
  EXPECT_TRUE(frm.ConexaoExcel.Checked);
  Processa("$PlanilhaDesativa");
  Processa("$PlanilhaDesativa");
  EXPECT_FALSE(frm.PlanilhaConectada);
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(DiretivasPlanilha, Contadores) {
  Processa("$PlanilhaAcresceContador NomeContador=\"CCF\"");
  EXPECT_TRUE(frm.PlanilhaConectada);  // connected on demand
  Processa("$PlanilhaAcresceContador NomeContador=\"CCF\" Incremento=0");
  Processa("$PlanilhaAcresceContador NomeContador=\"CCF\" Incremento=-4");
  Processa("$PlanilhaAcresceContador NomeContador=\"CCF\" Incremento=5");
  EXPECT_EQ(pasta.Celula("deltaCCF"), ValorPlanilha(8.0));
  pasta.Celula("GNF") = 3.0;
  Processa("$PlanilhaZeraContador NomeContador=\"GNF\"");
  EXPECT_EQ(pasta.Celula("GNF"), ValorPlanilha(std::int32_t{0}));
  // Not an integer, or one beyond 32 bits: the message says which numbers it takes.
  EXPECT_EQ(Processa("$PlanilhaAcresceContador NomeContador=\"CCF\" Incremento=1.5"), Seguimento::Encerra);
  EXPECT_EQ(Processa("$PlanilhaAcresceContador NomeContador=\"CCF\" Incremento=99999999999"), Seguimento::Encerra);
  EXPECT_EQ(pasta.Celula("deltaCCF"), ValorPlanilha(8.0));
  const std::string erro = "'$PlanilhaAcresceContador': Incremento n\xE3o \xE9 um n\xFAmero inteiro de -2147483648 a "
                           "2147483647. Execu\xE7\xE3o encerrada.";
  EXPECT_EQ(interacao.mensagens, (Textos{erro, erro}));
}

TEST_F(DiretivasPlanilha, FaixasDeRegistradores) {
  Processa("$PlanilhaCarregaContadores");
  Textos contadores;
  for (const char* c : {"COO", "CRZ", "CRO", "GNF", "CDC", "NFC", "GRG", "CCF", "CFC", "CFD"})
    contadores.push_back(std::string(c) + ": Erro na leitura");
  ASSERT_EQ(interacao.listas_erros.size(), 1u);
  EXPECT_EQ(interacao.listas_erros[0], contadores);
  Processa("$PlanilhaConfereCER");
  ASSERT_EQ(interacao.listas_erros.size(), 2u);
  EXPECT_EQ(interacao.listas_erros[1].front(), "CER[0]: Erro na leitura");
  EXPECT_EQ(interacao.listas_erros[1].back(), "Encerrado por excesso de erros!");
  Processa("$PlanilhaConfereLX");
  ASSERT_EQ(interacao.listas_erros.size(), 3u);
  EXPECT_EQ(interacao.listas_erros[2].front(), "GT: Erro na leitura");
}

// The reading directives fill the reading command's entries from their named items (here with no
// library loaded, so the reading stops at its first command with its own message, and the script
// goes on).
TEST_F(Diretivas, LeiturasPreenchemOComandoDaLeitura) {
  struct Caso {
    const char* linha;
    quorbal::Comando comando;
    std::vector<std::pair<const char*, const char*>> campos;
  } casos[] = {
      {"$LMF", quorbal::Comando::EmiteLeituraMF, {{"ReducaoInicial", ""}, {"ReducaoFinal", ""}, {"Destino", "S"}}},
      {"$LMF ReducaoInicial=3 ReducaoFinal=9 DataInicial=\"01/02/2026\"",
       quorbal::Comando::EmiteLeituraMF,
       {{"ReducaoInicial", "3"}, {"ReducaoFinal", "9"}, {"DataInicial", "01/02/2026"}, {"LeituraSimplificada", "f"}}},
      {"$lmfd NomeArquivo=\"MFD.TXT\" COOInicial=1 COOFinal=20",
       quorbal::Comando::EmiteLeituraFitaDetalhe,
       {{"COOInicial", "1"}, {"COOFinal", "20"}, {"Proprietario", ""}}},
      {"$LMFD Proprietario=2", quorbal::Comando::EmiteLeituraFitaDetalhe, {{"Proprietario", "2"}, {"COOInicial", ""}}},
  };
  for (const Caso& caso : casos) {
    const int indice = quorbal::Posicao(caso.comando);
    frm.LimpaCampos(indice);
    frm.DefineParametro(indice, "Proprietario", "7");
    interacao.mensagens.clear();
    EXPECT_EQ(Processa(caso.linha), Seguimento::Continua) << caso.linha;
    const quorbal::DescritorComando& d = quorbal::kCatalogo[indice];
    for (const auto& [nome, texto] : caso.campos)
      EXPECT_EQ(frm.Campos[indice].parametros[quorbal::ProcuraCampo(d.parametros, d.total_parametros, nome)], texto)
          << caso.linha << " " << nome;
    EXPECT_EQ(interacao.mensagens, Textos{std::string("Erro ao enviar comando '") + d.nome + "'"}) << caso.linha;
  }
  EXPECT_TRUE(acompanhamento.erros.empty());
}

}  // namespace
}  // namespace tarnel
