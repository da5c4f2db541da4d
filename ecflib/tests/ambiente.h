// What every Plenvo test needs: a private folder for drive C, the registry and the state folders,
// Plenvo ended and every seam restored afterwards, and helpers to read files and the log.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "compat/clock.h"
#include "test_support/temp_folder.h"

namespace serialsim {
class Simulador;
}

namespace plenvo::teste {

using test_support::read_bytes;
bool Existe(const std::string& caminho);
std::string Bytes(std::initializer_list<int> valores);

// Today's date (real) at a fixed time of day: log heads become predictable while the weekday
// file's last-write day still matches today.
compat::LocalTime HojeAs(int hora, int minuto, int segundo, int milissegundo);
void FixaRelogio(const compat::LocalTime& instante);

class AmbientePlenvo : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string Pasta(const std::string& nome) const;  // a path inside the test's folder
  std::string UnidadeC() const { return Pasta("c"); }
  // The weekday log file of the (possibly fixed) clock's date, and its content.
  std::string ArquivoLog() const;
  std::string Log() const;

  // Plenvo through the vendor-library stand-in; frames are captured in hex.
  void UsaFornecedor(const std::string& conexao = "1");
  std::vector<std::string> QuadrosDoFornecedor() const;  // raw bytes
  // ProcessFiscalCmd's calls: "<frame length> <reply room> <time-out> <flag>" each.
  std::vector<std::string> ChamadasDoFornecedor() const;

  std::unique_ptr<test_support::TempFolder> pasta_;  // also restores the environment it changed
};

// A printer simulator on a pseudo-terminal, started for each test; Plenvo not yet initialised.
class ComSimulador : public AmbientePlenvo {
 protected:
  void SetUp() override;
  void TearDown() override;

  // ecf_InicializaDLL on the simulator's device; asserts success.
  void Inicializa();
  std::vector<std::string> Quadros();  // frames received since the last call
  std::string Caminho() const;

  std::unique_ptr<serialsim::Simulador> simulador_;
};

}  // namespace plenvo::teste
