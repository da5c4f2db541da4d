// tarnel-cli software-basico, mfd-binaria and mfd-ler on the emulated printer, as a program.
#include <gtest/gtest.h>

#include "cli_programa.h"

namespace teste_cli {
namespace {

TEST(CliMemoria, TheBasicSoftwareAndADumpReadBackIntoItsSections) {
  TempFolder pasta{"tarnel-cli-memoria", TempFolder::enter};
  Execucao e = RodaCli(pasta, {"software-basico"});
  EXPECT_EQ(e.status, 0) << e.mensagens;
  EXPECT_EQ(e.saida, "Arquivo '" + pasta.file("VardexII.bin") + "' gerado!\n");
  EXPECT_EQ(e.mensagens, "");
  EXPECT_EQ(read_bytes(pasta.file("VardexII.bin")).size(), 256u * 1024);

  // Into standard output, the bytes alone: the announcement goes with the messages.
  e = RodaCli(pasta, {"software-basico", "/dev/stdout"});
  EXPECT_EQ(e.status, 0) << e.mensagens;
  EXPECT_EQ(e.saida, read_bytes(pasta.file("VardexII.bin")));
  EXPECT_EQ(e.mensagens, "Arquivo '/dev/stdout' gerado!\n");

  ASSERT_EQ(RodaCli(pasta, {"exec", "AbreCupomFiscal"}).status, 0);
  e = RodaCli(pasta, {"mfd-binaria"});
  EXPECT_EQ(e.status, 0) << e.mensagens;
  EXPECT_EQ(e.saida, "Arquivo 'LEITURA.MFD' gerado.\n");
  EXPECT_EQ(e.mensagens, "");

  e = RodaCli(pasta, {"mfd-ler", "LEITURA.MFD", pasta.path()});
  EXPECT_EQ(e.status, 0) << e.mensagens;
  EXPECT_TRUE(Casa(e.saida, PadraoLinhas({
                                u8"Seção A: 8192 bytes em " + pasta.file("secao_A.bin"),
                                u8"~Seção B: 1048580 bytes em " + literal_pattern(pasta.file("secao_B.bin")) +
                                    "; bytes da MF usados=[1-9][0-9]*",
                                u8"~Seção C1: [0-9]+ bytes em " + literal_pattern(pasta.file("secao_C1.bin")) +
                                    u8"; valor A=[0-9]+ páginas usadas=[1-9][0-9]* bytes da MF usados=[1-9][0-9]* "
                                    "valor B=1",
                            })))
      << e.saida;
  EXPECT_EQ(read_bytes(pasta.file("secao_A.bin")), std::string(8192, '\xFF'));

  // A folder that does not exist yet is made; one that cannot be made is told.
  e = RodaCli(pasta, {"mfd-ler", "LEITURA.MFD", "secoes/novas"});
  EXPECT_EQ(e.status, 0) << e.mensagens;
  EXPECT_EQ(read_bytes(pasta.file("secoes/novas/secao_A.bin")), std::string(8192, '\xFF'));
  test_support::write_bytes(pasta.file("arquivo"), "x");
  e = RodaCli(pasta, {"mfd-ler", "LEITURA.MFD", "arquivo/sub"});
  EXPECT_EQ(e.status, 2);
  EXPECT_EQ(e.mensagens, "Erro ao criar a pasta 'arquivo/sub'\n");

  // A dump named as one of its own sections is not written over by it.
  const std::string dump = read_bytes(pasta.file("LEITURA.MFD"));
  test_support::write_bytes(pasta.file("secao_C1.bin"), dump);
  e = RodaCli(pasta, {"mfd-ler", "secao_C1.bin"});
  EXPECT_EQ(e.status, 2);
  EXPECT_EQ(e.mensagens, u8"O arquivo de MFD secao_C1.bin seria substituído "
                         u8"pela seção C1; nenhuma seção foi gravada.\n");
  EXPECT_TRUE(read_bytes(pasta.file("secao_C1.bin")) == dump);  // not printed: a megabyte of bytes
}

TEST(CliMemoria, ADamagedOrMissingDumpIsReported) {
  TempFolder pasta{"tarnel-cli-memoria", TempFolder::enter};
  test_support::write_bytes(pasta.file("ruim.MFD"), "KVT-MFD\x05");
  struct Caso {
    std::vector<std::string> argumentos;
    int status;
    std::string mensagens;
  };
  const Caso casos[] = {
      {{"mfd-ler", "ruim.MFD"}, 1, u8"Arquivo de MFD danificado: seção 1, byte 7: arquivo truncado\n"},
      {{"mfd-ler", "falta.MFD"}, 2, "Erro ao acessar o arquivo 'falta.MFD'\n"},
      {{"mfd-ler"}, 2, "tarnel-cli mfd-ler: Falta o arquivo de MFD (veja tarnel-cli --help)\n"},
  };
  for (const Caso& c : casos) {
    const Execucao e = RodaCli(pasta, c.argumentos);
    EXPECT_EQ(e.status, c.status);
    EXPECT_EQ(e.mensagens, c.mensagens);
  }
}

}  // namespace
}  // namespace teste_cli
