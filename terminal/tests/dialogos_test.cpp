// The small dialogs' models: the about box with and without OEM.INI, the timeout dialog.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "apoio/interacao_roteirizada.h"
#include "compat/path.h"
#include "test_support/temp_folder.h"
#include "window/aboutfrm.h"
#include "window/mainfrm.h"
#include "window/timeoutfrm.h"
#include "window/versao.h"

namespace tarnel {
namespace {

using test_support::TempFolder;
using test_support::write_bytes;

TEST(TfrmAbout, WithoutOemIniShowsTheDefaultLinesAndTheProgramsPicture) {
  TempFolder pasta{"tarnel-sobre", TempFolder::enter};
  const TfrmAbout sobre("Tarnel");
  EXPECT_EQ(sobre.Caption, "Sobre Tarnel");
  EXPECT_EQ(sobre.ProductName, "Tarnel");
  EXPECT_EQ(sobre.Version, TextoVersao());
  EXPECT_TRUE(std::regex_match(sobre.Version, std::regex(R"(\d+\.\d+\.\d+\.\d+)"))) << sobre.Version;
  EXPECT_EQ(sobre.OEMEmpresa, "KVT Automa\xE7\xE3o Comercial Ltda.");
  EXPECT_EQ(sobre.Linha1, "Vardex II");
  EXPECT_EQ(sobre.Linha2, "");
  EXPECT_EQ(sobre.ProgramIcon, "");
}

TEST(TfrmAbout, OemIniLinesAreCutToTheirFieldsAndThePictureIsChosen) {
  TempFolder pasta{"tarnel-sobre", TempFolder::enter};
  const std::string longa(250, 'x');
  write_bytes("OEM.INI", "[OEM]\r\nEmpresa=" + longa + "\r\nLinha1=" + longa + "\r\nLinha2=Revenda S\xE3o Jos\xE9\r\n" +
                             "Picture=logo.bmp\r\n");
  write_bytes("OEM.BMP", "BM");
  {
    const TfrmAbout sobre("Tarnel");
    EXPECT_EQ(sobre.OEMEmpresa, std::string(199, 'x'));
    EXPECT_EQ(sobre.Linha1, std::string(99, 'x'));
    EXPECT_EQ(sobre.Linha2, "Revenda S\xE3o Jos\xE9");
    // The working folder as the system spells it (with backslashes on Windows).
    EXPECT_EQ(sobre.ProgramIcon, compat::join_path(compat::current_folder(), "OEM.BMP"))
        << "the named picture does not exist";
  }
  write_bytes("logo.bmp", "BM");
  EXPECT_EQ(TfrmAbout("Tarnel").ProgramIcon, "logo.bmp");
}

TEST(TfrmTimeout, CancelAfterEditingLeavesTheTimeoutAndOkStoresTheField) {
  teste::InteracaoRoteirizada interacao;
  TfrmMain frm(interacao);
  TfrmTimeout dialogo;
  EXPECT_EQ(std::string(dialogo.Caption()), "Defini\xE7\xE3o de Timeout");
  dialogo.FormShow(frm);
  EXPECT_EQ(dialogo.ebTimeout, 5);
  dialogo.ebTimeoutChange(30);
  dialogo.btCancelarClick();
  EXPECT_EQ(frm.TimeoutComando, 5);

  dialogo.FormShow(frm);
  EXPECT_EQ(dialogo.ebTimeout, 5) << "showing again takes the stored value, not the cancelled edit";
  const std::int32_t casos[][2] = {{30, 30}, {12000, 9999}, {-3, 0}, {0, 0}};
  for (const auto& caso : casos) {
    dialogo.ebTimeoutChange(caso[0]);
    dialogo.btOKClick(frm);
    EXPECT_EQ(frm.TimeoutComando, caso[1]) << caso[0];
  }
}

TEST(TfrmMain, AccentedTextsOfTheDesignAreWindows1252) {
  teste::InteracaoRoteirizada interacao;
  const TfrmMain frm(interacao);
  const struct {
    const std::string& texto;
    const char* bytes;
  } casos[] = {
      {frm.Caption, "Vavizuru vo Ruzeduvi KVT Vardex II"},
      {frm.GravaComandos.Hint, "Inicia/Interrompe Grava\xE7\xE3o do Arquivo de Registro de Comandos"},
      {frm.ParaGravacao.Caption, "&P\xE1ra Grava\xE7\xE3o de Comandos"},
      {frm.ParaGravacao.Hint, "P\xE1ra Grava\xE7\xE3o de Arquivo do Registro de Comandos"},
      {frm.LeRegistrador.Caption, "&Leitura Autom\xE1tica de Registrador"},
      {frm.LeRegistrador.Hint, "Ativa/Desativa Leitura Autom\xE1tica de Registrador"},
      {frm.ConexaoExcel.Caption, "Conex\xE3o com o Excel"},
      {frm.ConexaoExcel.Hint, "Conex\xE3o Excel"},
      {frm.ObtemLeituraX.Caption, "Obt\xE9m os dados da Leitura X e armazena na planilha"},
      {frm.ConfiguraTotalizadores.Hint, "Configura as al\xEDquotas na planilha"},
      {frm.LeImpressao.Caption, "Leitura da Impress\xE3o do ECF"},
      {frm.LeImpressao.Hint, "L\xEA os \xFAltimos dados impressos no ECF"},
      {frm.LeituraMFDBinaria.Caption, "Leitura Bin\xE1ria da MFD"},
      {frm.LeituraMFDBinaria.ShortCut, "Ctrl+Alt+M"},
  };
  for (const auto& caso : casos) EXPECT_EQ(caso.texto, caso.bytes);
  EXPECT_EQ(frm.cbNomeRegistradorItems.size(), 205u);
  EXPECT_EQ(frm.cbNomeRegistradorItems.front(), "Aliquota00ICMSReducao");
  EXPECT_EQ(frm.cbNomeRegistradorItems.back(), "VersaoSW");
}

}  // namespace
}  // namespace tarnel
