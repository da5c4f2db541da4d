// Test helpers: a private folder per test, a fixed clock, and a printer to drive by texts.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ecf/impressora.h"
#include "gtest/gtest.h"
#include "test_support/fixed_clock.h"
#include "test_support/temp_folder.h"

namespace ecf::teste {

// The shared temporary folder and byte helpers, under the names these tests use.
class PastaTemporaria : public test_support::TempFolder {
 public:
  PastaTemporaria() : TempFolder("ecf-test") {}
  const std::string& caminho() const { return path(); }
  std::string arquivo(const std::string& nome) const { return file(nome); }
};

inline std::string LeBytes(const std::string& caminho) { return test_support::read_bytes(caminho); }
inline void GravaBytes(const std::string& caminho, const std::string& bytes) { test_support::write_bytes(caminho, bytes); }

// The host clock stands still at a chosen moment while a test runs.
class RelogioFixo : public test_support::FixedClock {
 public:
  explicit RelogioFixo(int ano = 2024, int mes = 3, int dia = 15, int hora = 10, int minuto = 0, int segundo = 0)
      : FixedClock(test_support::moment(ano, mes, dia, hora, minuto, segundo)) {}
  void Ajusta(int ano, int mes, int dia, int hora, int minuto, int segundo) {
    set(test_support::moment(ano, mes, dia, hora, minuto, segundo));
  }
};

// Parameters written as {"Nome", "valor"} pairs, all sent as texts (type 7).
inline std::vector<Item> Pars(std::initializer_list<std::pair<const char*, const char*>> pares) {
  std::vector<Item> itens;
  for (const auto& p : pares) itens.push_back(Item{p.first, p.second, 7});
  return itens;
}

// A printer in a private folder with a fixed clock, and short ways to talk to it.
class Bancada : public ::testing::Test {
 protected:
  void SetUp() override { Abre(); }
  void Abre() {
    impressora_.reset();
    impressora_ = Impressora::Abre(pasta_.caminho(), 0);
    ASSERT_NE(impressora_, nullptr);
  }
  Resposta Exec(const std::string& comando, std::initializer_list<std::pair<const char*, const char*>> pares = {}) {
    return impressora_->Executa(comando, Pars(pares));
  }
  // Runs a command that must succeed.
  Resposta Ok(const std::string& comando, std::initializer_list<std::pair<const char*, const char*>> pares = {}) {
    Resposta r = Exec(comando, pares);
    EXPECT_EQ(r.codigo_erro, 0) << comando << ": " << r.nome_erro << " - " << r.circunstancia;
    return r;
  }
  std::string Contexto() const { return LeBytes(impressora_->ArquivoContexto()); }
  std::string Retorno(const Resposta& r, const std::string& nome) const {
    for (const Item& i : r.retornos)
      if (i.nome == nome) return i.valor;
    ADD_FAILURE() << "sem retorno " << nome;
    return {};
  }
  std::string Inteiro(const std::string& nome) { return Retorno(Ok("LeInteiro", {{"NomeInteiro", nome.c_str()}}), "ValorInteiro"); }
  std::string Moeda(const std::string& nome) {
    return Retorno(Ok("LeMoeda", {{"NomeDadoMonetario", nome.c_str()}}), "ValorMoeda");
  }
  std::string Texto(const std::string& nome) { return Retorno(Ok("LeTexto", {{"NomeTexto", nome.c_str()}}), "ValorTexto"); }
  std::string Indicador(const std::string& nome) {
    return Retorno(Ok("LeIndicador", {{"NomeIndicador", nome.c_str()}}), "ValorNumericoIndicador");
  }

  // Expects a refusal by name, with a circumstance, leaving the context file untouched.
  void Recusa(const std::string& erro, const std::string& comando,
              std::initializer_list<std::pair<const char*, const char*>> pares = {}) {
    std::string tempo = Inteiro("TempoAcionamentoPadrao");
    std::string antes = Contexto();
    Resposta r = Exec(comando, pares);
    EXPECT_EQ(r.nome_erro, erro) << comando << ": " << r.circunstancia;
    EXPECT_NE(r.codigo_erro, 0);
    EXPECT_FALSE(r.circunstancia.empty()) << comando;
    EXPECT_TRUE(r.retornos.empty());
    // A command that changes nothing makes the printer compare its state with the file: any
    // change left behind by the refusal would be written now.
    Ok("EscreveInteiro", {{"NomeInteiro", "TempoAcionamentoPadrao"}, {"ValorInteiro", tempo.c_str()}});
    EXPECT_EQ(Contexto(), antes) << comando << " mudou o estado ao recusar";
  }

  RelogioFixo relogio_;
  PastaTemporaria pasta_;
  std::unique_ptr<Impressora> impressora_;
};

}  // namespace ecf::teste
