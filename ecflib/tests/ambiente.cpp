#include "ambiente.h"

#include <filesystem>
#include <fstream>

#include "api/tempo.h"
#include "compat/registry_faults.h"
#include "plenvo.h"
#include "serial/chamadas_modo.h"
#include "serial/consulta_modem.h"
#include "serialsim/simulador.h"

namespace plenvo::teste {
namespace {

constexpr const char* kDias[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

std::string DeHex(const std::string& linha) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < linha.size(); i += 2) bytes += static_cast<char>(std::stoi(linha.substr(i, 2), nullptr, 16));
  return bytes;
}

}  // namespace

bool Existe(const std::string& caminho) { return std::filesystem::exists(caminho); }

std::string Bytes(std::initializer_list<int> valores) {
  std::string bytes;
  for (int v : valores) bytes += static_cast<char>(v);
  return bytes;
}

compat::LocalTime HojeAs(int hora, int minuto, int segundo, int milissegundo) {
  compat::set_clock({});
  compat::LocalTime instante = compat::local_now();
  instante.hour = hora;
  instante.minute = minuto;
  instante.second = segundo;
  instante.millisecond = milissegundo;
  return instante;
}

void FixaRelogio(const compat::LocalTime& instante) {
  compat::set_clock([instante] { return instante; });
}

void AmbientePlenvo::SetUp() {
  pasta_ = std::make_unique<test_support::TempFolder>("plenvo-teste", test_support::TempFolder::user_folders);
  pasta_->set_env("PLENVO_DRIVE_C", UnidadeC());
  pasta_->set_env("PLENVO_SULVANIR", Pasta("sem-fornecedor.so"));
  for (const char* variavel : {"SULVANIR_CONEXAO", "SULVANIR_QUADROS", "SULVANIR_FALHA", "SULVANIR_OCUPADO",
                               "SULVANIR_SEM_ETX", "SULVANIR_CMC7", "SULVANIR_CHAMADAS", "SULVANIR_CHEQUES",
                               "PLENVO_COM1"})
    pasta_->unset_env(variavel);
  pasta_->set_env("SULVANIR_PASTA", Pasta("emul"));
  std::filesystem::create_directories(UnidadeC());
  std::filesystem::create_directories(Pasta("emul"));
}

void AmbientePlenvo::TearDown() {
  ecf_FinalizaDLL();
  compat::set_clock({});
  DefineConsultaModem(nullptr);
  DefineChamadasModo(nullptr);
  compat::registry_fail_writes(false);
  DefineRelogioDeEspera(nullptr, nullptr);
  pasta_.reset();
}

std::string AmbientePlenvo::Pasta(const std::string& nome) const { return pasta_->file(nome); }

std::string AmbientePlenvo::ArquivoLog() const {
  return UnidadeC() + "/" + kDias[compat::local_now().weekday] + ".log";
}

std::string AmbientePlenvo::Log() const { return read_bytes(ArquivoLog()); }

void AmbientePlenvo::UsaFornecedor(const std::string& conexao) {
  pasta_->set_env("PLENVO_SULVANIR", SULVANIR_ARQUIVO);
  pasta_->set_env("SULVANIR_CONEXAO", conexao);
  pasta_->set_env("SULVANIR_QUADROS", Pasta("quadros.hex"));
  pasta_->set_env("SULVANIR_CHAMADAS", Pasta("chamadas.txt"));
}

std::vector<std::string> AmbientePlenvo::ChamadasDoFornecedor() const {
  std::vector<std::string> chamadas;
  std::ifstream entrada(Pasta("chamadas.txt"));
  for (std::string linha; std::getline(entrada, linha);) chamadas.push_back(linha);
  return chamadas;
}

std::vector<std::string> AmbientePlenvo::QuadrosDoFornecedor() const {
  std::vector<std::string> quadros;
  std::ifstream entrada(Pasta("quadros.hex"));
  for (std::string linha; std::getline(entrada, linha);) quadros.push_back(DeHex(linha));
  return quadros;
}

void ComSimulador::SetUp() {
  AmbientePlenvo::SetUp();
  simulador_ = std::make_unique<serialsim::Simulador>(Pasta("emul"));
  ASSERT_TRUE(simulador_->Inicia()) << simulador_->Erro();
}

void ComSimulador::TearDown() {
  AmbientePlenvo::TearDown();
  simulador_.reset();
}

void ComSimulador::Inicializa() { ASSERT_EQ(ecf_InicializaDLL(Caminho().c_str()), 33); }

std::vector<std::string> ComSimulador::Quadros() { return simulador_->respondedor().RetiraQuadros(); }

std::string ComSimulador::Caminho() const { return simulador_->Caminho(); }

}  // namespace plenvo::teste
