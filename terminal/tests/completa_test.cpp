// Tab completion in the shell: the candidates for the word before the cursor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "completa.h"
#include "quorbal/catalogo.h"

namespace {

using tarnel::cli::ArgumentoPalavra;
using tarnel::cli::Completa;
using tarnel::cli::PalavraCompletavel;
using Nomes = std::vector<std::string>;

const std::vector<PalavraCompletavel> kPalavrasShell = {
    {"comandos", ArgumentoPalavra::kComando},
    {"registrador", ArgumentoPalavra::kRegistrador},
    {"sair", ArgumentoPalavra::kNenhum},
};

TEST(Completion, CandidatesForTheWordBeforeTheCursor) {
  const std::pair<std::string, Nomes> casos[] = {
      // The first word: commands (letter case ignored, catalogue spelling) and shell words.
      {"abrega", {"AbreGaveta"}},
      {"  Abre", {"AbreCreditoDebito", "AbreCupomFiscal", "AbreCupomNaoFiscal", "AbreGaveta", "AbreGerencial"}},
      {"re", {"ReimprimeViaCreditoDebito", "ReinicializaEquipamento", "registrador"}},
      {"AbreGavetaX", {}},
      // Parameters of the line's command, with their "=", those already given left out.
      {"AbreGaveta ", {"TempoAcionamentoGaveta="}},
      {"abregaveta\tt", {"TempoAcionamentoGaveta="}},
      {"EscreveTexto NomeTexto=Livre ", {"ValorTexto="}},
      {"EscreveTexto ValorTexto=\"a b\" N", {"NomeTexto="}},
      {"AbreGaveta TempoAcionamentoGaveta=1 ", {}},
      // Inside a value, inside quotes, just after them, or after an unknown command: nothing.
      {"AbreGaveta TempoAcionamentoGaveta=", {}},
      {"EscreveTexto ValorTexto=\"Arroz N", {}},
      {"EscreveTexto ValorTexto=\"Arroz\"", {}},
      {"ComandoQueNaoExiste N", {}},
      // A shell word's argument, and nothing past it.
      {"registrador coo", {"COO", "COOInicioDia", "COOReducao"}},
      {"registrador ce", {"CER["}},
      {"registrador COO ", {}},
      {"comandos abrege", {"AbreGerencial"}},
      {"comandos AbreGaveta ", {}},
      {"sair ", {}},
  };
  for (const auto& [linha, esperados] : casos) EXPECT_EQ(Completa(linha, kPalavrasShell), esperados) << linha;
}

// What Tab puts in place of the word: never shorter than the word typed, whatever its letter case.
TEST(Completion, TheCommonBeginningKeepsTheWordTyped) {
  const std::pair<std::string, std::string> casos[] = {
      {"registrador CO", "CO"}, {"registrador co", "CO"}, {"registrador coo", "COO"},
      {"abre", "Abre"},         {"abrecu", "AbreCupom"},   {"xyz", ""},
  };
  for (const auto& [linha, esperado] : casos)
    EXPECT_EQ(tarnel::cli::InicioComum(Completa(linha, kPalavrasShell)), esperado) << linha;
}

TEST(Completion, AnEmptyLineOffersEveryCommandThenTheShellWords) {
  const Nomes candidatos = Completa("", kPalavrasShell);
  ASSERT_EQ(candidatos.size(), quorbal::kTotalComandos + kPalavrasShell.size());
  for (int i = 0; i < quorbal::kTotalComandos; ++i) EXPECT_EQ(candidatos[i], quorbal::kCatalogo[i].nome);
  EXPECT_EQ(candidatos.back(), "sair");
  // Every parameter of a command with many is offered after it.
  const quorbal::DescritorComando& venda = quorbal::kCatalogo[quorbal::ProcuraComando("VendeItem")];
  EXPECT_EQ(Completa("VendeItem ", kPalavrasShell).size(), venda.total_parametros);
}

}  // namespace
