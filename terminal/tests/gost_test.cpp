// The cipher against known answers worked out apart from it: fixed vectors, and a second, plain
// implementation (one step at a time, halves swapped, one 4-bit group at a time) over many blocks.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "readings/gost.h"

namespace tarnel {
namespace {

std::string Hex(const unsigned char* b) {
  static const char d[] = "0123456789abcdef";
  std::string s;
  for (int i = 0; i < 8; ++i) s += {d[b[i] >> 4], d[b[i] & 15]};
  return s;
}

// Row 0 of the DES S-boxes S1..S8 as FIPS 46-3 prints them.
const int kDes[8][16] = {
    {14, 4, 13, 1, 2, 15, 11, 8, 3, 10, 6, 12, 5, 9, 0, 7}, {15, 1, 8, 14, 6, 11, 3, 4, 9, 7, 2, 13, 12, 0, 5, 10},
    {10, 0, 9, 14, 6, 3, 15, 5, 1, 13, 12, 7, 11, 4, 2, 8}, {7, 13, 14, 3, 0, 6, 9, 10, 1, 2, 8, 5, 11, 12, 4, 15},
    {2, 12, 4, 1, 7, 10, 11, 6, 8, 5, 3, 15, 13, 0, 14, 9}, {12, 1, 10, 15, 9, 2, 6, 8, 0, 13, 3, 4, 14, 7, 5, 11},
    {4, 11, 2, 14, 15, 0, 8, 13, 3, 12, 9, 7, 5, 10, 6, 1}, {13, 2, 8, 4, 6, 15, 11, 1, 10, 9, 3, 14, 5, 0, 12, 7}};

std::uint32_t PassoSimples(std::uint32_t x) {
  std::uint32_t y = 0;
  for (int i = 0; i < 8; ++i) y = y << 4 | kDes[i][x >> (28 - 4 * i) & 15];
  return y << 11 | y >> 21;
}

void CifraSimples(const Gost28147::Chave& k, unsigned char* b) {
  std::uint32_t a = 0, c = 0;
  for (int i = 3; i >= 0; --i) a = a << 8 | b[i], c = c << 8 | b[4 + i];
  for (int passo = 0; passo < 32; ++passo) {
    const int indice = passo < 24 ? passo % 8 : 31 - passo;
    const std::uint32_t novo = c ^ PassoSimples(a + k[indice]);
    c = a;
    a = novo;
  }
  for (int i = 0; i < 4; ++i) b[i] = static_cast<unsigned char>(c >> 8 * i), b[4 + i] = static_cast<unsigned char>(a >> 8 * i);
}

const Gost28147::Chave kZero{};
const Gost28147::Chave kContada{0x01234567, 0x89ABCDEF, 0xFEDCBA98, 0x76543210,
                                0x0F1E2D3C, 0x4B5A6978, 0x8796A5B4, 0xC3D2E1F0};

TEST(Gost28147, KnownAnswers) {
  struct Caso {
    const Gost28147::Chave* chave;
    unsigned char bloco[8];
    const char* cifrado;
  };
  const Caso casos[] = {
      {&kZero, {0, 0, 0, 0, 0, 0, 0, 0}, "d7172be7c022f102"},
      {&kZero, {1, 2, 3, 4, 5, 6, 7, 8}, "7cb2f77595c8289d"},
      {&kZero, {255, 255, 255, 255, 255, 255, 255, 255}, "699124db0fb89787"},
      {&kContada, {0, 0, 0, 0, 0, 0, 0, 0}, "6302fbd937a14727"},
      {&kContada, {1, 2, 3, 4, 5, 6, 7, 8}, "4e91486aabf5d8d5"},
      {&kContada, {255, 255, 255, 255, 255, 255, 255, 255}, "87345f4fdfe9d239"},
  };
  for (const Caso& c : casos) {
    unsigned char b[8];
    std::copy(c.bloco, c.bloco + 8, b);
    Gost28147 cifra(*c.chave);
    cifra.Cifra(b);
    EXPECT_EQ(Hex(b), c.cifrado);
    cifra.Decifra(b);
    EXPECT_EQ(Hex(b), Hex(c.bloco));
  }
}

TEST(Gost28147, AgreesWithAPlainImplementationAndDeciphersBack) {
  std::mt19937 sorteio(28147);
  for (int vez = 0; vez < 200; ++vez) {
    Gost28147::Chave chave;
    for (auto& k : chave) k = sorteio();
    unsigned char b[8], esperado[8];
    for (int i = 0; i < 8; ++i) b[i] = esperado[i] = static_cast<unsigned char>(sorteio());
    const std::string claro = Hex(b);
    CifraSimples(chave, esperado);
    Gost28147 cifra(chave);
    cifra.Cifra(b);
    ASSERT_EQ(Hex(b), Hex(esperado)) << vez;
    cifra.Decifra(b);
    ASSERT_EQ(Hex(b), claro);
  }
}

}  // namespace
}  // namespace tarnel
