// libFuzzer target for Plenvo's handling of the printer's replies, through a vendor library that
// answers with the fuzzer's bytes (fornecedor_fuzz.cpp). The first byte picks the operation and
// whether the log is on; the rest are the vendor library's answers, one after the other.
//
// What must hold: no operation reads or writes outside its buffers (the register's value buffer is
// exactly the documented 31 bytes), the register's value is zero-terminated in it and is emptied on
// every failure, and every result is one of the library's codes (0 to 255).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "api/tempo.h"
#include "fuzz_folder.h"
#include "plenvo.h"

extern "C" void FornecedorFuzz_DefineRespostas(const std::uint8_t* dados, std::size_t tamanho);

namespace {

std::string pasta;
long long segundos_virtuais = 0;

// The streams' idle limit and the X/Z status poll wait on this clock: every pause moves it on a
// minute, so that no input waits in real time.
long long Agora() { return segundos_virtuais; }
void Dorme(int) { segundos_virtuais += 60; }

int LeRegistrador() {
  const std::unique_ptr<char[]> valor(new char[31]);
  std::memset(valor.get(), 'x', 31);
  const int resultado = ecf_LeRegistrador("001", valor.get());
  if (std::memchr(valor.get(), '\0', 31) == nullptr) std::abort();
  if (resultado != 33 && valor[0] != '\0') std::abort();
  return resultado;
}

int Opera(std::uint8_t escolha) {
  const std::string arquivo = pasta + "/saida.txt";
  switch (escolha % 9) {
    case 0: return ecf_EstadoImpressora();
    case 1: return ecf_LeSensor("A");
    case 2: return LeRegistrador();
    case 3: return ecf_LeECF("4", "000001", "000010", "1", arquivo.c_str());
    case 4: return ecf_LeECF("1", "000001", "000010", "1", arquivo.c_str());
    case 5: return ecf_Quorbal("{0;LeData;NomeData=Data;}", arquivo.c_str());
    case 6: return ecf_LeCMC7(arquivo.c_str());
    case 7: return ecf_Relatorio_XZ("1");
    default: return ecf_VendaItem("123", "Item", "1,000", "1,00", "T01", "0", "0");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  pasta = fuzz::MakeFuzzFolder("plenvo_fuzz");
  const char* modelo = pasta.c_str();
  // Drive C, the registry and the state folders in the temporary folder; the vendor library is ours.
  setenv("HOME", modelo, 1);
  for (const char* variavel : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME"}) setenv(variavel, modelo, 1);
  const std::string unidade_c = pasta + "/c";
  std::filesystem::create_directories(unidade_c);
  setenv("PLENVO_DRIVE_C", unidade_c.c_str(), 1);
  setenv("PLENVO_SULVANIR", FORNECEDOR_FUZZ_ARQUIVO, 1);
  plenvo::DefineRelogioDeEspera(Agora, Dorme);
  if (ecf_InicializaDLL("COM1") != 33) std::abort();
  std::atexit([] { ecf_FinalizaDLL(); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  if (tamanho < 1) return 0;
  ecf_LogSerial((dados[0] & 0x80) ? "1" : "0");
  FornecedorFuzz_DefineRespostas(dados + 1, tamanho - 1);
  const int resultado = Opera(dados[0] & 0x7F);
  if (resultado < 0 || resultado > 255) std::abort();
  return 0;
}
