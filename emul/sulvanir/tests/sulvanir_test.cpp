// The stand-in loaded as the host loads it: through the dynamic loader, by the plain names.
#include <stdlib.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "compat/module.h"
#include "sulvanir.h"
#include "test_support/temp_folder.h"

namespace {

using FiscalConnectionFn = SULVANIR_FiscalConnection_fn*;
using ProcessFiscalCmdFn = SULVANIR_ProcessFiscalCmd_fn*;
using FechaPortaFn = SULVANIR_FechaPorta_fn*;

class Sulvanir : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    biblioteca_ = compat::load_module(SULVANIR_ARQUIVO);
    ASSERT_NE(biblioteca_, nullptr) << compat::last_module_error();
    conecta_ = compat::resolve<FiscalConnectionFn>(biblioteca_, "FiscalConnection");
    processa_ = compat::resolve<ProcessFiscalCmdFn>(biblioteca_, "ProcessFiscalCmd");
    fecha_ = compat::resolve<FechaPortaFn>(biblioteca_, "FechaPorta");
    // One folder for the suite: the emulated printer behind the library keeps its state there.
    temporaria_ = std::make_unique<test_support::TempFolder>("sulvanir-test");
    pasta_ = temporaria_->path();
  }
  static void TearDownTestSuite() {
    if (biblioteca_) compat::unload_module(biblioteca_);
    temporaria_.reset();
  }
  void SetUp() override {
    ASSERT_TRUE(conecta_ && processa_ && fecha_);
    for (const char* nome : {"SULVANIR_CONEXAO", "SULVANIR_QUADROS", "SULVANIR_FALHA", "SULVANIR_OCUPADO",
                             "SULVANIR_SEM_ETX", "SULVANIR_CMC7"})
      unsetenv(nome);
    setenv("SULVANIR_PASTA", (pasta_ + "/emulador").c_str(), 1);
  }

  // The host's way: the frame is staged in the reply buffer itself.
  int Envia(const std::string& quadro, int quero, std::string& resposta, int timeout = 5) {
    std::vector<char> buffer(4096, 0);
    std::copy(quadro.begin(), quadro.end(), buffer.begin());
    int recebidos = quero;
    const int r = processa_(buffer.data(), static_cast<int>(quadro.size()), buffer.data(), &recebidos, timeout, 0);
    resposta.assign(buffer.data(), static_cast<std::size_t>(recebidos));
    return r;
  }
  int Coleta(std::string& resposta, int timeout = 1) {
    std::vector<char> buffer(4096, 0);
    int recebidos = 4095;
    const int r = processa_(nullptr, 0, buffer.data(), &recebidos, timeout, 1);
    resposta.assign(buffer.data(), static_cast<std::size_t>(recebidos));
    return r;
  }

  static compat::ModuleHandle biblioteca_;
  static FiscalConnectionFn conecta_;
  static ProcessFiscalCmdFn processa_;
  static FechaPortaFn fecha_;
  static std::unique_ptr<test_support::TempFolder> temporaria_;
  static std::string pasta_;
};

compat::ModuleHandle Sulvanir::biblioteca_ = nullptr;
FiscalConnectionFn Sulvanir::conecta_ = nullptr;
ProcessFiscalCmdFn Sulvanir::processa_ = nullptr;
FechaPortaFn Sulvanir::fecha_ = nullptr;
std::unique_ptr<test_support::TempFolder> Sulvanir::temporaria_;
std::string Sulvanir::pasta_;

std::string Quadro(const std::string& numero, const std::string& corpo, std::size_t tamanho) {
  std::string q = "\x1b" "f" + numero + corpo;
  q.resize(tamanho, ' ');
  return q;
}

// Frame "60": a command record for the emulated printer, after its length in four digits.
std::string QuadroQuorbal(const std::string& texto) {
  char tamanho[8];
  std::snprintf(tamanho, sizeof tamanho, "%04zu", texto.size());
  return "\x1b" "f60" + std::string(tamanho) + texto;
}

TEST_F(Sulvanir, ConnectionAnswerIsConfigurable) {
  EXPECT_EQ(conecta_("COM1"), 1);
  for (const char* valor : {"0", "1", "2", "3", "7", "-4"}) {
    setenv("SULVANIR_CONEXAO", valor, 1);
    EXPECT_EQ(conecta_("COM1"), std::atoi(valor)) << valor;
  }
  setenv("SULVANIR_CONEXAO", "dois", 1);
  EXPECT_EQ(conecta_("COM1"), 1);
  setenv("SULVANIR_CONEXAO", "2", 1);
  EXPECT_EQ(conecta_(nullptr), 0);
  EXPECT_EQ(fecha_(), 0);
}

TEST_F(Sulvanir, AnswersFramesLikeThePrinter) {
  ASSERT_EQ(conecta_("COM1"), 1);
  std::string resposta;
  EXPECT_EQ(Envia(Quadro("00", "", 4), 1, resposta), 0);
  EXPECT_EQ(resposta, "!");
  EXPECT_EQ(Envia(Quadro("04", " 42", 7), 30, resposta), 0);
  EXPECT_EQ(resposta, "Registrador 042               ");
  EXPECT_EQ(Envia(Quadro("21", "", 4), 1, resposta), 0);
  EXPECT_EQ(resposta, "?");
  EXPECT_EQ(Envia(Quadro("53", "", 4), 4095, resposta), 0);
  EXPECT_EQ(resposta, "\x02<00100014<0010000015>123456789012:");
}

TEST_F(Sulvanir, QuorbalRecordAnsweredByTheEmulatedPrinter) {
  ASSERT_EQ(conecta_("COM1"), 1);
  std::string resposta, resto;
  ASSERT_EQ(Envia(QuadroQuorbal("{0;LeInteiro;NomeInteiro=\"COO\";}"), 1, resposta, 60), 0);
  EXPECT_EQ(resposta, "{");
  ASSERT_EQ(Coleta(resto), 0);
  resposta += resto;
  EXPECT_EQ(resposta.rfind("{0;0;ValorInteiro=", 0), 0u) << resposta;
  EXPECT_EQ(resposta.substr(resposta.size() - 2), ";}");
  EXPECT_EQ(Coleta(resto), -101);
  EXPECT_TRUE(std::filesystem::exists(pasta_ + "/emulador/rasc0.bin"));
}

#ifndef _WIN32
// A folder as the system names it, accents in UTF-8 (a home like /home/joão): the printer lives in
// that very folder, not in one named by the bytes read as Windows-1252.
TEST_F(Sulvanir, TheEmulatedPrinterLivesInAnAccentedFolder) {
  const std::string pasta = pasta_ + u8"/emulador de João";
  setenv("SULVANIR_PASTA", pasta.c_str(), 1);
  ASSERT_EQ(conecta_("COM1"), 1);
  std::string resposta, resto;
  ASSERT_EQ(Envia(QuadroQuorbal("{0;LeInteiro;NomeInteiro=\"COO\";}"), 1, resposta, 60), 0);
  ASSERT_EQ(Coleta(resto), 0);
  resposta += resto;
  EXPECT_EQ(resposta.rfind("{0;0;ValorInteiro=", 0), 0u) << resposta;
  EXPECT_TRUE(std::filesystem::exists(pasta + "/rasc0.bin"));
  EXPECT_EQ(fecha_(), 0);
}
#endif

TEST_F(Sulvanir, BusyAfterReport) {
  setenv("SULVANIR_OCUPADO", "1", 1);
  ASSERT_EQ(conecta_("COM1"), 1);
  std::string resposta;
  EXPECT_EQ(Envia(Quadro("08", "x", 5), 1, resposta), 0);
  EXPECT_EQ(resposta, "!");
  EXPECT_EQ(Envia(Quadro("00", "", 4), 1, resposta), 0);
  EXPECT_EQ(resposta, "\x0a");
  EXPECT_EQ(Envia(Quadro("00", "", 4), 1, resposta), 0);
  EXPECT_EQ(resposta, "!");
}

TEST_F(Sulvanir, ReadingStreamIsCollectedUntilEtx) {
  ASSERT_EQ(conecta_("COM1"), 1);
  std::string resposta, fluxo;
  ASSERT_EQ(Envia(Quadro("16", "5" "00000001" "00000009" "x", 22), 1, resposta, 180), 0);
  EXPECT_EQ(resposta, "L");
  fluxo = resposta;
  while (Coleta(resposta, 20) == 0) fluxo += resposta;
  EXPECT_TRUE(resposta.empty());
  EXPECT_EQ(fluxo.find('\x03'), fluxo.size() - 1);
  EXPECT_EQ(fluxo.rfind("LEITURA MODO 5", 0), 0u);

  setenv("SULVANIR_SEM_ETX", "1", 1);
  ASSERT_EQ(conecta_("COM1"), 1);
  ASSERT_EQ(Envia(Quadro("16", "4", 22), 4095, resposta, 180), 0);
  EXPECT_EQ(resposta.find('\x03'), std::string::npos);

  // An answer not collected is gone with the session.
  ASSERT_EQ(Envia(Quadro("16", "4", 22), 1, resposta, 180), 0);
  EXPECT_EQ(fecha_(), 0);
  EXPECT_EQ(Coleta(resposta, 0), -101);
  EXPECT_EQ(resposta, "");
}

TEST_F(Sulvanir, FramesAreCapturedInHex) {
  const std::string arquivo = pasta_ + "/quadros.txt";
  setenv("SULVANIR_QUADROS", arquivo.c_str(), 1);
  ASSERT_EQ(conecta_("COM1"), 1);
  std::string resposta;
  Envia(Quadro("03", "05", 6), 1, resposta);
  Envia(Quadro("12", "Oferta\xe9", 164).substr(0, 12), 1, resposta);
  setenv("SULVANIR_FALHA", "-102", 1);
  EXPECT_EQ(Envia(Quadro("00", "", 4), 1, resposta), -102);
  EXPECT_EQ(resposta, "");
  EXPECT_EQ(test_support::read_bytes(arquivo),
            "1B6630333035\n"
            "1B6631324F6665727461E920\n"
            "1B663030\n");
}

TEST_F(Sulvanir, FailuresAndBadArguments) {
  ASSERT_EQ(conecta_("COM1"), 1);
  std::string resposta;
  for (const char* falha : {"-100", "-101"}) {
    setenv("SULVANIR_FALHA", falha, 1);
    EXPECT_EQ(Envia(Quadro("00", "", 4), 1, resposta), std::atoi(falha));
    EXPECT_EQ(resposta, "");
  }
  // A failing line fails the collecting calls of a stream as well.
  unsetenv("SULVANIR_FALHA");
  ASSERT_EQ(Envia(Quadro("16", "5", 22), 1, resposta), 0);
  setenv("SULVANIR_FALHA", "-102", 1);
  EXPECT_EQ(Coleta(resposta, 20), -102);
  EXPECT_EQ(resposta, "");
  unsetenv("SULVANIR_FALHA");
  int n = 1;
  char c;
  EXPECT_EQ(processa_("\x1b" "f00", 4, nullptr, &n, 1, 0), -100);
  EXPECT_EQ(processa_("\x1b" "f00", 4, &c, nullptr, 1, 0), -100);
  EXPECT_EQ(processa_(nullptr, 4, &c, &n, 1, 0), -100);
  EXPECT_EQ(processa_("\x1b" "f00", -1, &c, &n, 1, 0), -100);
  n = 0;
  EXPECT_EQ(processa_("\x1b" "f00", 4, &c, &n, 1, 0), -101);  // no room: nothing delivered
  EXPECT_EQ(n, 0);
}

}  // namespace
