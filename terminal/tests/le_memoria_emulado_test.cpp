// The memory reader on the emulated printer through the real stand-in library: the basic software
// comes out whole (its header's CRC-32 matches its body), a cut-short file is resumed.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <string>

#include "apoio/emulada_conectada.h"
#include "readings/le_memoria.h"
#include "registers/le_registrador.h"
#include "registers/le_registrador_apos_comando.h"

namespace tarnel {
namespace {

using test_support::read_bytes;

std::uint32_t Le32(const std::string& b, std::size_t i) {
  return static_cast<unsigned char>(b[i]) | static_cast<unsigned char>(b[i + 1]) << 8 |
         static_cast<unsigned char>(b[i + 2]) << 16 | static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 3])) << 24;
}

class LeMemoriaEmulada : public teste::EmuladaConectada {
 protected:
  LeMemoriaEmulada() : EmuladaConectada("tarnel-memoria") { frm.ArquivoComandos = pasta.file("Comandos.RMT"); }
};

TEST_F(LeMemoriaEmulada, TheBasicSoftwareIsReadWholeAndACutShortFileResumed) {
  ASSERT_TRUE(LeituradoSoftwareBasicoClick(frm)) << ::testing::PrintToString(interacao.mensagens);
  const std::string arquivo = pasta.file("VardexII.bin");
  const std::string sb = read_bytes(arquivo);
  ASSERT_EQ(sb.size(), 256u * 1024);
  EXPECT_EQ(sb.substr(0, 16), "KVT VARDEX II SB");
  EXPECT_EQ(Le32(sb, 24), sb.size());
  const std::string corpo = sb.substr(64);
  EXPECT_EQ(Le32(sb, 28), crc32(0, reinterpret_cast<const Bytef*>(corpo.data()), static_cast<uInt>(corpo.size())));

  // From 1000 on, 256 bytes a reading: 1021 readings instead of the 1024 of a whole one.
  std::filesystem::resize_file(arquivo, 1000);
  int leituras = 0;
  frm.AposComando.Observa([&](const ComandoExecutado& c) { leituras += c.Eh(quorbal::Comando::LeTexto); });
  ASSERT_TRUE(LeituradoSoftwareBasicoClick(frm));
  EXPECT_EQ(read_bytes(arquivo), sb);
  EXPECT_EQ(leituras, 1021);
}

// With automatic reading of an integer register on, the size and bytes read stay the software's.
TEST_F(LeMemoriaEmulada, AutomaticRegisterReadingDoesNotChangeWhatIsRead) {
  LeRegistradorAposComando(frm, [this] { LeRegistradorExecute(frm); });
  frm.LeRegistrador.Checked = true;
  frm.cbNomeRegistrador = "COO";
  ASSERT_TRUE(LeituradoSoftwareBasicoClick(frm)) << ::testing::PrintToString(interacao.mensagens);
  EXPECT_EQ(read_bytes(pasta.file("VardexII.bin")).size(), 256u * 1024);
}

TEST_F(LeMemoriaEmulada, CartridgeCountsAndListReadIntoABuffer) {
  std::string contagens;
  ASSERT_TRUE(LeMemoriaECF(frm, "", false, 0x10000000, 4, &contagens));
  ASSERT_EQ(contagens.size(), 4u);
  const unsigned inicializados = static_cast<unsigned char>(contagens[0]) | static_cast<unsigned char>(contagens[1]) << 8;
  const unsigned nao = static_cast<unsigned char>(contagens[2]) | static_cast<unsigned char>(contagens[3]) << 8;
  EXPECT_EQ(inicializados + nao, 1u);  // one cartridge, number 0
  std::string lista;
  ASSERT_TRUE(LeMemoriaECF(frm, "", false, inicializados ? 0x11000000 : 0x12000000, inicializados ? 150 : 64, &lista));
  ASSERT_EQ(lista.size(), inicializados ? 150u : 64u);
  EXPECT_EQ(lista[0], '\0');
}

}  // namespace
}  // namespace tarnel
