#include "enquadrador.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "quadros_teste.h"

namespace serialsim {
namespace {

std::vector<Quadro> Todos(Enquadrador& e, bool silencio = false) {
  std::vector<Quadro> quadros;
  Quadro q;
  while (e.Proximo(q, silencio)) quadros.push_back(q);
  return quadros;
}

TEST(Enquadrador, EveryCommandEndsAtItsLengthAndNotBefore) {
  std::size_t n = 0;
  const ComandoSerial* comandos = ComandosSeriais(n);
  ASSERT_EQ(n, 50u);
  for (std::size_t i = 0; i < n; ++i) {
    const ComandoSerial& c = comandos[i];
    const std::string quadro = c.tamanho_no_quadro ? QuadroQuorbal("{0;LeTexto;;}") : QuadroValido(c);
    SCOPED_TRACE(c.numero);
    Enquadrador e;
    e.Acrescenta(quadro.substr(0, quadro.size() - 1));
    if (c.tx_curto == 0) {
      EXPECT_TRUE(Todos(e).empty());
    }
    e.Acrescenta(quadro.substr(quadro.size() - 1));
    const auto quadros = Todos(e);
    ASSERT_EQ(quadros.size(), 1u);
    EXPECT_EQ(quadros[0].bytes, quadro);
    EXPECT_EQ(quadros[0].numero, c.numero);
    EXPECT_TRUE(quadros[0].valido);
    EXPECT_FALSE(e.Pendente());
  }
}

TEST(Enquadrador, KnownLengthsOfTheTable) {
  EXPECT_EQ(ProcuraComandoSerial(5)->tx, 100);
  EXPECT_EQ(ProcuraComandoSerial(22)->tx, 19);
  EXPECT_EQ(ProcuraComandoSerial(27)->tx, 835);
  EXPECT_EQ(ProcuraComandoSerial(34)->tx, 189);
  EXPECT_EQ(ProcuraComandoSerial(34)->tx_curto, 169);
  EXPECT_EQ(ProcuraComandoSerial(48)->tx, 417);
  EXPECT_EQ(ProcuraComandoSerial(50)->tx, 856);
  EXPECT_EQ(ProcuraComandoSerial(58)->tx, 361);
  for (int sem : {21, 28, 31, 32, 33, 37, 38, 40, 41, 43, 55, 61, 99}) EXPECT_EQ(ProcuraComandoSerial(sem), nullptr) << sem;
}

TEST(Enquadrador, ByteByByteAndGarbageAroundFrames) {
  const std::string a = QuadroValido(5, "7891234567890DESCRICAO");
  const std::string b = QuadroValido(0);
  const std::string fluxo = std::string("lixo\x1bx\x1b", 7) + a + "f\x1b" + b + "\x1b";
  Enquadrador e;
  std::vector<Quadro> quadros;
  for (char c : fluxo) {
    e.Acrescenta(std::string(1, c));
    for (const Quadro& q : Todos(e)) quadros.push_back(q);
  }
  ASSERT_EQ(quadros.size(), 2u);
  EXPECT_EQ(quadros[0].bytes, a);
  EXPECT_EQ(quadros[1].bytes, b);
  EXPECT_TRUE(e.Pendente());  // the trailing ESC may start a frame
  EXPECT_TRUE(Todos(e, true).empty());
  EXPECT_FALSE(e.Pendente());
}

TEST(Enquadrador, ChequeFrameLongShortAndFollowed) {
  const std::string longo = QuadroValido(34, std::string(185, '1'));
  std::string curto = longo.substr(0, 169);
  Enquadrador e;
  e.Acrescenta(longo);
  ASSERT_EQ(Todos(e).at(0).bytes, longo);

  e.Acrescenta(curto);
  EXPECT_TRUE(Todos(e).empty());  // may still be a long one
  auto quadros = Todos(e, true);
  ASSERT_EQ(quadros.size(), 1u);
  EXPECT_EQ(quadros[0].bytes, curto);
  EXPECT_TRUE(quadros[0].valido);

  e.Acrescenta(curto + QuadroValido(0));
  quadros = Todos(e);
  ASSERT_EQ(quadros.size(), 2u);
  EXPECT_EQ(quadros[0].bytes, curto);
  EXPECT_EQ(quadros[1].bytes, QuadroValido(0));

  // 180 bytes and silence: the short form, the rest is noise.
  e.Acrescenta(longo.substr(0, 180));
  quadros = Todos(e, true);
  ASSERT_EQ(quadros.size(), 1u);
  EXPECT_EQ(quadros[0].bytes, curto);
  EXPECT_FALSE(e.Pendente());
}

// Found by serialsim_fuzz: with 189 bytes in hand the short cheque frame swallowed the header of
// the frame after it, which a stream cut into smaller pieces read as two frames.
TEST(Enquadrador, ShortChequeFrameEndsAtTheNextHeaderHoweverTheStreamIsCut) {
  const std::string longo = QuadroValido(34, std::string(185, '1'));
  const std::string curto = longo.substr(0, 169);
  const std::string fluxo = curto + QuadroValido(0) + longo;
  for (const std::size_t pedaco : {fluxo.size(), std::size_t{5}, std::size_t{1}}) {
    SCOPED_TRACE(pedaco);
    Enquadrador e;
    std::vector<Quadro> quadros;
    for (std::size_t i = 0; i < fluxo.size(); i += pedaco) {
      e.Acrescenta(fluxo.substr(i, pedaco));
      for (const Quadro& q : Todos(e)) quadros.push_back(q);
    }
    ASSERT_EQ(quadros.size(), 3u);
    EXPECT_EQ(quadros[0].bytes, curto);
    EXPECT_EQ(quadros[1].bytes, QuadroValido(0));
    EXPECT_EQ(quadros[2].bytes, longo);
  }
}

TEST(Enquadrador, QuorbalFrameCarriesItsLength) {
  const std::string texto = std::string("{0;X;a=\"\x1b" "f00\";}");
  Enquadrador e;
  e.Acrescenta(QuadroQuorbal(texto) + QuadroValido(0));
  auto quadros = Todos(e);
  ASSERT_EQ(quadros.size(), 2u);
  EXPECT_EQ(quadros[0].bytes, QuadroQuorbal(texto));  // ESC f inside the text is text
  EXPECT_EQ(quadros[1].numero, 0);

  const std::string maximo(kTextoQuorbalMaximo, 'x');
  e.Acrescenta(QuadroQuorbal(maximo));
  quadros = Todos(e);
  ASSERT_EQ(quadros.size(), 1u);
  EXPECT_EQ(quadros[0].bytes.size(), 4096u);

  // A length beyond the frame limit or not made of digits: the header is dropped, the printer
  // finds the next frame.
  for (const char* cabeca : {"4089", "00a5", "-001"}) {
    e.Acrescenta(Cabecalho(60) + cabeca + "xxxx" + QuadroValido(1));
    quadros = Todos(e);
    ASSERT_EQ(quadros.size(), 2u) << cabeca;
    EXPECT_FALSE(quadros[0].valido);
    EXPECT_EQ(quadros[0].bytes, Cabecalho(60));
    EXPECT_EQ(quadros[1].bytes, QuadroValido(1));
  }
}

TEST(Enquadrador, MalformedHeadersAndFields) {
  Enquadrador e;
  e.Acrescenta(Cabecalho(21) + "abc" + std::string("\x1b" "f\x1b" "f00", 6) + std::string("\x1b" "f0") + "x");
  auto quadros = Todos(e);
  ASSERT_EQ(quadros.size(), 4u);
  EXPECT_EQ(quadros[0].bytes, Cabecalho(21));
  EXPECT_FALSE(quadros[0].valido);
  EXPECT_EQ(quadros[1].bytes, "\x1b" "f");
  EXPECT_FALSE(quadros[1].valido);
  EXPECT_EQ(quadros[2].bytes, QuadroValido(0));
  EXPECT_TRUE(quadros[2].valido);
  EXPECT_EQ(quadros[3].bytes, "\x1b" "f");

  // Digit fields hold digits only; "18" starts with the character 0.
  for (const std::string& ruim : {QuadroValido(3, "a1"), QuadroValido(3, "-5"), QuadroValido(44, "00001x"),
                                  QuadroValido(27, std::string(827, ' ') + "0"), QuadroValido(18, "1")}) {
    e.Acrescenta(ruim);
    quadros = Todos(e);
    ASSERT_EQ(quadros.size(), 1u);
    EXPECT_FALSE(quadros[0].valido) << ruim.substr(0, 12);
    EXPECT_EQ(quadros[0].bytes, ruim);
  }
}

TEST(Enquadrador, UnfinishedFrameEndsAtSilence) {
  Enquadrador e;
  e.Acrescenta(QuadroValido(5).substr(0, 40));
  EXPECT_TRUE(Todos(e).empty());
  auto quadros = Todos(e, true);
  ASSERT_EQ(quadros.size(), 1u);
  EXPECT_FALSE(quadros[0].valido);
  EXPECT_EQ(quadros[0].bytes.size(), 40u);
  e.Acrescenta("\x1b" "f0");
  quadros = Todos(e, true);
  ASSERT_EQ(quadros.size(), 1u);
  EXPECT_EQ(quadros[0].bytes, "\x1b" "f0");
}

TEST(Enquadrador, NoiseNeverOverrunsOrGrowsWithoutBound) {
  std::mt19937 gerador(1234);
  const char alfabeto[] = {'\x1b', 'f', '0', '3', '4', '6', '9', ' ', 'x', '\0'};
  std::uniform_int_distribution<int> letra(0, sizeof alfabeto - 1), pedaco(1, 700), chance(0, 30);
  Enquadrador e;
  std::size_t quadros = 0;
  for (int rodada = 0; rodada < 3000; ++rodada) {
    std::string bytes;
    const int n = pedaco(gerador);
    for (int i = 0; i < n; ++i) bytes += alfabeto[letra(gerador)];
    e.Acrescenta(bytes);
    Quadro q;
    while (e.Proximo(q, chance(gerador) == 0)) {
      ++quadros;
      ASSERT_LE(q.bytes.size(), 4096u);
      ASSERT_GE(q.bytes.size(), 2u);
      ASSERT_EQ(q.bytes.substr(0, 2), "\x1b" "f");
    }
    ASSERT_LT(e.BytesPendentes(), 4096u + bytes.size());
  }
  EXPECT_GT(quadros, 100u);
}

}  // namespace
}  // namespace serialsim
