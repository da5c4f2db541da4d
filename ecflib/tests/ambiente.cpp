#include "ambiente.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "api/tempo.h"
#include "plenvo.h"
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

std::string LeArquivo(const std::string& caminho) {
  std::ifstream entrada(caminho, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>());
}

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
  char modelo[] = "/tmp/plenvo-teste-XXXXXX";
  ASSERT_NE(mkdtemp(modelo), nullptr);
  pasta_ = modelo;
  setenv("PLENVO_DRIVE_C", UnidadeC().c_str(), 1);
  setenv("XDG_CONFIG_HOME", Pasta("config").c_str(), 1);
  setenv("XDG_STATE_HOME", Pasta("state").c_str(), 1);
  setenv("PLENVO_SULVANIR", Pasta("sem-fornecedor.so").c_str(), 1);
  for (const char* variavel : {"SULVANIR_CONEXAO", "SULVANIR_QUADROS", "SULVANIR_FALHA", "SULVANIR_OCUPADO",
                               "SULVANIR_SEM_ETX", "SULVANIR_CMC7", "PLENVO_COM1"})
    unsetenv(variavel);
  setenv("SULVANIR_PASTA", Pasta("emul").c_str(), 1);
  std::filesystem::create_directories(UnidadeC());
  std::filesystem::create_directories(Pasta("emul"));
}

void AmbientePlenvo::TearDown() {
  ecf_FinalizaDLL();
  compat::set_clock({});
  DefineConsultaModem(nullptr);
  DefineRelogioDeEspera(nullptr, nullptr);
  std::error_code erro;
  std::filesystem::remove_all(pasta_, erro);
}

std::string AmbientePlenvo::Pasta(const std::string& nome) const { return pasta_ + "/" + nome; }

std::string AmbientePlenvo::ArquivoLog() const {
  return UnidadeC() + "/" + kDias[compat::local_now().weekday] + ".log";
}

std::string AmbientePlenvo::Log() const { return LeArquivo(ArquivoLog()); }

void AmbientePlenvo::UsaFornecedor(const std::string& conexao) {
  setenv("PLENVO_SULVANIR", SULVANIR_ARQUIVO, 1);
  setenv("SULVANIR_CONEXAO", conexao.c_str(), 1);
  setenv("SULVANIR_QUADROS", Pasta("quadros.hex").c_str(), 1);
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
