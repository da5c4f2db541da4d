// The readable copy of print data, byte for byte as it lands on disk (CR LF line ends).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "readings/filtra_impressao.h"
#include "test_support/temp_folder.h"

namespace tarnel {
namespace {

using test_support::read_bytes;
using test_support::TempFolder;
using test_support::write_bytes;

// Lines of 40 characters with CR LF: 12 of them fill 504 bytes, so what follows sits at the end of
// the first 512-byte block and the start of the next.
std::string Linhas504() {
  std::string linhas;
  for (int i = 0; i < 12; ++i) linhas += std::string(40, static_cast<char>('a' + i)) + "\r\n";
  return linhas;
}

TEST(FiltraArquivoImpressao, WritesTheCopyByteForByte) {
  const std::string cem(100, 'x');
  const std::string c48(48, 'x');
  struct Caso {
    const char* nome;
    std::string entrada, saida;
  } casos[] = {
      {"an ESC and the two bytes after it go", "\x1B!Ax", "x"},
      {"ESC '*' breaks the line and keeps the byte after it", "\x1B*Ax", "\r\nAx"},
      {"100 plain characters make lines of 48, 48 and 4", cem, c48 + "\r\n" + c48 + "\r\n" + "xxxx"},
      {"a line started by ESC '*' breaks after 49", "\x1B*" + std::string(50, 'y'),
       "\r\n" + std::string(49, 'y') + "\r\ny"},
      {"CR LF on disk is one line end and restarts the count", "a\r\n" + std::string(50, 'b'),
       "a\r\n" + std::string(48, 'b') + "\r\nbb"},
      {"a lone CR stays and restarts the count", "a\r" + std::string(49, 'b'), "a\r" + std::string(48, 'b') + "\r\nb"},
      {"attribute switches take no column", "\x1B" "E1" + std::string(48, 'z') + "\x1B" "E0!",
       std::string(48, 'z') + "\r\n!"},
      {"a sequence cut at the end of the text drops what came", "ok\x1B!", "ok"},
      {"an ESC straddling two blocks still drops its two bytes", Linhas504() + "1234567\x1B!Bz", Linhas504() + "1234567z"},
      {"a CR LF straddling two blocks is one line end", Linhas504() + "1234567\r\n" + std::string(49, 'q'),
       Linhas504() + "1234567\r\n" + std::string(48, 'q') + "\r\nq"},
      {"a CR before a CR LF stays a line end of its own", "a\r\r\nb", "a\r\nb"},
      {"bytes above 127 and a NUL are kept", std::string("\xC7\xE3o\0.", 5), std::string("\xC7\xE3o\0.", 5)},
      {"an empty file gives an empty copy", "", ""},
  };
  TempFolder pasta("tarnel-test");
  for (const Caso& caso : casos) {
    const std::string arquivo = pasta.file("MF.TXT");
    write_bytes(arquivo, caso.entrada);
    EXPECT_TRUE(FiltraArquivoImpressao(arquivo)) << caso.nome;
    EXPECT_EQ(read_bytes(arquivo + ".fmt"), caso.saida) << caso.nome;
    EXPECT_EQ(read_bytes(arquivo), caso.entrada) << caso.nome;
  }
}

// The copy continues where the last call stopped: a text filtered in pieces gives what it gives whole.
TEST(FiltraArquivoImpressao, PiecesOfTextFilterAsTheWhole) {
  const std::string texto = "\x1B*" + std::string(60, 'a') + "\x1B" "E1b\x1B*c\r\nd" + std::string(47, 'e');
  std::string inteiro;
  FiltroImpressao().Filtra(texto, inteiro);
  for (std::size_t corte = 0; corte <= texto.size(); ++corte) {
    FiltroImpressao filtro;
    std::string em_pedacos;
    filtro.Filtra(std::string_view(texto).substr(0, corte), em_pedacos);
    filtro.Filtra(std::string_view(texto).substr(corte), em_pedacos);
    ASSERT_EQ(em_pedacos, inteiro) << "cut at " << corte;
  }
}

TEST(FiltraArquivoImpressao, AMissingFileOrAnUnwritableCopyIsReportedAndMakesNothing) {
  TempFolder pasta("tarnel-test");
  EXPECT_FALSE(FiltraArquivoImpressao(pasta.file("nada.TXT")));
  EXPECT_FALSE(std::ifstream(pasta.file("nada.TXT.fmt")).good());

  // The copy's name is taken by a folder.
  write_bytes(pasta.file("LX.TXT"), "x");
  std::filesystem::create_directory(pasta.file("LX.TXT.fmt"));
  EXPECT_FALSE(FiltraArquivoImpressao(pasta.file("LX.TXT")));
  EXPECT_EQ(read_bytes(pasta.file("LX.TXT")), "x");
}

}  // namespace
}  // namespace tarnel
