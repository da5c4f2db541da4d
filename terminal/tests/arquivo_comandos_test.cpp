// The terminal's own lines in the command file: the header of a new file, CR LF line ends, the report
// of a file that cannot be written, and the line of a stopped recording.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "apoio/driver_roteirizado.h"
#include "apoio/interacao_roteirizada.h"
#include "scripts/arquivo_comandos.h"
#include "scripts/gravacao.h"
#include "test_support/fixed_clock.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"
#include "window/versao.h"

namespace tarnel {
namespace {

using test_support::read_bytes;
using Textos = std::vector<std::string>;

class ArquivoComandos : public ::testing::Test {
 protected:
  ArquivoComandos() : frm(interacao) { frm.ArquivoComandos = pasta.file("Comandos.RMT"); }

  test_support::FixedClock relogio{test_support::moment(2024, 3, 5, 9, 8, 7, 6)};
  test_support::TempFolder pasta{"tarnel-arquivo"};
  teste::InteracaoRoteirizada interacao;
  TfrmMain frm;
};

TEST_F(ArquivoComandos, ANewFileStartsWithTheHeaderAndLinesAreAppendedWithCrLf) {
  AcrescentaLinhaArquivoComandos(frm, "; um");
  AcrescentaLinhaArquivoComandos(frm, "; dois \xE9");
  EXPECT_EQ(read_bytes(frm.ArquivoComandos),
            "; Arquivo de Registro de Comandos do " + DescricaoDoPrograma() + "\r\n; um\r\n; dois \xE9\r\n");
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(ArquivoComandos, AnExistingFileGetsNoHeader) {
  test_support::write_bytes(frm.ArquivoComandos, "");
  AcrescentaLinhaArquivoComandos(frm, "; um");
  EXPECT_EQ(read_bytes(frm.ArquivoComandos), "; um\r\n");
}

TEST_F(ArquivoComandos, ALineThatCannotBeWrittenIsReportedAndLost) {
  frm.ArquivoComandos = pasta.file("sem-pasta/Comandos.RMT");
  AcrescentaLinhaArquivoComandos(frm, "; um");
  EXPECT_EQ(interacao.mensagens, Textos{"Arquivo de Registro de Comandos n\xE3o pode ser gravado."});
}

TEST_F(ArquivoComandos, StoppingSwitchesTheLogOffAndWritesTheLineOutsideStartUp) {
  auto driver = std::make_unique<teste::DriverRoteirizado>();
  teste::DriverRoteirizado* chamado = driver.get();
  frm.ModuloDriver = std::move(driver);
  frm.GravandoComandos = true;
  ParaGravacaoExecute(frm);
  EXPECT_EQ(chamado->chamadas, Textos{"SetaArquivoLog "});
  EXPECT_FALSE(frm.GravaComandos.Checked);
  EXPECT_EQ(frm.Caption, DescricaoDoPrograma());
  // Stopping again, with recording already off, writes the line again.
  ParaGravacaoExecute(frm);
  const std::string linha = "; 05/03/2024 09:08:07.006 - Grava\xE7\xF5\x65s de comandos suspensas neste arquivo.\r\n";
  EXPECT_EQ(read_bytes(frm.ArquivoComandos),
            "; Arquivo de Registro de Comandos do " + DescricaoDoPrograma() + "\r\n" + linha + linha);
}

}  // namespace
}  // namespace tarnel
