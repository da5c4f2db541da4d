// The memory reader against a scripted memory window: the stretch read, resume, retries, the
// hexadecimal text, cancel and every message.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "apoio/driver_roteirizado.h"
#include "apoio/interacao_com_cancelamento.h"
#include "apoio/janela_roteirizada.h"
#include "readings/hexadecimal.h"
#include "readings/le_memoria.h"
#include "registers/le_registrador.h"
#include "registers/le_registrador_apos_comando.h"
#include "scripts/diretivas.h"
#include "compat/path.h"
#include "test_support/temp_folder.h"

namespace tarnel {
namespace {

using teste::DriverRoteirizado;
using teste::InteracaoComCancelamento;
using teste::JanelaRoteirizada;
using test_support::read_bytes;

class LeMemoria : public ::testing::Test {
 protected:
  LeMemoria() : frm(interacao) {
    auto d = std::make_unique<DriverRoteirizado>();
    driver = d.get();
    frm.ModuloDriver = std::move(d);
    frm.btExecutaEnabled = true;
    frm.ArquivoComandos = pasta.file("Comandos.RMT");
    janela = std::make_unique<JanelaRoteirizada>(*driver);
  }
  int Chamadas(const std::string& comando) const {
    int n = 0;
    for (const std::string& c : driver->chamadas) n += c == "ExecutaComando [" + comando + "]";
    return n;
  }
  void Grava(const std::string& caminho, const std::string& bytes) {
    std::FILE* f = std::fopen(caminho.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }

  test_support::TempFolder pasta{"tarnel-memoria", test_support::TempFolder::enter};
  InteracaoComCancelamento interacao;
  TfrmMain frm;
  DriverRoteirizado* driver = nullptr;
  std::unique_ptr<JanelaRoteirizada> janela;
};

TEST(Hexadecimal, DecodesPairsInEitherCaseAndRefusesOtherCharacters) {
  struct Caso {
    const char* texto;
    std::size_t pares;
    std::optional<std::string> bytes;
  };
  const Caso casos[] = {
      {"0A1b2", 2, std::string("\x0A\x1B")},
      {"fFa0", 2, std::string("\xFF\xA0")},
      {"0A1b", 1, std::string("\x0A")},
      {"", 0, std::string()},
      {"0G", 1, std::nullopt},
      {"0A 1", 2, std::nullopt},
      {"0A1", 2, std::nullopt},
  };
  for (const Caso& c : casos) EXPECT_EQ(DecodificaHexadecimal(c.texto, c.pares), c.bytes) << c.texto;
}

TEST_F(LeMemoria, TheMenuEntryWritesTheWholeBasicSoftwareBesideTheCommandFile) {
  janela->minusculas = true;
  ASSERT_TRUE(LeituradoSoftwareBasicoClick(frm));
  EXPECT_EQ(read_bytes(pasta.file("VardexII.bin")), JanelaRoteirizada::Bytes(0, 1000));
  EXPECT_EQ(interacao.mensagens, std::vector<std::string>{"Arquivo '" + pasta.file("VardexII.bin") + "' gerado!"});
  // 16 pieces of 64 bytes, each followed by the next address.
  EXPECT_EQ(Chamadas("LeTexto"), 16);
  EXPECT_EQ(janela->enderecos.front(), "0");
  EXPECT_EQ(janela->enderecos.back(), "1000");
  EXPECT_EQ(interacao.progresso.size(), 16u);
  EXPECT_EQ(interacao.progresso[14], 960);
  EXPECT_EQ(interacao.progresso.back(), 1000);
  EXPECT_TRUE(interacao.ProgressoEncerrado());
}

TEST_F(LeMemoria, AShorterFileIsExtendedFromItsEndAndACompleteOneReadAgain) {
  const std::string arquivo = pasta.file("SB.bin");
  struct Caso {
    std::string existente;
    const char* primeiro_endereco;
  };
  const Caso casos[] = {
      {JanelaRoteirizada::Bytes(0, 100), "100"},
      {std::string(1000, 'x'), "0"},   // complete: read again and rewritten
      {std::string(1200, 'x'), "0"},   // longer than the software: not extended
      {std::string(), "0"},
  };
  for (const Caso& c : casos) {
    Grava(arquivo, c.existente);
    janela->enderecos.clear();
    ASSERT_TRUE(LeMemoriaECF(frm, arquivo, false, 0, 0, nullptr));
    EXPECT_EQ(janela->enderecos.front(), c.primeiro_endereco);
    EXPECT_EQ(read_bytes(arquivo), JanelaRoteirizada::Bytes(0, 1000)) << c.primeiro_endereco;
  }
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(LeMemoria, ABufferGetsOnlyTheCountAskedFor) {
  janela->tamanho = 0x10000100;  // the window answers past the cartridge area's start
  std::string destino = "ab";
  janela->textos = {"0102030405060708090A0B0C0D0E0F10"};
  ASSERT_TRUE(LeMemoriaECF(frm, "", false, 0x10000000, 4, &destino));
  EXPECT_EQ(destino, "ab\x01\x02\x03\x04");
  EXPECT_EQ(janela->enderecos, (std::vector<std::string>{"268435456", "268435460"}));
  EXPECT_EQ(Chamadas("LeInteiro"), 0);

  // In the basic software's area no count means the whole software, into the buffer as into a file.
  interacao.cancela_na_vez = 100;  // a reading that never advanced would be stopped here
  destino.clear();
  janela->tamanho = 1000;
  ASSERT_TRUE(LeMemoriaECF(frm, "", false, 0, 0, &destino));
  EXPECT_EQ(destino, JanelaRoteirizada::Bytes(0, 1000));
}

TEST_F(LeMemoria, AFailedReadIsSentAgainUpToThreeTimes) {
  janela->tamanho = 64;
  janela->falhas["LeTexto"] = {true, true, false};
  janela->falhas["EscreveInteiro"] = {false, true, true, false};
  ASSERT_TRUE(LeMemoriaECF(frm, pasta.file("SB.bin"), false, 0, 0, nullptr));
  EXPECT_EQ(Chamadas("LeTexto"), 3);
  EXPECT_EQ(read_bytes(pasta.file("SB.bin")), JanelaRoteirizada::Bytes(0, 64));
  EXPECT_TRUE(interacao.mensagens.empty());
  // A resend, never a request for the last reply again.
  EXPECT_FALSE(frm.ModoUltimoRetorno);
  for (const std::string& c : driver->chamadas) EXPECT_NE(c, "ExecutaComando []");
}

// The reader's commands are its own: a register read after each of them while automatic reading is
// on must not put that register's value where the reader takes its size and bytes from.
TEST_F(LeMemoria, AutomaticRegisterReadingLeavesTheReadersRepliesAlone) {
  LeRegistradorAposComando(frm, [this] { LeRegistradorExecute(frm); });
  frm.LeRegistrador.Checked = true;
  driver->resultado_registrador = 0;
  janela->regioes[0x30000000] = JanelaRoteirizada::Bytes(5, 205);
  struct Caso {
    const char* registrador;
    const char* comando;
    std::uint32_t endereco;
    std::uint32_t quantidade;
    bool buffer;
    std::string esperado;
  };
  const Caso casos[] = {
      {"COO", "LeInteiro", 0, 0, false, JanelaRoteirizada::Bytes(0, 1000)},
      {"Marca", "LeTexto", 0, 0, false, JanelaRoteirizada::Bytes(0, 1000)},
      {"Marca", "LeTexto", 0x30000000, 200, true, JanelaRoteirizada::Bytes(5, 205)},
  };
  for (const Caso& c : casos) {
    frm.cbNomeRegistrador = c.registrador;
    driver->comando_registrador = c.comando;
    const std::string arquivo = pasta.file(std::string(c.registrador) + ".bin");
    std::string destino;
    ASSERT_TRUE(LeMemoriaECF(frm, arquivo, false, c.endereco, c.quantidade, c.buffer ? &destino : nullptr))
        << c.registrador << " " << (interacao.mensagens.empty() ? "" : interacao.mensagens.back());
    EXPECT_EQ(c.buffer ? destino : read_bytes(arquivo), c.esperado) << c.registrador;
  }
  EXPECT_TRUE(interacao.mensagens.empty());
}

TEST_F(LeMemoria, EachFailureEndsWithItsMessageAndKeepsWhatWasStored) {
  struct Caso {
    const char* comando;
    std::deque<bool> falhas;
    std::string tamanho_texto;
    std::deque<std::string> textos;
    std::string mensagem;
    std::size_t guardados;
  };
  const Caso casos[] = {
      {"LeInteiro", {true}, "", {}, "Erro ao enviar comando 'LeInteiro'", 0},
      {"", {}, " ", {}, "N\xE3o foi poss\xEDvel ler o Tamanho do Software B\xE1sico", 0},
      {"EscreveInteiro", {true}, "", {}, "Erro ao enviar comando 'EscreveInteiro'", 0},
      {"EscreveInteiro", {false, true, true, true}, "", {}, "Erro ao enviar comando 'EscreveInteiro'", 64},
      {"LeTexto", {false, true, true, true}, "", {}, "Erro ao enviar comando 'LeTexto'", 64},
      {"", {}, "", {"0A0B", ""}, "N\xE3o foi poss\xEDvel ler o registro do Software B\xE1sico", 2},
      {"", {}, "", {"0A0B", "0"}, "N\xE3o foi poss\xEDvel ler o registro do Software B\xE1sico", 2},
      {"", {}, "", {"0A0B", "0Z"}, "N\xE3o foi poss\xEDvel ler o registro do Software B\xE1sico", 2},
  };
  for (const Caso& c : casos) {
    const std::string arquivo = pasta.file("falha.bin");
    std::remove(arquivo.c_str());
    interacao.mensagens.clear();
    janela->falhas.clear();
    if (*c.comando) janela->falhas[c.comando] = c.falhas;
    janela->tamanho_texto = c.tamanho_texto;
    janela->textos = c.textos;
    EXPECT_FALSE(LeMemoriaECF(frm, arquivo, true, 0, 0, nullptr)) << c.mensagem;
    EXPECT_EQ(interacao.mensagens, std::vector<std::string>{c.mensagem});
    EXPECT_FALSE(interacao.aberto || interacao.mensagem_sobre_progresso) << c.mensagem;
    EXPECT_EQ(compat::file_size(arquivo), c.guardados ? static_cast<std::int64_t>(c.guardados) : -1) << c.mensagem;
  }
}

TEST_F(LeMemoria, AnUnwritableFileIsNamed) {
  const std::string arquivo = pasta.file("falta/pasta.bin");
  for (const std::uint32_t endereco : {0u, 0x30000000u}) {
    interacao.mensagens.clear();
    EXPECT_FALSE(LeMemoriaECF(frm, arquivo, true, endereco, 10, nullptr));
    EXPECT_EQ(interacao.mensagens, std::vector<std::string>{"Erro ao acessar o arquivo '" + arquivo + "'"});
  }
}

TEST_F(LeMemoria, CancelStopsBetweenPiecesAndTheNextReadingResumes) {
  interacao.cancela_na_vez = 3;
  const std::string arquivo = pasta.file("SB.bin");
  bool cancelado = false;
  EXPECT_FALSE(LeMemoriaECF(frm, arquivo, true, 0, 0, nullptr, &cancelado));
  EXPECT_TRUE(cancelado);
  EXPECT_TRUE(interacao.mensagens.empty());
  EXPECT_FALSE(interacao.aberto);
  EXPECT_EQ(read_bytes(arquivo), JanelaRoteirizada::Bytes(0, 192));
  interacao.cancela_na_vez = -1;
  janela->enderecos.clear();
  ASSERT_TRUE(LeMemoriaECF(frm, arquivo, false, 0, 0, nullptr));
  EXPECT_EQ(janela->enderecos.front(), "192");
  EXPECT_EQ(read_bytes(arquivo), JanelaRoteirizada::Bytes(0, 1000));
}

TEST_F(LeMemoria, TheDirectiveReadsIntoItsFileOrVardexBin) {
  EstadoScript estado{OpcoesScript{}};
  struct Caso {
    const char* linha;
    std::string arquivo;
  };
  const Caso casos[] = {{"$LSB NomeArquivo=\"SB.bin\"", "SB.bin"}, {"$lsb", "Vardex.BIN"}};
  for (const Caso& c : casos) {
    interacao.mensagens.clear();
    EXPECT_EQ(ProcessaDiretiva(frm, estado, c.linha), Seguimento::Continua);
    EXPECT_EQ(read_bytes(pasta.file(c.arquivo)), JanelaRoteirizada::Bytes(0, 1000));
    EXPECT_EQ(interacao.mensagens, std::vector<std::string>{"Arquivo '" + c.arquivo + "' gerado!"});
  }
  // A failed reading is told and the script goes on.
  interacao.mensagens.clear();
  janela->falhas["LeInteiro"] = {true};
  EXPECT_EQ(ProcessaDiretiva(frm, estado, "$LSB"), Seguimento::Continua);
  EXPECT_EQ(interacao.mensagens, std::vector<std::string>{"Erro ao enviar comando 'LeInteiro'"});
}

}  // namespace
}  // namespace tarnel
