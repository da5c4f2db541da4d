// The shared library as a point-of-sale program loads it: the 55 plain names and nothing else.
#include <dlfcn.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "ambiente.h"

namespace plenvo::teste {
namespace {

constexpr const char* kExportacoes[] = {
    "ecf_InicializaDLL", "ecf_FinalizaDLL", "ecf_VersaoDLL", "ecf_LogSerial", "ecf_ProximoTimeout",
    "ecf_EstadoImpressora", "ecf_AbreGaveta", "ecf_LeSensor", "ecf_AvancaLinhas", "ecf_LeRegistrador",
    "ecf_VendaItem", "ecf_CancelaVenda", "ecf_CancelaCupom", "ecf_Relatorio_XZ", "ecf_FechaCupom",
    "ecf_Pagamento", "ecf_ImprimeCabecalho", "ecf_Propaganda", "ecf_CargaCliche", "ecf_IdComprador",
    "ecf_CargaAliquota", "ecf_LeECF", "ecf_CancelaItem", "ecf_AcrescimoSubtotal", "ecf_DescontoSubtotal",
    "ecf_DescontoItem", "ecf_ProgramaRelogio", "ecf_FormaPagamento", "ecf_CargaNaoVinculado",
    "ecf_DefineAliquota", "ecf_EspacamentoLinhas", "ecf_VinculadoTEF", "ecf_Autentica", "ecf_CupomStub",
    "ecf_ImprimeCheque", "ecf_NovoEstabelecimento", "ecf_VinculadoCartao", "ecf_Mecanismo",
    "ecf_EmiteNaoVinculado", "ecf_VinculadoNSeq", "ecf_FinalizaRelatorio", "ecf_CortaPapel", "ecf_CMC7ToECF",
    "ecf_LinhasLivres", "ecf_EjetarCheque", "ecf_Vinculado", "ecf_Rascunho", "ecf_ContrasteTermico",
    "ecf_LeCMC7", "ecf_CruzarCheque", "ecf_CodigoBarras", "ecf_PropagandaEx", "ecf_ImprimeCheque2",
    "ecf_ChancelarCheque", "ecf_Quorbal",
};

class Biblioteca : public AmbientePlenvo {
 protected:
  void TearDown() override {
    if (modulo_ != nullptr) dlclose(modulo_);
    AmbientePlenvo::TearDown();
  }
  void* modulo_ = nullptr;
};

TEST_F(Biblioteca, ExportaOs55NomesSimplesESoEles) {
  static_assert(sizeof kExportacoes / sizeof kExportacoes[0] == 55);
  modulo_ = dlopen(PLENVO_ARQUIVO, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(modulo_, nullptr) << dlerror();
  for (const char* nome : kExportacoes) EXPECT_NE(dlsym(modulo_, nome), nullptr) << nome;
  // Internals and the compat layer stay inside: the dynamic symbol table holds the 55 names and no
  // other (names the toolchain reserves, with two underscores, aside).
  EXPECT_EQ(dlsym(modulo_, "_ZN6plenvo6PlenvoEv"), nullptr);
  std::set<std::string> definidos;
  std::FILE* nm = popen((std::string("nm -D --defined-only '") + PLENVO_ARQUIVO + "'").c_str(), "r");
  ASSERT_NE(nm, nullptr);
  char endereco[64], tipo[8], nome[256];
  while (std::fscanf(nm, "%63s %7s %255s", endereco, tipo, nome) == 3)
    if (std::string(nome).rfind("__", 0) != 0) definidos.insert(nome);
  ASSERT_EQ(pclose(nm), 0);
  EXPECT_EQ(definidos, std::set<std::string>(std::begin(kExportacoes), std::end(kExportacoes)));

  using Versao = int (*)(char*);
  using SemArgumentos = int (*)();
  char texto[32];
  EXPECT_EQ(reinterpret_cast<Versao>(dlsym(modulo_, "ecf_VersaoDLL"))(texto), 26);
  EXPECT_STREQ(texto, "DLL Vardex 32 bits - V4.03");
  EXPECT_EQ(reinterpret_cast<SemArgumentos>(dlsym(modulo_, "ecf_EstadoImpressora"))(), 2);
  EXPECT_EQ(reinterpret_cast<SemArgumentos>(dlsym(modulo_, "ecf_FinalizaDLL"))(), 2);
}

// A program that frees Plenvo and loads it again gets a fresh instance. Here the vendor library is
// missing, whose failed loading is remembered per thread: that memory must not keep Plenvo loaded.
TEST_F(Biblioteca, DescarregadaDeVerdadeMesmoSemBibliotecaDoFornecedor) {
  modulo_ = dlopen(PLENVO_ARQUIVO, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(modulo_, nullptr) << dlerror();
  using Inicializa = int (*)(const char*);
  reinterpret_cast<Inicializa>(dlsym(modulo_, "ecf_InicializaDLL"))("COM1");
  ASSERT_EQ(dlclose(modulo_), 0);
  modulo_ = dlopen(PLENVO_ARQUIVO, RTLD_NOW | RTLD_NOLOAD);
  EXPECT_EQ(modulo_, nullptr) << "still loaded after dlclose";
}

}  // namespace
}  // namespace plenvo::teste
