// LEITURA.MFD byte by byte: the zlib stream's parameters and flushes, blocks and padding, the cipher
// units, the layout, the reader, and a failed write that leaves the previous file alone.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "apoio/interacao_roteirizada.h"
#include "readings/arquivo_mfd.h"
#include "readings/chave_mfd.h"
#include "readings/secao_mfd.h"
#include "test_support/temp_folder.h"

namespace tarnel {
namespace {

using test_support::read_bytes;

std::uint32_t Le(const std::string& b, std::size_t i, int n) {
  std::uint32_t v = 0;
  for (int k = n - 1; k >= 0; --k) v = v << 8 | static_cast<unsigned char>(b[i + k]);
  return v;
}

std::string Aleatorios(std::size_t n, unsigned semente) {
  std::mt19937 s(semente);
  std::string b(n, '\0');
  for (char& c : b) c = static_cast<char>(s() % 7);  // compressible, but not trivially
  return b;
}

// One section taken apart by hand: its blocks' counts and the deciphered compressed bytes.
struct SecaoAberta {
  std::uint32_t tamanho = 0;
  std::vector<std::uint32_t> contagens;
  std::string comprimido;
  bool preenchimento_zero = true;
  std::size_t fim = 0;  // offset after the end mark
};

SecaoAberta Abre(const std::string& b, std::size_t pos) {
  SecaoAberta s;
  Gost28147::Chave chave = ChaveMFD();
  const Gost28147 cifra(chave);
  s.tamanho = Le(b, pos, 4);
  pos += 4;
  for (std::uint32_t c; (c = Le(b, pos, 2)) != 0;) {
    pos += 2;
    s.contagens.push_back(c);
    const std::size_t preenchido = (c + 7) / 8 * 8;
    std::string unidades = b.substr(pos, preenchido);
    for (std::size_t i = 0; i < preenchido; i += 8) cifra.Decifra(reinterpret_cast<unsigned char*>(&unidades[i]));
    s.comprimido += unidades.substr(0, c);
    s.preenchimento_zero = s.preenchimento_zero && unidades.find_first_not_of('\0', c) == std::string::npos;
    pos += preenchido;
  }
  s.fim = pos + 2;
  return s;
}

std::string Codifica(const std::string& claro) {
  std::string saida;
  Gost28147::Chave chave = ChaveMFD();
  const Gost28147 cifra(chave);
  EXPECT_TRUE(GravaSecaoMFD([&](const void* b, std::size_t n) {
    saida.append(static_cast<const char*>(b), n);
    return true;
  }, cifra, claro));
  return saida;
}

TEST(SecaoMFD, OneUnfinishedZlibStreamFlushedPerPieceInBlocksOfAtMost4000) {
  struct Caso {
    std::string claro;
    std::size_t pedacos;
  };
  const Caso casos[] = {
      {"A", 1}, {std::string(4000, '\xFF'), 1}, {std::string(4001, '\xFF'), 2}, {Aleatorios(30000, 1), 8},
      {Aleatorios(4000, 2) + std::string(8000, '\0'), 3},
  };
  for (const Caso& c : casos) {
    const std::string secao = Codifica(c.claro);
    const SecaoAberta s = Abre(secao, 0);
    EXPECT_EQ(s.fim, secao.size());
    EXPECT_EQ(s.tamanho, c.claro.size());
    EXPECT_TRUE(s.preenchimento_zero);
    for (std::uint32_t n : s.contagens) EXPECT_LE(n, 4000u);
    // Header of a 2^11 window at the default level; every piece ends with a sync flush's empty
    // stored block, and there is no final block nor Adler-32 after the last.
    ASSERT_GE(s.comprimido.size(), 6u);
    EXPECT_EQ(s.comprimido.substr(0, 2), "\x38\x8D");
    std::size_t marcas = 0;
    for (std::size_t p = 0; (p = s.comprimido.find(std::string("\0\0\xFF\xFF", 4), p)) != std::string::npos; ++p) ++marcas;
    EXPECT_GE(marcas, c.pedacos);
    EXPECT_EQ(s.comprimido.substr(s.comprimido.size() - 4), std::string("\0\0\xFF\xFF", 4));

    z_stream z{};
    ASSERT_EQ(inflateInit(&z), Z_OK);
    std::string claro(c.claro.size() + 16, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(s.comprimido.data()));
    z.avail_in = static_cast<uInt>(s.comprimido.size());
    z.next_out = reinterpret_cast<Bytef*>(claro.data());
    z.avail_out = static_cast<uInt>(claro.size());
    EXPECT_EQ(inflate(&z, Z_SYNC_FLUSH), Z_OK);  // never Z_STREAM_END
    EXPECT_EQ(z.avail_in, 0u);
    claro.resize(z.total_out);
    inflateEnd(&z);
    EXPECT_EQ(claro, c.claro);
  }
  // 4000 bytes of 0xFF make a single short block.
  EXPECT_EQ(Abre(Codifica(std::string(4000, '\xFF')), 0).contagens.size(), 1u);
}

TEST(SecaoMFD, IncompressibleBytesFillWholeBlocks) {
  std::mt19937 s(7);
  std::string claro(20000, '\0');
  for (char& c : claro) c = static_cast<char>(s());
  const SecaoAberta aberta = Abre(Codifica(claro), 0);
  ASSERT_GE(aberta.contagens.size(), 5u);
  EXPECT_EQ(aberta.contagens[0], 4000u);
}

TEST(SecaoMFD, AnEmptySectionOrARefusedWriteFails) {
  Gost28147::Chave chave = ChaveMFD();
  const Gost28147 cifra(chave);
  std::size_t chamadas = 0;
  EXPECT_FALSE(GravaSecaoMFD([&](const void*, std::size_t) { return ++chamadas, true; }, cifra, ""));
  EXPECT_EQ(chamadas, 0u);
  for (std::size_t falha = 1; falha <= 3; ++falha) {
    chamadas = 0;
    EXPECT_FALSE(GravaSecaoMFD([&](const void*, std::size_t) { return ++chamadas != falha; }, cifra, Aleatorios(5000, 3)));
    EXPECT_EQ(chamadas, falha);
  }
}

// tres_secoes.MFD was made apart from Tarnel (Python's zlib with the same parameters and flushes, and
// a plain GOST of its own): our reader reads it and our writer makes the same bytes.
TEST(SecaoMFD, ADumpMadeByAnIndependentEncoder) {
  const std::string arquivo = read_bytes(MFD_INDEPENDENTE);
  std::string bytes_c;
  for (int i = 0; i < 20; ++i)
    for (int b = 0; b < 256; ++b) bytes_c += static_cast<char>(b);
  const std::vector<std::string> secoes = {std::string(64, '\xFF'), [] {
                                             std::string b;
                                             for (int i = 0; i < 20; ++i) b += "MF";
                                             return b + std::string("\x28\0\0\0", 4);
                                           }(),
                                           bytes_c};
  const ConteudoMFD lido = LeArquivoMFD(arquivo, Gost28147(ChaveMFD()));
  EXPECT_EQ(lido.erro, "");
  EXPECT_EQ(lido.secoes, secoes);
  std::string nosso = "KVT-MFD";
  for (const std::string& s : secoes) nosso += Codifica(s);
  EXPECT_EQ(nosso + std::string(4, '\0'), arquivo);
}

class ArquivoMFD : public ::testing::Test {
 protected:
  ImagensMFD Imagens() const {
    ImagensMFD i;
    i.secao_a.assign(8192, '\xFF');
    i.secao_b = Aleatorios(9000, 4);
    i.secoes_c = {Aleatorios(5000, 5), Aleatorios(700, 6)};
    return i;
  }
  void Grava(const std::string& bytes) {
    std::FILE* f = std::fopen(caminho.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  std::size_t Arquivos() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(pasta.path()), {}));
  }
  test_support::TempFolder pasta{"tarnel-mfd"};
  std::string caminho = pasta.file("LEITURA.MFD");
  teste::InteracaoRoteirizada interacao;
};

TEST_F(ArquivoMFD, MagicSectionsInOrderAndAZeroEnd) {
  const ImagensMFD imagens = Imagens();
  ASSERT_TRUE(GravaArquivoMFD(interacao, caminho, imagens));
  EXPECT_TRUE(interacao.mensagens.empty());
  const std::string b = read_bytes(caminho);
  ASSERT_EQ(b.substr(0, 7), "KVT-MFD");
  std::size_t pos = 7;
  for (const std::string* s : {&imagens.secao_a, &imagens.secao_b, &imagens.secoes_c[0], &imagens.secoes_c[1]}) {
    const SecaoAberta aberta = Abre(b, pos);
    EXPECT_EQ(aberta.tamanho, s->size());
    pos = aberta.fim;
  }
  EXPECT_EQ(b.substr(pos), std::string(4, '\0'));

  const ConteudoMFD lido = LeArquivoMFD(b, Gost28147(ChaveMFD()));
  EXPECT_EQ(lido.erro, "");
  EXPECT_EQ(lido.secoes, (std::vector<std::string>{imagens.secao_a, imagens.secao_b, imagens.secoes_c[0],
                                                    imagens.secoes_c[1]}));
  EXPECT_EQ(Arquivos(), 1u);
}

TEST_F(ArquivoMFD, AFailedWriteLeavesThePreviousFileIntact) {
  Grava("o anterior");
  struct Caso {
    ImagensMFD imagens;
    std::size_t gravaveis;  // bytes the injected disk takes before it is full
  };
  ImagensMFD sem_mf = Imagens();
  sem_mf.secao_b.clear();
  const Caso casos[] = {{Imagens(), 0}, {Imagens(), 100}, {Imagens(), 5000}, {sem_mf, SIZE_MAX}};
  for (const Caso& c : casos) {
    interacao.mensagens.clear();
    std::size_t livres = c.gravaveis;
    const EscreveArquivo disco = [&](const void* b, std::size_t t, compat::AtomicFile& f) -> std::size_t {
      if (t > livres) return 0;
      livres -= t;
      return f.write(b, t) ? t : 0;
    };
    EXPECT_FALSE(GravaArquivoMFD(interacao, caminho, c.imagens, disco));
    EXPECT_EQ(interacao.mensagens, std::vector<std::string>{"Erro na grava\xE7\xE3o do arquivo de MFD !!!\n"});
    EXPECT_EQ(read_bytes(caminho), "o anterior");
    EXPECT_EQ(Arquivos(), 1u);
  }
}

TEST_F(ArquivoMFD, AMissingFolderIsReported) {
  EXPECT_FALSE(GravaArquivoMFD(interacao, pasta.file("falta/LEITURA.MFD"), Imagens()));
  EXPECT_EQ(interacao.mensagens, std::vector<std::string>{"Arquivo de MFD n\xE3o pode ser salvo.\n"});
}

// Not read-only to a superuser, who cannot run it.
TEST_F(ArquivoMFD, AReadOnlyFolderKeepsThePreviousFile) {
  Grava("o anterior");
  std::filesystem::permissions(pasta.path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  const bool protegida = std::fopen(pasta.file("teste").c_str(), "wb") == nullptr;
  if (protegida) {
    EXPECT_FALSE(GravaArquivoMFD(interacao, caminho, Imagens()));
    EXPECT_EQ(interacao.mensagens, std::vector<std::string>{"Arquivo de MFD n\xE3o pode ser salvo.\n"});
    EXPECT_EQ(read_bytes(caminho), "o anterior");
  }
  std::filesystem::permissions(pasta.path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  std::remove(pasta.file("teste").c_str());
  if (!protegida) GTEST_SKIP() << "a superuser writes into read-only folders";
}

TEST_F(ArquivoMFD, TheReaderNamesWhatIsWrongWithADamagedFile) {
  ASSERT_TRUE(GravaArquivoMFD(interacao, caminho, Imagens()));
  const std::string b = read_bytes(caminho);
  const Gost28147 cifra(ChaveMFD());
  std::string bloco_grande = b;
  bloco_grande[7 + 4] = '\xA1';  // first count of section A: 4001
  bloco_grande[7 + 5] = '\x0F';
  std::string outra_chave_cifra = b;
  struct Caso {
    std::string arquivo;
    std::string erro;
  };
  const Caso casos[] = {
      {"KVT-MF", "n\xE3o \xE9 um arquivo de MFD"},
      {b.substr(0, b.size() - 1), "se\xE7\xE3o 5, byte " + std::to_string(b.size() - 4) + ": arquivo truncado"},
      {b.substr(0, 40), "se\xE7\xE3o 1, byte 13: arquivo truncado"},
      {b + "x", "se\xE7\xE3o 5, byte " + std::to_string(b.size()) + ": bytes depois do fim"},
      {bloco_grande, "se\xE7\xE3o 1, byte 13: bloco de 4001 bytes"},
  };
  for (const Caso& c : casos) EXPECT_EQ(LeArquivoMFD(c.arquivo, cifra).erro, c.erro);
  // Deciphered with another key the bytes are no zlib stream.
  EXPECT_NE(LeArquivoMFD(b, Gost28147(Gost28147::Chave{1, 2, 3, 4, 5, 6, 7, 8})).erro, "");
}

}  // namespace
}  // namespace tarnel
