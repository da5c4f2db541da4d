// The binary MFD dump of the emulated printer, decoded back by the reader: exactly the memory the
// printer holds, with the images laid out as the analysis station expects them.
#include <gtest/gtest.h>

#include <string>

#include "apoio/emulada_conectada.h"
#include "driver/execucao.h"
#include "readings/chave_mfd.h"
#include "readings/le_memoria.h"
#include "readings/leitura_mfd_binaria.h"
#include "readings/secao_mfd.h"

namespace tarnel {
namespace {

using test_support::read_bytes;

std::uint32_t Le32(const std::string& b, std::size_t i) {
  std::uint32_t v = 0;
  for (int k = 3; k >= 0; --k) v = v << 8 | static_cast<unsigned char>(b[i + k]);
  return v;
}

class LeituraMFDEmulada : public teste::EmuladaConectada {
 protected:
  LeituraMFDEmulada() : EmuladaConectada("tarnel-mfd") {}
  // What the printer holds at an address, read straight through the memory window.
  std::string Memoria(std::uint32_t endereco, std::uint32_t quantidade) {
    std::string b;
    EXPECT_TRUE(LeMemoriaECF(frm, "", false, endereco, quantidade, &b));
    return b;
  }
};

TEST_F(LeituraMFDEmulada, TheDumpDecodesToTheMemoryThePrinterHolds) {
  // A receipt opened puts the detail memory into use: the cartridge counts as initialised.
  ASSERT_TRUE(frm.SelecionaComandoPorNome("AbreCupomFiscal"));
  frm.btLimpaParsClick();
  ASSERT_TRUE(ExecutaComandoSelecionado(frm));
  const std::string contagens = Memoria(0x10000000, 4);
  ASSERT_EQ(contagens, std::string("\x01\x00\x00\x00", 4));

  frm.DefineArquivoComandos(pasta.file("Gravado.RMT"));
  frm.ModuloDriver->SetaArquivoLog(pasta.file("Gravado.RMT"));
  ASSERT_TRUE(LeituraMFDBinariaExecute(frm)) << ::testing::PrintToString(interacao.mensagens);
  EXPECT_EQ(interacao.mensagens, std::vector<std::string>{"Arquivo 'LEITURA.MFD' gerado."});
  EXPECT_EQ(frm.ModuloDriver->ObtemNomeLog(), pasta.file("Gravado.RMT"));  // put back
  EXPECT_EQ(frm.Terminal.Texto(), "");
  EXPECT_EQ(read_bytes(pasta.file("Gravado.RMT")).find("SoftwareBasico"), std::string::npos);

  const ConteudoMFD dump = LeArquivoMFD(read_bytes(pasta.file("LEITURA.MFD")), Gost28147(ChaveMFD()));
  ASSERT_EQ(dump.erro, "");
  ASSERT_EQ(dump.secoes.size(), 3u);
  const std::string info = Memoria(0x78000000, 783);
  const std::uint32_t area_mf = Le32(info, 756), mf_usados = Le32(info, 776);
  const std::uint32_t area_mfd = Le32(info, 760), paginas = Le32(info, 772);
  ASSERT_GT(mf_usados, 0u);
  ASSERT_GT(paginas, 0u);

  EXPECT_EQ(dump.secoes[0], std::string(8192, '\xFF'));

  const std::string& b = dump.secoes[1];
  ASSERT_EQ(b.size(), area_mf + 4);
  EXPECT_EQ(b.substr(0, mf_usados), Memoria(0x70000000, mf_usados));
  EXPECT_EQ(b.find_first_not_of('\xFF', mf_usados), area_mf);
  EXPECT_EQ(b.substr(area_mf), info.substr(776, 4));

  const std::string& c = dump.secoes[2];
  const std::size_t imagem = area_mfd / 512 * 528;
  ASSERT_EQ(c.size(), imagem + 782);
  EXPECT_EQ(c.substr(0, paginas * 528), Memoria(0x30000000, paginas * 528));
  EXPECT_EQ(c.find_first_not_of('\xFF', paginas * 528), imagem);
  const std::string trailer = c.substr(imagem);
  EXPECT_EQ(trailer.substr(0, 528), info.substr(0, 528));
  EXPECT_EQ(trailer.substr(528, 240), std::string(240, '\0'));
  EXPECT_EQ(trailer.substr(768, 12), info.substr(768, 12));
  EXPECT_EQ(trailer.substr(780), std::string("\x01\x00", 2));  // the state byte, widened
}

}  // namespace
}  // namespace tarnel
