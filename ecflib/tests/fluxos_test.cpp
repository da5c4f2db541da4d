// The one-shot time-out, the X/Z report's status poll and the readings streamed into files.
#include <unistd.h>

#include <functional>

#include "ambiente.h"
#include "api/tempo.h"
#include "plenvo.h"
#include "serialsim/simulador.h"

namespace plenvo::teste {
namespace {

// A clock for the waits that only moves when Plenvo sleeps.
long long milissegundos_virtuais = 0;
long long SegundosVirtuais() { return milissegundos_virtuais / 1000; }
void DormeVirtual(int ms) { milissegundos_virtuais += ms; }
// For the streaming loops, which also wait for real bytes: a second passes per look.
void DormeUmSegundo(int) {
  milissegundos_virtuais += 1000;
  usleep(1000);
}

class Fluxos : public ComSimulador {
 protected:
  void SetUp() override {
    ComSimulador::SetUp();
    milissegundos_virtuais = 0;
  }
  void Configura(const std::function<void(serialsim::Comportamento&)>& muda) {
    serialsim::Comportamento comportamento = simulador_->respondedor().Configuracao();
    muda(comportamento);
    simulador_->respondedor().Configura(comportamento);
  }
};

TEST_F(Fluxos, ProximoTimeoutDevolveONumeroLido) {
  EXPECT_EQ(ecf_ProximoTimeout("100000"), 100000);
  EXPECT_EQ(ecf_ProximoTimeout("  45 segundos"), 45);
  // Beyond what the line can count in milliseconds, and below zero: cut to the edge, and said so.
  EXPECT_EQ(ecf_ProximoTimeout("99999999"), 2147483);
  EXPECT_EQ(ecf_ProximoTimeout("-5"), 0);
}

TEST_F(Fluxos, RelatorioXZModo1ConsultaEnquantoOcupada) {
  DefineRelogioDeEspera(SegundosVirtuais, DormeVirtual);
  Inicializa();
  Configura([](serialsim::Comportamento& c) { c.consultas_ocupado = 3; });
  EXPECT_EQ(ecf_Relatorio_XZ("1"), 33);
  const std::vector<std::string> quadros = Quadros();
  ASSERT_EQ(quadros.size(), 5u);  // the report, three busy answers, the ready one
  EXPECT_EQ(quadros[0], "\x1b" "f081");
  for (std::size_t i = 1; i < quadros.size(); ++i) EXPECT_EQ(quadros[i], "\x1b" "f00");
  // 16 s to the second poll, then 4 s to each next (more than 15 and 3 s, in whole seconds).
  EXPECT_EQ(SegundosVirtuais(), 16 + 4 + 4);
}

TEST_F(Fluxos, RelatorioXZModo0NaoConsulta) {
  DefineRelogioDeEspera(SegundosVirtuais, DormeVirtual);
  Inicializa();
  Configura([](serialsim::Comportamento& c) { c.consultas_ocupado = 0; });
  EXPECT_EQ(ecf_Relatorio_XZ("0"), 33);
  EXPECT_EQ(Quadros(), std::vector<std::string>{"\x1b" "f080"});
  EXPECT_EQ(SegundosVirtuais(), 0);
}

TEST_F(Fluxos, RelatorioXZModo1ParaDepoisDeCemConsultas) {
  DefineRelogioDeEspera(SegundosVirtuais, DormeVirtual);
  Inicializa();
  Configura([](serialsim::Comportamento& c) { c.consultas_ocupado = 150; });
  EXPECT_EQ(ecf_Relatorio_XZ("1"), 33);
  EXPECT_EQ(Quadros().size(), 101u);
}

TEST_F(Fluxos, RelatorioXZRecusadoNaoConsulta) {
  DefineRelogioDeEspera(SegundosVirtuais, DormeVirtual);
  Inicializa();
  Configura([](serialsim::Comportamento& c) { c.mudo = true; });
  ecf_ProximoTimeout("1");
  EXPECT_EQ(ecf_Relatorio_XZ("1"), 10);
  EXPECT_EQ(Quadros().size(), 1u);
}

TEST_F(Fluxos, LeECFGravaOArquivoAteOEtx) {
  Inicializa();
  Configura([](serialsim::Comportamento& c) { c.texto_leitura = "LEITURA X\nLINHA 2\n"; });
  const std::string arquivo = Pasta("lx.txt");
  EXPECT_EQ(ecf_LeECF("5", "1", "10", "0", arquivo.c_str()), 33);
  EXPECT_EQ(read_bytes(arquivo), "LEITURA X\r\nLINHA 2\r\n\x03");
  EXPECT_EQ(Quadros(), std::vector<std::string>{"\x1b" "f16" "5" "       1" "      10" "0"});
  EXPECT_EQ(ecf_EstadoImpressora(), 33);  // the line was closed at the end
}

std::size_t Conta(const std::string& texto, const std::string& parte) {
  std::size_t n = 0;
  for (auto p = texto.find(parte); p != std::string::npos; p = texto.find(parte, p + 1)) ++n;
  return n;
}

TEST_F(Fluxos, PelaSerialLeECFRegistraSoOQuadroEQuorbalTambemOsTrechos) {
  Inicializa();
  ecf_LogSerial("1");
  Configura([](serialsim::Comportamento& c) { c.texto_leitura = "LEITURA X\n"; });
  ASSERT_EQ(ecf_LeECF("5", "1", "10", "0", Pasta("lx.txt").c_str()), 33);
  EXPECT_EQ(Conta(Log(), "\r\nTX ["), 1u);
  EXPECT_EQ(Conta(Log(), "\r\nRX ["), 1u);  // the frame's reply only, not the reading
  EXPECT_EQ(Log().find("LEITURA X"), std::string::npos);
  ASSERT_EQ(ecf_Quorbal("{0;LeInteiro;NomeInteiro=\"COO\";}", Pasta("q.txt").c_str()), 33);
  EXPECT_GE(Conta(Log(), "\r\nRX ["), 3u);  // the first byte, then the rest of the record in chunks
  EXPECT_NE(Log().find("] - 0;0;ValorInteiro=0;}"), std::string::npos);
}

TEST_F(Fluxos, LeECFParaDepoisDoSilencio) {
  DefineRelogioDeEspera(SegundosVirtuais, DormeUmSegundo);
  Inicializa();
  Configura([](serialsim::Comportamento& c) {
    c.texto_leitura = "SEM FIM";
    c.leitura_sem_etx = true;
  });
  const std::string arquivo = Pasta("mf.txt");
  EXPECT_EQ(ecf_LeECF("4", "1", "2", "0", arquivo.c_str()), 33);
  EXPECT_EQ(read_bytes(arquivo), "SEM FIM");
  EXPECT_GT(SegundosVirtuais(), 600);  // the default idle limit
  EXPECT_LT(SegundosVirtuais(), 605);
  milissegundos_virtuais = 0;
  ecf_ProximoTimeout("30");  // also the idle limit of the next reading
  EXPECT_EQ(ecf_LeECF("4", "1", "2", "0", arquivo.c_str()), 33);
  EXPECT_GT(SegundosVirtuais(), 30);
  EXPECT_LT(SegundosVirtuais(), 35);
}

TEST_F(Fluxos, LeECFSemArquivoDevolve20EOutrosModosNaoGravam) {
  Inicializa();
  // Without a file the reading is not read; the printer still sends it. Plenvo purges the line
  // before its next frame, which drops the reading only once it has all arrived: wait for that, so
  // that a slow printer's late bytes are not taken for the next answer.
  EXPECT_EQ(ecf_LeECF("6", "1", "2", "0", Pasta("nao/existe/x.txt").c_str()), 20);
  ASSERT_TRUE(simulador_->EsperaOcioso());
  for (const char* modo : {"2", "3", "8"}) {
    EXPECT_EQ(ecf_LeECF(modo, "1", "2", "0", Pasta("y.txt").c_str()), 33) << modo;
    EXPECT_FALSE(Existe(Pasta("y.txt"))) << modo;
  }
  EXPECT_EQ(Quadros().size(), 4u);
  EXPECT_EQ(ecf_EstadoImpressora(), 33);
}

TEST_F(Fluxos, QuorbalMandaOTextoEGravaOQueVier) {
  Inicializa();
  const std::string comando = "{0;LeInteiro;NomeInteiro=\"COO\";}";
  const std::string arquivo = Pasta("quorbal.txt");
  EXPECT_EQ(ecf_Quorbal(comando.c_str(), arquivo.c_str()), 33);
  EXPECT_EQ(Quadros(), std::vector<std::string>{"\x1b" "f60" "0032" + comando});
  EXPECT_TRUE(Existe(arquivo));
  EXPECT_EQ(read_bytes(arquivo), "{0;0;ValorInteiro=0;}");  // the emulated printer's answer record
  EXPECT_EQ(ecf_Quorbal(comando.c_str(), Pasta("nao/existe/q.txt").c_str()), 20);
  EXPECT_EQ(Quadros().size(), 1u);  // the frame still went
  EXPECT_EQ(ecf_EstadoImpressora(), 33);
}

TEST_F(Fluxos, QuorbalSemChaveNaPrimeiraRespostaNaoAGrava) {
  Inicializa();
  Configura([](serialsim::Comportamento& c) { c.consultas_ocupado = 1; });
  ASSERT_EQ(ecf_Relatorio_XZ("0"), 33);  // the next frame is answered busy (10)
  const std::string arquivo = Pasta("q.txt");
  EXPECT_EQ(ecf_Quorbal("{0;LeInteiro;NomeInteiro=\"COO\";}", arquivo.c_str()), 33);
  EXPECT_EQ(read_bytes(arquivo), "");
  EXPECT_TRUE(Existe(arquivo));
}

TEST_F(Fluxos, QuorbalNoLimiteDoQuadro) {
  Inicializa();
  const std::string texto(4088, 'a');
  EXPECT_EQ(ecf_Quorbal(texto.c_str(), Pasta("q.txt").c_str()), 33);
  const std::vector<std::string> quadros = Quadros();
  ASSERT_EQ(quadros.size(), 1u);
  EXPECT_EQ(quadros[0], "\x1b" "f60" "4088" + texto);
}

TEST_F(Fluxos, FrameQueNaoSaiNaoCriaArquivoEDevolveAFalhaDaLinha) {
  Inicializa();
  simulador_->Para();  // the device is gone: the line cannot open, nothing will ever arrive
  EXPECT_EQ(ecf_LeECF("5", "1", "2", "0", Pasta("lx.txt").c_str()), 3);
  EXPECT_EQ(ecf_Quorbal("{0;LeInteiro;}", Pasta("q.txt").c_str()), 3);
  EXPECT_FALSE(Existe(Pasta("lx.txt")));
  EXPECT_FALSE(Existe(Pasta("q.txt")));
}

class FluxosDoFornecedor : public AmbientePlenvo {
 protected:
  void SetUp() override {
    AmbientePlenvo::SetUp();
    UsaFornecedor("1");
    ASSERT_EQ(ecf_InicializaDLL("COM1"), 33);
  }
};

// The override is taken by the next exchange only; the one after it is back to the row's own 2 s.
TEST_F(FluxosDoFornecedor, ProximoTimeoutValeParaUmaTrocaSo) {
  EXPECT_EQ(ecf_ProximoTimeout("7"), 7);
  EXPECT_EQ(ecf_EstadoImpressora(), 33);
  EXPECT_EQ(ecf_EstadoImpressora(), 33);
  const std::vector<std::string> chamadas = ChamadasDoFornecedor();
  ASSERT_EQ(chamadas.size(), 2u);
  EXPECT_EQ(chamadas[0], "4 1 7 0");
  EXPECT_EQ(chamadas[1], "4 1 2 0");
}

TEST_F(FluxosDoFornecedor, LeECFRecolheAteOEtx) {
  const std::string arquivo = Pasta("mfd.txt");
  EXPECT_EQ(ecf_LeECF("7", "1", "3", "0", arquivo.c_str()), 33);
  // The frame and every collecting call carry the flag 1; collecting calls wait 20 s each.
  const std::vector<std::string> chamadas = ChamadasDoFornecedor();
  ASSERT_GE(chamadas.size(), 2u);
  EXPECT_EQ(chamadas[0], "22 1 180 1");
  for (std::size_t i = 1; i < chamadas.size(); ++i) EXPECT_EQ(chamadas[i], "0 4095 20 1");
  const std::string leitura = read_bytes(arquivo);
  ASSERT_FALSE(leitura.empty());
  EXPECT_EQ(leitura.back(), '\x03');
  EXPECT_EQ(QuadrosDoFornecedor(), std::vector<std::string>{"\x1b" "f16" "7" "       1" "       3" "0"});
}

TEST_F(FluxosDoFornecedor, LeECFSemEtxParaNoLimite) {
  ASSERT_EQ(ecf_FinalizaDLL(), 33);
  setenv("SULVANIR_SEM_ETX", "1", 1);
  ASSERT_EQ(ecf_InicializaDLL("COM1"), 33);
  ecf_ProximoTimeout("1");
  const std::string arquivo = Pasta("mfd.txt");
  EXPECT_EQ(ecf_LeECF("7", "1", "3", "0", arquivo.c_str()), 33);
  EXPECT_FALSE(read_bytes(arquivo).empty());
  EXPECT_EQ(read_bytes(arquivo).find('\x03'), std::string::npos);
}

TEST_F(FluxosDoFornecedor, FalhaDuranteALeituraDevolve9) {
  setenv("SULVANIR_FALHA", "-102", 1);
  EXPECT_EQ(ecf_LeECF("5", "1", "3", "0", Pasta("x.txt").c_str()), 9);
}

TEST_F(FluxosDoFornecedor, QuorbalComFalhaAoRecolherDevolve9) {
  for (const char* falha : {"-100", "-102"}) {
    setenv("SULVANIR_FALHA", falha, 1);
    EXPECT_EQ(ecf_Quorbal("{0;LeInteiro;}", Pasta("q.txt").c_str()), 9) << falha;
    EXPECT_EQ(read_bytes(Pasta("q.txt")), "") << falha;
  }
}

TEST_F(FluxosDoFornecedor, Quorbal) {
  const std::string comando = "{0;LeInteiro;NomeInteiro=\"COO\";}";
  EXPECT_EQ(ecf_Quorbal(comando.c_str(), Pasta("q.txt").c_str()), 33);
  const std::vector<std::string> chamadas = ChamadasDoFornecedor();
  ASSERT_GE(chamadas.size(), 2u);
  EXPECT_EQ(chamadas[0], "40 1 60 0");
  for (std::size_t i = 1; i < chamadas.size(); ++i) EXPECT_EQ(chamadas[i], "0 4095 1 0");
  EXPECT_EQ(QuadrosDoFornecedor(), std::vector<std::string>{"\x1b" "f60" "0032" + comando});
  EXPECT_EQ(read_bytes(Pasta("q.txt")), "{0;0;ValorInteiro=0;}");
}

}  // namespace
}  // namespace plenvo::teste
