#include "serialsim/respondedor.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "quadros_teste.h"
#include "test_support/temp_folder.h"

namespace serialsim {
namespace {

const std::string kAceitoTexto = "!";
const std::string kMalformado = "?";
const std::string kOcupado = "\x0a";

TEST(Respondedor, PlainFramesAreAcceptedWithExclamation) {
  std::size_t n = 0;
  const ComandoSerial* comandos = ComandosSeriais(n);
  Respondedor r("/nonexistent");
  Comportamento c;
  c.consultas_ocupado = 0;
  r.Configura(c);
  int aceitos = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const int numero = comandos[i].numero;
    if (numero == 4 || numero == 53 || numero == 60) continue;  // answered with data
    SCOPED_TRACE(numero);
    const std::string quadro = QuadroValido(comandos[i]);
    // "34" in its long form arrives whole; every other frame ends at its only length.
    EXPECT_EQ(r.Recebe(quadro), kAceitoTexto);
    ++aceitos;
  }
  EXPECT_EQ(aceitos, 47);
  EXPECT_EQ(r.Quadros().size(), 47u);
}

TEST(Respondedor, ChequesArePrintedAsRecords) {
  Respondedor r("/nonexistent");
  // The short form of "34": the positions in two digits each, then the texts.
  const std::string curto = Cabecalho(34) + "0503" "10051006" "1007" "1009" "1011" "405060" "       1234,56" +
                            "Fulano" + std::string(24, ' ') + std::string(20 + 30 + 6 + 15 + 17, ' ') + "002";
  ASSERT_EQ(curto.size(), 169u);
  EXPECT_EQ(r.Responde(curto), kAceitoTexto);
  std::string longo = QuadroValido(34, "0050301" "010051006201" "0100701" "0100901" "0101101" "040050060");
  longo.replace(185, 3, "012");
  EXPECT_EQ(r.Responde(longo), kAceitoTexto);
  EXPECT_EQ(r.Responde(QuadroValido(58)), kAceitoTexto);
  const std::vector<std::string> cheques = r.RetiraCheques();
  ASSERT_EQ(cheques.size(), 3u);
  EXPECT_EQ(cheques[0],
            "cheque 34 (169 bytes)\n"
            "  Valor 05,03\n  Extenso 10,05,10,06\n  Favorecido 10,07\n  Cidade 10,09\n  Mensagem 10,11\n"
            "  Data 40,50,60\n  eSpacamento 002\n"
            "  texto 1 \"1234,56\"\n  texto 2 \"Fulano\"\n  texto 3 \"\"\n  texto 4 \"\"\n  texto 5 \"\"\n"
            "  texto 6 \"\"\n  texto 7 \"\"\n");
  EXPECT_EQ(cheques[1].substr(0, cheques[1].find("  texto 1")),
            "cheque 34 (189 bytes)\n  Valor 005,03,0,1\n  Extenso 010,05,100,62,0,1\n  Favorecido 010,07,0,1\n"
            "  Cidade 010,09,0,1\n  Mensagem 010,11,0,1\n  Data 040,050,060\n  eSpacamento 012\n");
  EXPECT_EQ(cheques[2].rfind("cheque 58 (361 bytes)\n", 0), 0u);
  EXPECT_NE(cheques[2].find("  ColConta    \n  texto 1 \"\"\n"), std::string::npos);
  EXPECT_TRUE(r.Cheques().empty());
  EXPECT_EQ(r.Quadros().size(), 3u);  // every frame is still logged
}

TEST(Respondedor, MalformedFramesGetTheMalformedStatus) {
  Respondedor r("/nonexistent");
  EXPECT_EQ(r.Recebe(Cabecalho(21)), kMalformado);
  EXPECT_EQ(r.Recebe("\x1b" "fx0"), kMalformado);
  EXPECT_EQ(r.Recebe(QuadroValido(10, "7")), kMalformado);  // "7 " is not two digits
  EXPECT_EQ(r.Recebe(QuadroValido(4, "1a2")), kMalformado);
  EXPECT_EQ(r.Recebe(QuadroValido(4, "   ")), kMalformado);
  Comportamento c;
  c.status_malformado = 0x80;
  r.Configura(c);
  EXPECT_EQ(r.Recebe(Cabecalho(99)), "\x80");
  EXPECT_EQ(r.Quadros().size(), 6u);
}

TEST(Respondedor, RegisterReadingIsThirtyBytes) {
  Respondedor r("/nonexistent");
  EXPECT_EQ(r.Recebe(QuadroValido(4, "  7")), "Registrador 007               ");
  EXPECT_EQ(r.Recebe(QuadroValido(4, "123")), "Registrador 123               ");
  Comportamento c;
  c.registradores[12] = "0000012345";
  c.registradores[13] = std::string(40, '9');
  r.Configura(c);
  EXPECT_EQ(r.Recebe(QuadroValido(4, " 12")), "0000012345                    ");
  EXPECT_EQ(r.Recebe(QuadroValido(4, "013")), std::string(30, '9'));
}

TEST(Respondedor, BusyAfterReportThenAcceptedAgain) {
  Respondedor r("/nonexistent");
  EXPECT_EQ(r.Recebe(QuadroValido(8, "z")), kAceitoTexto);
  EXPECT_EQ(r.Recebe(QuadroValido(0)), kOcupado);
  EXPECT_EQ(r.Recebe(QuadroValido(4, "  1")), kOcupado);  // busy even for register data
  EXPECT_EQ(r.Recebe(Cabecalho(21)), kOcupado);
  EXPECT_EQ(r.Recebe(QuadroValido(0)), kAceitoTexto);

  Comportamento c;
  c.consultas_ocupado = 1;
  c.status_ocupado = 'B';
  r.Configura(c);
  EXPECT_EQ(r.Recebe(QuadroValido(8, "x") + QuadroValido(0) + QuadroValido(0)), "!B!");
  EXPECT_EQ(r.Recebe(QuadroValido(8, "x")), kAceitoTexto);
  r.Configura(c);  // a reconfigured printer is ready at once
  EXPECT_EQ(r.Recebe(QuadroValido(0)), kAceitoTexto);
}

TEST(Respondedor, SplitReadsAndSeveralFramesInOneRead) {
  Respondedor r("/nonexistent");
  const std::string venda = QuadroValido(5, "7891234567890");
  std::string respostas;
  for (char ch : venda) {
    EXPECT_EQ(respostas, "");
    respostas += r.Recebe(std::string(1, ch));
  }
  EXPECT_EQ(respostas, kAceitoTexto);
  EXPECT_EQ(r.Recebe("ruido" + QuadroValido(4, "  2") + "\r\n" + QuadroValido(0)),
            "Registrador 002               !");
  EXPECT_EQ(r.Quadros(), (std::vector<std::string>{venda, QuadroValido(4, "  2"), QuadroValido(0)}));
}

TEST(Respondedor, ShortReplyAndSilence) {
  Respondedor r("/nonexistent");
  Comportamento c;
  c.resposta_curta = 12;
  r.Configura(c);
  EXPECT_EQ(r.Recebe(QuadroValido(4, "  7")), "Registrador ");
  EXPECT_EQ(r.Recebe(QuadroValido(4, "  7")).size(), 30u);  // only the next answer is cut
  c.resposta_curta = 0;
  r.Configura(c);
  EXPECT_EQ(r.Recebe(QuadroValido(0)), "");
  EXPECT_EQ(r.Recebe(QuadroValido(0)), kAceitoTexto);

  c = Comportamento{};
  c.mudo = true;
  r.Configura(c);
  r.LimpaQuadros();
  EXPECT_EQ(r.Recebe(QuadroValido(0) + QuadroValido(1)), "");
  EXPECT_EQ(r.RetiraQuadros().size(), 2u);  // still heard
  EXPECT_TRUE(r.Quadros().empty());
}

TEST(Respondedor, ReadingStreamsEndWithOneEtx) {
  Respondedor r("/nonexistent");
  for (char modo : {'4', '5', '6', '7'}) {
    const std::string fluxo = r.Recebe(QuadroValido(16, std::string(1, modo) + "01012024" + "31012024" + "s"));
    ASSERT_GT(fluxo.size(), 1000u);
    EXPECT_EQ(fluxo.find('\x03'), fluxo.size() - 1) << modo;
    EXPECT_EQ(fluxo.substr(0, 17), std::string("LEITURA MODO ") + modo + "   ");
    EXPECT_NE(fluxo.find("INICIO 01012024"), std::string::npos);
    EXPECT_NE(fluxo.find("FIM    31012024"), std::string::npos);
  }
  EXPECT_EQ(r.Recebe(QuadroValido(16, "0" "01012024" "31012024" "s")), kAceitoTexto);

  Comportamento c;
  c.texto_leitura = "MF\r\nLINHA\r\n";
  r.Configura(c);
  EXPECT_EQ(r.Recebe(QuadroValido(16, "5")), "MF\r\nLINHA\r\n\x03");
  c.leitura_sem_etx = true;
  r.Configura(c);
  EXPECT_EQ(r.Recebe(QuadroValido(16, "5")), "MF\r\nLINHA\r\n");
}

TEST(Respondedor, Cmc7LineAfterStx) {
  Respondedor r("/nonexistent");
  EXPECT_EQ(r.Recebe(Cabecalho(53)), "\x02<00100014<0010000015>123456789012:");
  Comportamento c;
  c.linha_cmc7 = "";
  r.Configura(c);
  EXPECT_EQ(r.Recebe(Cabecalho(53)), kAceitoTexto);  // no cheque in the printer
}

TEST(Respondedor, WholeFrameFromTheVendorLibrary) {
  Respondedor r("/nonexistent");
  const std::string curto = QuadroValido(34, std::string(165, '2')).substr(0, 169);
  EXPECT_EQ(r.Responde(curto), kAceitoTexto);
  EXPECT_EQ(r.Responde(QuadroValido(5).substr(0, 50)), kMalformado);  // cut short
  EXPECT_EQ(r.Responde(QuadroValido(0) + "extra"), kAceitoTexto);      // trailing noise ignored
  EXPECT_EQ(r.Responde(QuadroValido(5).substr(0, 50)), kMalformado);
  EXPECT_EQ(r.Responde(QuadroValido(0)), kAceitoTexto);  // the cut frame above left nothing behind
  EXPECT_FALSE(r.Pendente());
}

}  // namespace
}  // namespace serialsim

namespace serialsim {
namespace {

class RespondedorQuorbal : public ::testing::Test {
 protected:
  const test_support::TempFolder temporaria_{"serialsim-quorbal"};
  const std::string pasta_ = temporaria_.path();
};

TEST_F(RespondedorQuorbal, EmulatedPrinterAnswersTheRecord) {
  Respondedor r(pasta_);
  EXPECT_TRUE(std::filesystem::is_empty(pasta_));  // opened at the first command only
  const std::string resposta = r.Recebe(QuadroQuorbal("{0;LeInteiro;NomeInteiro=\"COO\";}"));
  EXPECT_EQ(resposta.rfind("{0;0;ValorInteiro=", 0), 0u) << resposta;
  EXPECT_EQ(resposta.substr(resposta.size() - 2), ";}");
  EXPECT_TRUE(std::filesystem::exists(pasta_ + "/rasc0.bin"));

  const std::string recusa = r.Recebe(QuadroQuorbal("{0;NaoExiste;;}"));
  EXPECT_EQ(recusa.rfind("{0;11006;NomeErro=\"ErroProtComandoInexistente\"", 0), 0u) << recusa;

  EXPECT_EQ(r.Recebe(QuadroQuorbal("LeInteiro NomeInteiro=COO")), kMalformado);  // not a record
  EXPECT_EQ(r.Recebe(QuadroQuorbal("")), kMalformado);
}

TEST(RespondedorQuorbalSemPasta, PrinterThatCannotOpenRefusesTheFrame) {
  Respondedor r("/nonexistent/serialsim");
  EXPECT_EQ(r.Recebe(QuadroQuorbal("{0;LeInteiro;NomeInteiro=\"COO\";}")), kMalformado);
}

}  // namespace
}  // namespace serialsim
