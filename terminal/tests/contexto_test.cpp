// The context check with a driver double that rewrites (or not) the context file when the channel
// is opened: the damaged copy, the difference's position and the questions.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "apoio/driver_roteirizado.h"
#include "compat/path.h"
#include "apoio/interacao_roteirizada.h"
#include "driver/conexao.h"
#include "scripts/contexto.h"
#include "test_support/temp_folder.h"
#include "window/mainfrm.h"

namespace tarnel {
namespace {

using test_support::read_bytes;
using test_support::write_bytes;
using Textos = std::vector<std::string>;

class DriverComContexto : public teste::DriverRoteirizado {
 public:
  std::function<void()> ao_iniciar;
  std::int32_t IniciaDriver(const std::string& canal) override {
    if (ao_iniciar) ao_iniciar();
    return DriverRoteirizado::IniciaDriver(canal);
  }
};

std::string Bytes(std::size_t tamanho) {
  std::string bytes(tamanho, '\0');
  for (std::size_t i = 0; i < tamanho; ++i) bytes[i] = static_cast<char>('A' + i % 23);
  return bytes;
}

class Contexto : public ::testing::Test {
 protected:
  Contexto() : frm(interacao) {
    frm.CarregaDriver = [this]() -> std::unique_ptr<Driver> {
      auto d = std::make_unique<DriverComContexto>();
      d->ao_iniciar = [this] {
        if (reescreve) reescreve();
      };
      return d;
    };
    ConnectExecute(frm);
  }
  std::string Arquivo(const std::string& nome) const { return pasta.file(nome); }
  Seguimento Verifica() {
    VerificacaoContexto v = VerificaContexto(frm, pasta.path());
    problema = std::move(v.problema);
    return v.seguimento;
  }
  std::string problema;  // of the last check

  test_support::TempFolder pasta{"tarnel-contexto"};
  teste::InteracaoRoteirizada interacao;
  TfrmMain frm;
  std::function<void()> reescreve;  // what opening the channel does to the files
};

std::string ComLixo(std::string bytes) {
  if (bytes.size() < 104) bytes.resize(104, '\0');
  return bytes.replace(100, 4, "Lixo");
}

TEST_F(Contexto, ReescritoIgualContinuaSemPergunta) {
  const std::string original = Bytes(9000);
  write_bytes(Arquivo("rasc0.bin"), original);
  reescreve = [this, original] { write_bytes(Arquivo("rasc0.bin"), original); };
  EXPECT_EQ(Verifica(), Seguimento::Continua);
  EXPECT_TRUE(interacao.perguntas.empty());
  EXPECT_EQ(problema, "");
  EXPECT_TRUE(Conectado(frm));
  EXPECT_EQ(read_bytes(Arquivo("rasc0.sav")), original);
}

// The damage kept, or the file rewritten in part: where the first difference is reported.
TEST_F(Contexto, PosicaoDaDiferenca) {
  struct Caso {
    std::size_t tamanho;
    std::function<std::string(const std::string& salvo)> reescrito;  // null: the damage stays
    long posicao;                                                     // -1: equal
  } casos[] = {
      {300, nullptr, 100},
      {50, nullptr, 50},  // the damaged copy is longer: zeros up to 100, then "Lixo"
      {5000, [](const std::string& s) { return s.substr(0, 4096); }, -1},  // ends at a block boundary
      {5000, [](const std::string& s) { return s.substr(0, 4000); }, 4000},
      {9000, [](const std::string& s) { return s + "x"; }, 9000},
      {9000, [](const std::string& s) { return std::string(s).replace(8193, 1, "?"); }, 8193},
  };
  for (const Caso& c : casos) {
    const std::string original = Bytes(c.tamanho);
    write_bytes(Arquivo("rasc0.bin"), original);
    reescreve = [this, &c] {
      if (c.reescrito) write_bytes(Arquivo("rasc0.bin"), c.reescrito(read_bytes(Arquivo("rasc0.sav"))));
    };
    interacao.perguntas.clear();
    interacao.titulos.clear();
    interacao.respostas = {Resposta::Nao};
    const Seguimento s = Verifica();
    EXPECT_TRUE(Conectado(frm));
    EXPECT_EQ(read_bytes(Arquivo("rasc0.sav")), original) << c.tamanho;
    if (c.posicao < 0) {
      EXPECT_EQ(s, Seguimento::Continua) << c.tamanho;
      EXPECT_TRUE(interacao.perguntas.empty()) << c.tamanho;
      continue;
    }
    EXPECT_EQ(s, Seguimento::Para) << c.tamanho;
    EXPECT_EQ(interacao.perguntas,
              Textos{"Contexto diferente na posi\xE7\xE3o " + std::to_string(c.posicao) + "!\nContinuar execu\xE7\xE3o?"});
    EXPECT_EQ(interacao.titulos, Textos{"Diferen\xE7\x61 de Contexto"});
    if (!c.reescrito) {
      EXPECT_EQ(read_bytes(Arquivo("rasc0.bin")), ComLixo(original));
    }
  }
}

TEST_F(Contexto, RespostaSimSegue) {
  write_bytes(Arquivo("rasc0.bin"), Bytes(200));
  interacao.respostas = {Resposta::Sim};
  EXPECT_EQ(Verifica(), Seguimento::Continua);
  EXPECT_EQ(interacao.perguntas.size(), 1u);
  // Gone past, but still a problem the check found.
  EXPECT_EQ(problema, "Diferen\xE7\x61 de Contexto: Contexto diferente na posi\xE7\xE3o 100!");
}

TEST_F(Contexto, SemArquivoPerguntaEFicaDesconectado) {
  write_bytes(Arquivo("rasc0.txt"), "x");
  write_bytes(Arquivo("contexto.bin"), "x");
  interacao.respostas = {Resposta::Sim, Resposta::Nao};
  EXPECT_EQ(Verifica(), Seguimento::Continua);
  EXPECT_EQ(problema, "Erro: " + compat::join_path(pasta.path(), "rasc*.bin") + ": N\xE3o encontrou arquivo de contexto!");
  EXPECT_FALSE(Conectado(frm));
  ConnectExecute(frm);
  EXPECT_EQ(Verifica(), Seguimento::Para);
  EXPECT_EQ(interacao.perguntas, Textos(2, "N\xE3o encontrou arquivo de contexto!\nContinuar execu\xE7\xE3o?"));
  EXPECT_EQ(interacao.titulos, Textos(2, "Erro: " + compat::join_path(pasta.path(), "rasc*.bin")));
}

TEST_F(Contexto, SoOMaisNovoEhVerificado) {
  namespace fs = std::filesystem;
  const auto agora = fs::file_time_type::clock::now();
  const char* nomes[] = {"rasc0.bin", "RASC2.BIN", "rasc1.bin"};
  const int horas_atras[] = {3, 1, 2};
  for (int i = 0; i < 3; ++i) {
    write_bytes(Arquivo(nomes[i]), Bytes(150 + i));
    fs::last_write_time(Arquivo(nomes[i]), agora - std::chrono::hours(horas_atras[i]));
  }
  write_bytes(Arquivo("RASC2.sav"), "antigo");
  interacao.respostas = {Resposta::Nao};
  EXPECT_EQ(Verifica(), Seguimento::Para);
  EXPECT_EQ(read_bytes(Arquivo("RASC2.sav")), Bytes(151));
  EXPECT_EQ(read_bytes(Arquivo("RASC2.BIN")), ComLixo(Bytes(151)));
  EXPECT_EQ(read_bytes(Arquivo("rasc0.bin")), Bytes(150));
  EXPECT_EQ(read_bytes(Arquivo("rasc1.bin")), Bytes(152));
  EXPECT_FALSE(fs::exists(Arquivo("rasc0.sav")));
  EXPECT_FALSE(fs::exists(Arquivo("rasc1.sav")));
}

}  // namespace
}  // namespace tarnel
