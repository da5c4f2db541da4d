// The context file on a full disk and in a read-only folder: the command is answered with the
// writing error, the file on disk is the one from before the command, and a printer opened again
// reads the old state.
#include <filesystem>

#include "apoio.h"
#include "test_support/folder_fault.h"

namespace ecf::teste {
namespace {

TEST(DiscoCheio, ContextoFicaOAnterior) {
  PastaTemporaria pasta;
  const std::string limitada = pasta.arquivo("limitada");
  std::filesystem::create_directories(limitada);
  std::string antes;
  const auto prepara = [&] {
    auto impressora = Impressora::Abre(limitada, 0);
    impressora->Executa("EscreveInteiro", Pars({{"NomeInteiro", "ContrasteBobina"}, {"ValorInteiro", "3"}}));
    antes = LeBytes(impressora->ArquivoContexto());
  };
  const auto trabalho = [&] {
    auto impressora = Impressora::Abre(limitada, 0);
    const Resposta r =
        impressora->Executa("EscreveInteiro", Pars({{"NomeInteiro", "ContrasteBobina"}, {"ValorInteiro", "5"}}));
    std::string relato = r.nome_erro + " | " + r.circunstancia + " | ";
    relato += LeBytes(impressora->ArquivoContexto()) == antes ? "anterior" : "mudou";
    impressora.reset();
    auto reaberta = Impressora::Abre(limitada, 0);
    for (const Item& i : reaberta->Executa("LeInteiro", Pars({{"NomeInteiro", "ContrasteBobina"}})).retornos)
      if (i.nome == "ValorInteiro") relato += " | " + i.valor;
    return relato;
  };
  const std::string esperado = "ErroContextDrvrEscrita | Comando executado, mas o arquivo de contexto '" + limitada +
                               "/rasc0.bin' n\xE3o p\xF4" "de ser gravado | anterior | 3";
  for (const auto& falha : test_support::kFolderFaults) {
    SCOPED_TRACE(falha.name);
    const test_support::FaultRun run = test_support::run_with_folder_fault(limitada, falha.fault, prepara, trabalho);
    if (!run.ran) GTEST_SKIP() << "no small file system can be mounted here: " << run.why;
    EXPECT_EQ(run.report, esperado);
  }
}

}  // namespace
}  // namespace ecf::teste
