#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quorbal/bobina.h"
#include "quorbal/canal_emulado.h"

using namespace quorbal;

TEST(Bobina, LinesTravelThroughTheFileWithTheirMarks) {
  const struct {
    const char* texto;
    bool negrito, expandido;
    const char* no_arquivo;
  } casos[] = {
      {"", false, false, "  |\r\n"},
      {"CNPJ:11.222.333/0001-81", false, false, "  |CNPJ:11.222.333/0001-81\r\n"},
      {"CUPOM FISCAL", true, false, "N |CUPOM FISCAL\r\n"},
      {"x", false, true, " E|x\r\n"},
      {"TOTAL R$  21,00", true, true, "NE|TOTAL R$  21,00\r\n"},
      {"DESCRI\xC7\xC3O |NE|", false, false, u8"  |DESCRIÇÃO |NE|\r\n"},  // Windows-1252 in, UTF-8 on disk
  };
  for (const auto& c : casos) {
    const LinhaBobina linha{c.texto, c.negrito, c.expandido};
    const std::string no_arquivo = c.no_arquivo;
    EXPECT_EQ(FormataLinhaBobina(linha), no_arquivo) << linha.texto;
    EXPECT_EQ(LeLinhaBobina(no_arquivo.substr(0, no_arquivo.size() - 2)), linha) << no_arquivo;
  }
}

TEST(Bobina, ALineIsAlwaysOneLineAndForeignLinesArePlainText) {
  EXPECT_EQ(FormataLinhaBobina({"a\r\nb\tc\x7F", false, false}), "  |a  b c \r\n");
  // Lines not in the roll's form (edited by hand) are read whole as plain text.
  for (const std::string estranha : {"", "N", "NE", "X |texto", "N  texto", "texto solto"})
    EXPECT_EQ(LeLinhaBobina(estranha), (LinhaBobina{estranha, false, false})) << estranha;
  EXPECT_EQ(LeLinhaBobina(u8"  |\u20AC \u4E2D"), (LinhaBobina{"\x80 ?", false, false}));
}

TEST(Bobina, FileNameAndTheEmulatedChannel) {
  EXPECT_EQ(NomeArquivoBobina(0), "bobina0.txt");
  EXPECT_EQ(NomeArquivoBobina(12), "bobina12.txt");
  for (const char* canal : {"Emul", "emul", "EMUL", "eMuL"}) EXPECT_TRUE(EhCanalEmulado(canal)) << canal;
  for (const char* canal : {"", "Emu", "Emul ", "Emulado", "COM1", "USB"}) EXPECT_FALSE(EhCanalEmulado(canal)) << canal;
}
