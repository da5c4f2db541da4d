// The memory window: basic software below 0x10000000, the cartridge map above, read the way the
// terminal's memory reader reads it (set the address, read hexadecimal text, move on by what it got).
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "memorias/memorias.h"

namespace ecf::memorias {
namespace {

std::string DeHexadecimal(const std::string& texto) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < texto.size(); i += 2) bytes += static_cast<char>(std::stoi(texto.substr(i, 2), nullptr, 16));
  return bytes;
}

// The terminal's reader: address, then read and advance until `quantidade` bytes were read.
std::string LeComoOTerminal(Memorias& m, std::uint32_t endereco, std::size_t quantidade, int* leituras = nullptr) {
  std::string lido;
  int total = 0;
  while (lido.size() < quantidade) {
    m.DefineEnderecoSoftwareBasico(endereco);
    const TextoMemoria t = m.LeSoftwareBasico();
    EXPECT_TRUE(t.ok) << t.circunstancia;
    if (!t.ok || t.texto.empty()) break;
    EXPECT_LE(t.texto.size(), 2 * JanelaMemoria::kMaximoPorLeitura);
    const std::string bytes = DeHexadecimal(t.texto).substr(0, quantidade - lido.size());
    lido += bytes;
    endereco += static_cast<std::uint32_t>(bytes.size());
    ++total;
  }
  if (leituras) *leituras = total;
  return lido;
}

class JanelaDeMemoria : public ::testing::Test {
 protected:
  void SetUp() override {
    m.Fiscal().Inicializa("EMUL000001", "VARDEX II", 20031201, 0);
    m.Fiscal().GravaProprietario({1, 0, 20031201, 0, "12345678000190", "123", ""});
    RegistroReducao z;
    z.crz = 1;
    z.coo = 9;
    z.venda_bruta = 1000;
    m.Fiscal().GravaReducao(z);
    m.FitaDetalhe().Inicializa({"MFD0000001", "EMUL000001", "12345678000190", 20031201, 0});
    for (std::uint32_t coo = 1; coo <= 9; ++coo) {
      m.FitaDetalhe().IniciaDocumento({coo, TipoDocumento::kCupomFiscal, 1, 20031208, 0});
      m.FitaDetalhe().Grava(std::string(300, static_cast<char>('a' + coo)));
      m.FitaDetalhe().EncerraDocumento();
    }
  }
  Memorias m{"01.00.00"};
};

TEST_F(JanelaDeMemoria, SoftwareBasicoTemCabecalhoTamanhoECrc) {
  EXPECT_EQ(m.TamanhoSoftwareBasico(), SoftwareBasico::kTamanho);
  int leituras = 0;
  const std::string imagem = LeComoOTerminal(m, 0, m.TamanhoSoftwareBasico(), &leituras);
  ASSERT_EQ(imagem.size(), SoftwareBasico::kTamanho);
  EXPECT_EQ(leituras, static_cast<int>(SoftwareBasico::kTamanho / JanelaMemoria::kMaximoPorLeitura));
  EXPECT_EQ(imagem.substr(0, 16), "KVT VARDEX II SB");
  EXPECT_EQ(imagem.substr(16, 8), "01.00.00");
  EXPECT_EQ(LeU32(imagem.data() + 24), SoftwareBasico::kTamanho);
  EXPECT_EQ(LeU32(imagem.data() + 28), Crc(std::string_view(imagem).substr(64)));
  // The bytes every emulated printer has always held: those of a plain build here, and their digest.
  EXPECT_EQ(imagem, SoftwareBasico("01.00.00").Imagem());
  EXPECT_EQ(Crc(imagem), 0xB36039C2u);
  EXPECT_EQ(LeU32(imagem.data() + 28), 0xCB13EAE9u);
  // The same bytes in every printer, and a repeated read at the same address gives the same text.
  Memorias outra{"01.00.00"};
  EXPECT_EQ(LeComoOTerminal(outra, 0, 4096), imagem.substr(0, 4096));
  m.DefineEnderecoSoftwareBasico(1000);
  const std::string lido = m.LeSoftwareBasico().texto;
  EXPECT_EQ(lido, Hexadecimal(imagem.substr(1000, JanelaMemoria::kMaximoPorLeitura)));
  EXPECT_EQ(m.LeSoftwareBasico().texto, lido);
}

TEST_F(JanelaDeMemoria, LeituraParaNoFimDaArea) {
  m.DefineEnderecoSoftwareBasico(SoftwareBasico::kTamanho - 10);
  EXPECT_EQ(m.LeSoftwareBasico().texto.size(), 20u);
  m.DefineEnderecoSoftwareBasico(SoftwareBasico::kTamanho);
  const TextoMemoria fora = m.LeSoftwareBasico();
  EXPECT_FALSE(fora.ok);
  EXPECT_EQ(fora.nome_erro, "ErroMFDLeituraAlemEOF");
  EXPECT_EQ(fora.circunstancia, "Endereço 0x00040000 fora das áreas de memória");
  m.DefineEnderecoSoftwareBasico(0x10000002);
  EXPECT_EQ(m.LeSoftwareBasico().texto.size(), 4u);  // the rest of the counts only
  EXPECT_EQ(Hexadecimal("\x0A\x1B\xFF"), "0A1BFF");
}

TEST_F(JanelaDeMemoria, MapaDosCartuchosCoerenteComAsMemorias) {
  const std::string contagens = LeComoOTerminal(m, 0x10000000, 4);
  EXPECT_EQ(LeU16(contagens.data()), 1u);
  EXPECT_EQ(LeU16(contagens.data() + 2), 0u);

  const std::string lista = LeComoOTerminal(m, 0x11000000, 150);
  EXPECT_EQ(lista[0], 0);  // cartridge number
  EXPECT_EQ(lista[1], 3);  // MF and MFD
  EXPECT_EQ(lista.substr(2, 10), "MFD0000001");
  EXPECT_EQ(LeU32(lista.data() + 22), m.FitaDetalhe().PaginasUsadas());
  EXPECT_EQ(LeU32(lista.data() + 26), m.Fiscal().BytesUsados());
  EXPECT_EQ(lista.substr(30), std::string(120, '\xFF'));
  EXPECT_EQ(LeComoOTerminal(m, 0x12000000, 64), std::string(64, '\xFF'));

  const std::string info = LeComoOTerminal(m, 0x78000000, 783);
  ASSERT_EQ(info.size(), 783u);
  EXPECT_EQ(info.substr(0, 528), m.FitaDetalhe().Paginas().substr(0, 528));
  EXPECT_EQ(LeU32(info.data() + 756), MemoriaFiscal::kTamanhoArea);
  EXPECT_EQ(LeU32(info.data() + 760), MemoriaFitaDetalhe::kPaginasArea * 512);
  EXPECT_EQ(LeU32(info.data() + 768), 9u);  // last COO recorded
  EXPECT_EQ(LeU32(info.data() + 772), m.FitaDetalhe().PaginasUsadas());
  EXPECT_EQ(LeU32(info.data() + 776), m.Fiscal().BytesUsados());
  EXPECT_EQ(static_cast<signed char>(info[782]), 1);

  const std::string mf = LeComoOTerminal(m, 0x70000000, LeU32(info.data() + 776));
  EXPECT_EQ(mf, m.Fiscal().Imagem());
  const std::string mfd = LeComoOTerminal(m, 0x30000000, LeU32(info.data() + 772) * 528u);
  EXPECT_EQ(mfd, m.FitaDetalhe().Paginas());
  // Past what is used the areas read as erased memory.
  m.DefineEnderecoSoftwareBasico(0x70000000 + m.Fiscal().BytesUsados());
  EXPECT_EQ(m.LeSoftwareBasico().texto, std::string(512, 'F'));
}

// Printers opened on several threads at once share one image per version.
TEST(Janela, UmaImagemPorVersaoMesmoEntreThreads) {
  std::vector<const SoftwareBasico*> vistas(4, nullptr);
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < vistas.size(); ++i)
    threads.emplace_back([&vistas, i] { vistas[i] = &SoftwareBasico::DaVersao("09.09.09"); });
  for (std::thread& t : threads) t.join();
  for (const SoftwareBasico* vista : vistas) EXPECT_EQ(vista, vistas[0]);
  EXPECT_EQ(vistas[0]->Imagem(), SoftwareBasico("09.09.09").Imagem());
  EXPECT_NE(&SoftwareBasico::DaVersao("01.00.00"), vistas[0]);
  EXPECT_EQ(SoftwareBasico::DaVersao("01.00.00").Imagem().substr(16, 8), "01.00.00");
}

TEST(Janela, CartuchoNaoInicializado) {
  Memorias m{"01.00.00"};
  m.Fiscal().Inicializa("EMUL000001", "VARDEX II", 20031201, 0);
  const JanelaMemoria janela = m.Janela();
  EXPECT_EQ(janela.Contagens(), std::string("\x00\x00\x01\x00", 4));
  const std::string lista = janela.ListaNaoInicializados();
  EXPECT_EQ(lista[0], 0);
  EXPECT_EQ(LeU32(lista.data() + 2), MemoriaFitaDetalhe::kPaginasArea * 512);
  EXPECT_EQ(lista.substr(16), std::string(48, '\xFF'));
  const std::string info = janela.InformacoesCartucho(0);
  EXPECT_EQ(info.substr(0, 528), std::string(528, '\xFF'));
  EXPECT_EQ(LeU32(info.data() + 772), 0u);
  EXPECT_EQ(info[782], 0);
}

TEST_F(JanelaDeMemoria, ContextoGuardaAsDuasMemorias) {
  Escritor e;
  m.Serializa(e);
  Memorias lida{"01.00.00"};
  Leitor l(e.bytes(), 0, e.bytes().size());
  ASSERT_TRUE(lida.Desserializa(l));
  EXPECT_EQ(lida.Fiscal().Imagem(), m.Fiscal().Imagem());
  EXPECT_EQ(lida.FitaDetalhe().Paginas(), m.FitaDetalhe().Paginas());
  Escritor de_novo;
  lida.Serializa(de_novo);
  EXPECT_EQ(de_novo.bytes(), e.bytes());  // same state, same bytes
}

}  // namespace
}  // namespace ecf::memorias
