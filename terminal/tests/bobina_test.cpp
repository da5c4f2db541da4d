// The roll reader: lines added since it last looked, whatever the file went through meanwhile.
#include "window/bobina.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "compat/path.h"
#include "test_support/temp_folder.h"

namespace tarnel {
namespace {

using test_support::TempFolder;
using test_support::write_bytes;

class Leitor : public ::testing::Test {
 protected:
  void Acrescenta(const std::string& bytes) {
    std::ofstream f(caminho, std::ios::binary | std::ios::app);
    f << bytes;
  }
  // The texts of the lines handed out.
  std::vector<std::string> Textos() {
    std::vector<std::string> textos;
    for (const LinhaBobina& l : leitor.Novas()) textos.push_back(l.texto);
    return textos;
  }

  TempFolder pasta{"tarnel-test"};
  std::string caminho = pasta.file("bobina0.txt");
  LeitorBobina leitor{caminho};
  using Linhas = std::vector<std::string>;
};

TEST_F(Leitor, MissingFileThenLinesAsTheyAreEnded) {
  EXPECT_EQ(Textos(), Linhas{});
  Acrescenta("N |CUPOM FISCAL\r\n  |\r\n  |001 Arr");
  const std::vector<LinhaBobina> primeiras = leitor.Novas();
  EXPECT_EQ(primeiras, (std::vector<LinhaBobina>{{"CUPOM FISCAL", true, false}, {"", false, false}}));
  EXPECT_EQ(Textos(), Linhas{});  // the last line has no end yet
  Acrescenta("oz\r");
  EXPECT_EQ(Textos(), Linhas{});  // nor now: its CR LF is not whole
  Acrescenta("\nNE|TOTAL R$ 21,00\r\n");
  EXPECT_EQ(leitor.Novas(), (std::vector<LinhaBobina>{{"001 Arroz", false, false}, {"TOTAL R$ 21,00", true, true}}));
  EXPECT_EQ(Textos(), Linhas{});
  // UTF-8 on disk, Windows-1252 handed out; a line ended by LF alone (edited by hand) counts too.
  Acrescenta(u8"  |DESCRIÇÃO\n");
  EXPECT_EQ(Textos(), Linhas{"DESCRI\xC7\xC3O"});
}

TEST_F(Leitor, AFileEmptiedCutOrReplacedIsReadFromItsStart) {
  Acrescenta("  |um\r\n  |dois\r\n");
  EXPECT_EQ(Textos(), (Linhas{"um", "dois"}));
  write_bytes(caminho, "  |tres\r\n");  // shorter: cut or emptied and written again
  EXPECT_EQ(Textos(), Linhas{"tres"});
  write_bytes(caminho, "  |outro arquivo\r\n  |mais longo\r\n");  // longer, other bytes where the last read ended
  EXPECT_EQ(Textos(), (Linhas{"outro arquivo", "mais longo"}));
  write_bytes(caminho, "");
  EXPECT_EQ(Textos(), Linhas{});
  Acrescenta("  |de novo\r\n");
  EXPECT_EQ(Textos(), Linhas{"de novo"});
  std::filesystem::remove(caminho);
  EXPECT_EQ(Textos(), Linhas{});
  Acrescenta("  |recriado\r\n");
  EXPECT_EQ(Textos(), Linhas{"recriado"});
}

TEST_F(Leitor, TearingThePaperSkipsWhatTheRollHoldsAndLeavesTheFile) {
  Acrescenta("  |antes\r\n  |ainda antes\r\n  |meia");
  leitor.Rasga();
  Acrescenta(" linha\r\n  |depois\r\n");
  EXPECT_EQ(Textos(), (Linhas{"meia linha", "depois"}));
  EXPECT_EQ(test_support::read_bytes(caminho), "  |antes\r\n  |ainda antes\r\n  |meia linha\r\n  |depois\r\n");
}

TEST_F(Leitor, ALongRollComesInPartsWithNothingLostOrRepeated) {
  std::string rolo;
  const int total = 40000;  // some 1.9 MB
  for (int i = 0; i < total; ++i) rolo += "  |" + std::string(40, 'x') + std::to_string(i) + "\r\n";
  write_bytes(caminho, rolo);
  int lidas = 0, chamadas = 0;
  for (std::vector<LinhaBobina> parte; !(parte = leitor.Novas()).empty(); ++chamadas)
    for (const LinhaBobina& l : parte) EXPECT_EQ(l.texto, std::string(40, 'x') + std::to_string(lidas++));
  EXPECT_EQ(lidas, total);
  EXPECT_GT(chamadas, 1);
  // A file with no line end at all is no roll: it is handed out rather than waited for forever.
  write_bytes(caminho, std::string(3u << 20, 'z'));
  std::size_t bytes = 0;
  for (std::vector<LinhaBobina> parte; !(parte = leitor.Novas()).empty();)
    for (const LinhaBobina& l : parte) bytes += l.texto.size();
  EXPECT_EQ(bytes, 3u << 20);
}

TEST(CaminhoBobina, OnlyTheEmulatedChannelHasARollFile) {
  EXPECT_EQ(CaminhoBobina("eMuL"), compat::join_path(compat::current_folder(), "bobina0.txt"));
  for (const char* canal : {"COM1", "USB", ""}) EXPECT_EQ(CaminhoBobina(canal), "") << canal;
}

}  // namespace
}  // namespace tarnel
