// Plenvo's log on a full disk and in a read-only drive C: the entries that cannot be written are
// skipped and the operations go on with their own results; what the log held is not damaged.
#include <filesystem>

#include "ambiente.h"
#include "plenvo.h"
#include "test_support/folder_fault.h"

namespace plenvo::teste {
namespace {

class DiscoCheio : public AmbientePlenvo {};

TEST_F(DiscoCheio, LogQueNaoCabeEPuladoEAsOperacoesSeguem) {
  UsaFornecedor("1");
  FixaRelogio(HojeAs(9, 0, 0, 0));
  std::string antes;
  const auto prepara = [&] {
    ecf_InicializaDLL("COM1");
    ecf_LogSerial("1");
    ecf_EstadoImpressora();
    antes = Log();
  };
  const auto trabalho = [&] {
    std::string relato;
    for (int i = 0; i < 20; ++i) relato += std::to_string(ecf_AbreGaveta()) + " ";
    char registrador[31] = "";
    relato += std::to_string(ecf_LeRegistrador("5", registrador)) + " ";
    relato += std::to_string(ecf_FinalizaDLL()) + " | ";
    relato += Log().compare(0, antes.size(), antes) == 0 ? "inicio intacto" : "avariado";
    return relato;
  };
  std::string esperado;
  for (int i = 0; i < 20; ++i) esperado += "33 ";
  esperado += "33 33 | inicio intacto";
  for (const auto& falha : test_support::kFolderFaults) {
    SCOPED_TRACE(falha.name);
    const test_support::FaultRun run = test_support::run_with_folder_fault(UnidadeC(), falha.fault, prepara, trabalho);
    if (!run.ran) GTEST_SKIP() << "no small file system can be mounted here: " << run.why;
    EXPECT_EQ(run.report, esperado);
  }
}

TEST_F(DiscoCheio, ArquivoDeSaidaQueNaoSeGravaNaoEExito) {
  // The readings that land in the caller's file: a file that cannot take their data is no reading.
  UsaFornecedor("1");
  const std::string saida = Pasta("saida");
  std::filesystem::create_directories(saida);
  const auto trabalho = [&] {
    std::string relato = std::to_string(ecf_InicializaDLL("COM1"));
    relato += " " + std::to_string(ecf_LeCMC7((saida + "/cmc7.txt").c_str()));
    relato += " " + std::to_string(ecf_LeECF("5", "1", "2", "0", (saida + "/lx.txt").c_str()));
    relato += " " + std::to_string(ecf_Quorbal("{0;LeInteiro;NomeInteiro=\"COO\";}", (saida + "/q.txt").c_str()));
    relato += " " + std::to_string(ecf_FinalizaDLL());
    return relato;
  };
  for (const auto& falha : test_support::kFolderFaults) {
    SCOPED_TRACE(falha.name);
    const test_support::FaultRun run = test_support::run_with_folder_fault(saida, falha.fault, [] {}, trabalho);
    if (!run.ran) GTEST_SKIP() << "no small file system can be mounted here: " << run.why;
    EXPECT_EQ(run.report, "33 20 20 20 33");
  }
}

}  // namespace
}  // namespace plenvo::teste
