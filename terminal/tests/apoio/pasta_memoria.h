// A workbook held in memory for tests: each defined name is a vector of cells. Cells marked as not
// computable answer with the error a real engine would give.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "quorbal/igual_sem_caixa.h"
#include "spreadsheet/pasta_nomes.h"
#include "spreadsheet/planilha_sobre_nomes.h"

namespace tarnel::teste {

class PastaMemoria : public PastaNomes {
 public:
  std::map<std::string, std::vector<ValorPlanilha>> nomes;
  std::map<std::string, std::string> erros;  // "Nome[i]" -> the engine's error text
  std::vector<std::string> escritas;         // "Nome[i]" of every successful write, in order

  void Define(const std::string& nome, int celulas, ValorPlanilha inicial = std::string()) {
    nomes[nome] = std::vector<ValorPlanilha>(celulas, inicial);
  }
  ValorPlanilha& Celula(const std::string& nome, int i = 0) { return Acha(nome)->second.at(i); }

  int TamanhoNome(const std::string& nome) const override {
    auto it = Acha(nome);
    return it == nomes.end() ? -1 : static_cast<int>(it->second.size());
  }
  bool LeCelula(const std::string& nome, int i, ValorPlanilha& valor, std::string& erro) override {
    auto it = Acha(nome);
    if (it == nomes.end() || i < 0 || i >= static_cast<int>(it->second.size())) return false;
    auto falha = erros.find(it->first + "[" + std::to_string(i) + "]");
    if (falha != erros.end()) {
      erro = falha->second;
      return false;
    }
    valor = it->second[i];
    return true;
  }
  bool EscreveCelula(const std::string& nome, int i, const ValorPlanilha& valor) override {
    auto it = Acha(nome);
    if (it == nomes.end() || i < 0 || i >= static_cast<int>(it->second.size())) return false;
    it->second[i] = valor;
    escritas.push_back(it->first + "[" + std::to_string(i) + "]");
    return true;
  }

 private:
  using Mapa = std::map<std::string, std::vector<ValorPlanilha>>;
  Mapa::iterator Acha(const std::string& nome) {
    for (auto it = nomes.begin(); it != nomes.end(); ++it)
      if (quorbal::IgualSemCaixa(it->first, nome)) return it;
    return nomes.end();
  }
  Mapa::const_iterator Acha(const std::string& nome) const { return const_cast<PastaMemoria*>(this)->Acha(nome); }
};

// An application with one in-memory workbook, opened when its name is the one expected.
class PlanilhaMemoria : public PlanilhaSobreNomes {
 public:
  explicit PlanilhaMemoria(PastaMemoria& pasta, std::string nome = "PlanilhaECF.xls")
      : pasta_(pasta), nome_(std::move(nome)) {}

  bool abre = true;          // false: the open fails
  bool salva = true;         // false: the save fails
  bool visivel = false;
  bool alertas = true;
  int salvamentos = 0;
  std::string aberta;        // path given to AbrePasta

  void DesativaAlertas() override { alertas = false; }
  void AbrePasta(const std::string& caminho) override {
    aberta = caminho;
    aberto_ = abre;
  }
  int ContaPastas() const override { return aberto_ ? 1 : 0; }
  void DefineVisivel(bool v) override { visivel = v; }
  std::string NomePastaAtiva() const override { return aberto_ ? nome_ : std::string(); }
  bool Salva() override {
    if (salva) ++salvamentos;
    return salva;
  }
  void FechaPastas() override { aberto_ = false; }
  std::string Erro() const override { return abre ? std::string() : "falha simulada"; }
  std::string NomeMotor() const override { return "memória"; }

 protected:
  PastaNomes* PastaAtiva() override { return aberto_ ? &pasta_ : nullptr; }

 private:
  PastaMemoria& pasta_;
  std::string nome_;
  bool aberto_ = false;
};

}  // namespace tarnel::teste
