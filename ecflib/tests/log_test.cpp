// The weekday log file's bytes (header, heads, CR LF), its rotation, and the registry messages.
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "ambiente.h"
#include "compat/registry.h"
#include "compat/registry_faults.h"
#include "log/log.h"
#include "log/registro_config.h"
#include "lugares/lugares.h"
#include "test_support/fixed_clock.h"

namespace plenvo::teste {
namespace {

using test_support::moment;

// The C library's own textual form of the time, for the header line.
std::string TextoC(const compat::LocalTime& t) {
  std::tm tm{};
  tm.tm_year = t.year - 1900;
  tm.tm_mon = t.month - 1;
  tm.tm_mday = t.day;
  tm.tm_hour = t.hour;
  tm.tm_min = t.minute;
  tm.tm_sec = t.second;
  tm.tm_wday = t.weekday;
  char texto[64];
  std::strftime(texto, sizeof texto, "%a %b %e %H:%M:%S %Y", &tm);
  return texto;
}

void MudaUltimaEscrita(const std::string& caminho, int ano, int mes, int dia) {
  std::tm tm{};
  tm.tm_year = ano - 1900;
  tm.tm_mon = mes - 1;
  tm.tm_mday = dia;
  tm.tm_hour = 12;
  tm.tm_isdst = -1;
  const std::time_t instante = std::mktime(&tm);
  utimbuf tempos{instante, instante};
  ASSERT_EQ(utime(caminho.c_str(), &tempos), 0);
}

void Grava(const std::string& caminho, const std::string& bytes) {
  std::ofstream(caminho, std::ios::binary) << bytes;
}

class LogDoDia : public AmbientePlenvo {};

TEST_F(LogDoDia, CabecalhoCabecasEQuebrasCrLf) {
  const compat::LocalTime agora = HojeAs(10, 20, 30, 45);
  FixaRelogio(agora);
  RegistraEntrada("TX", "\x1b" "f0\n1", 5);
  RegistraEntrada("RX", "!", 1);
  RegistraTexto("\nFiscalConnection: Retorno = %d", 2);
  EXPECT_EQ(Log(), "Inicio LOG: " + TextoC(agora) + "\r\n\r\n\r\n" +
                       "\r\nTX [10:20:30 045ms] - \x1b" "f0\r\n1"
                       "\r\nRX [10:20:30 045ms] - !"
                       "\r\nFiscalConnection: Retorno = 2");
  char cabeca[64];
  FixaRelogio(HojeAs(9, 5, 7, 999));
  FormataCabeca(cabeca, sizeof cabeca, "Erro DLL");
  EXPECT_STREQ(cabeca, "\nErro DLL [09:05:07 999ms] - ");
}

TEST_F(LogDoDia, ArquivoDeOutroDiaDoMesESubstituido) {
  const compat::LocalTime segunda = moment(2024, 1, 15, 8, 0, 0, 0);  // a Monday
  ASSERT_EQ(segunda.weekday, 1);
  FixaRelogio(segunda);
  const std::string arquivo = UnidadeC() + "/Mon.log";
  Grava(arquivo, "semana passada");
  MudaUltimaEscrita(arquivo, 2024, 1, 8);
  RegistraEntrada("RX", "!", 1);
  EXPECT_EQ(read_bytes(arquivo), "Inicio LOG: Mon Jan 15 08:00:00 2024\r\n\r\n\r\n\r\nRX [08:00:00 000ms] - !");
}

TEST_F(LogDoDia, MesmoDiaDoMesContinuaNoMesmoArquivo) {
  const std::string arquivo = UnidadeC() + "/Mon.log";
  // Same day: appended without a new header.
  FixaRelogio(moment(2024, 1, 15, 9, 0, 0, 0));
  Grava(arquivo, "de manha");
  MudaUltimaEscrita(arquivo, 2024, 1, 15);
  RegistraEntrada("RX", "!", 1);
  EXPECT_EQ(read_bytes(arquivo), "de manha\r\nRX [09:00:00 000ms] - !");
  // The 15th of an earlier month, also a Monday: taken for the same day, appended.
  FixaRelogio(moment(2024, 4, 15, 9, 0, 0, 0));
  Grava(arquivo, "janeiro");
  MudaUltimaEscrita(arquivo, 2024, 1, 15);
  RegistraEntrada("RX", "?", 1);
  EXPECT_EQ(read_bytes(arquivo), "janeiro\r\nRX [09:00:00 000ms] - ?");
}

TEST_F(LogDoDia, PastaPadraoSobXdgStateHomeEFalhaSilenciosa) {
  unsetenv("PLENVO_DRIVE_C");
  FixaRelogio(moment(2024, 1, 16, 9, 0, 0, 0));  // a Tuesday
  RegistraEntrada("TX", "x", 1);
  EXPECT_TRUE(Existe(Pasta("state") + "/plenvo/c/Tue.log"));
  // A folder that cannot exist: the entry is skipped, nothing breaks.
  Grava(Pasta("arquivo"), "");
  setenv("PLENVO_DRIVE_C", (Pasta("arquivo") + "/c").c_str(), 1);
  EXPECT_EQ(AbreLog(), kSemLog);
  RegistraEntrada("TX", "x", 1);
  EscreveLog(kSemLog, "x");
  FechaLog(kSemLog);
}

// Without the variables drive C is in the user's own home: HOME, else the password database's entry
// (a HOME that is not an absolute path names no home). Never a folder shared with other users.
TEST_F(LogDoDia, SemVariaveisAUnidadeCFicaNaCasaDoUsuario) {
  pasta_->unset_env("PLENVO_DRIVE_C");
  pasta_->unset_env("XDG_STATE_HOME");
  pasta_->set_env("HOME", Pasta("casa"));
  char pasta[4096];
  ASSERT_TRUE(PastaUnidadeC(pasta, sizeof pasta));
  EXPECT_EQ(std::string(pasta), Pasta("casa") + "/.local/state/plenvo/c/");

  const passwd* usuario = getpwuid(getuid());
  ASSERT_NE(usuario, nullptr);
  const std::string da_base = std::string(usuario->pw_dir) + "/.local/state/plenvo/c/";
  for (const char* casa : std::initializer_list<const char*>{nullptr, "", "relativa"}) {
    if (casa == nullptr)
      pasta_->unset_env("HOME");
    else
      pasta_->set_env("HOME", casa);
    ASSERT_TRUE(PastaUnidadeC(pasta, sizeof pasta)) << "HOME=" << (casa ? casa : "(unset)");
    EXPECT_EQ(std::string(pasta), da_base) << "HOME=" << (casa ? casa : "(unset)");
  }
}

// The folder named by the environment is the system's UTF-8 name; the log goes into it, not into a
// folder whose name is those bytes read as Windows-1252.
TEST_F(LogDoDia, PastaComAcentosDoAmbiente) {
  const std::string pasta = Pasta(u8"Jo\u00E3o") + u8"/Relat\u00F3rios";
  setenv("PLENVO_DRIVE_C", pasta.c_str(), 1);
  FixaRelogio(moment(2024, 1, 16, 9, 0, 0, 0));  // a Tuesday
  RegistraEntrada("TX", "x", 1);
  EXPECT_EQ(read_bytes(pasta + "/Tue.log"), "Inicio LOG: Tue Jan 16 09:00:00 2024\r\n\r\n\r\n\r\nTX [09:00:00 000ms] - x");
}

// A folder whose name Windows-1252 cannot hold is no place for the log: with "?" in its name it would
// go into another folder (here one that exists). Nothing is written, nothing breaks.
TEST_F(LogDoDia, PastaQueOTextoNaoNomeiaNaoRecebeOLog) {
  ASSERT_TRUE(std::filesystem::create_directories(Pasta("??")));
  setenv("PLENVO_DRIVE_C", Pasta(u8"\u65E5\u672C").c_str(), 1);
  FixaRelogio(moment(2024, 1, 16, 9, 0, 0, 0));
  EXPECT_EQ(AbreLog(), kSemLog);
  RegistraEntrada("TX", "x", 1);
  EXPECT_TRUE(std::filesystem::is_empty(Pasta("??")));
  EXPECT_FALSE(std::filesystem::exists(Pasta(u8"\u65E5\u672C")));
}

constexpr const char* kGrupo = "KVT Automação Comercial";
constexpr const char* kProduto = "DLL Vardex 32 bits";
constexpr const char* kVersao = "V4.03";

class Registro : public AmbientePlenvo {
 protected:
  void SetUp() override {
    AmbientePlenvo::SetUp();
    FixaRelogio(HojeAs(11, 0, 0, 0));
  }
  bool Le(char* buffer, std::size_t tamanho = 10) {
    return RegistroConfig(kGrupo, kProduto, kVersao, "Gerar Log", buffer, "0", tamanho, kLeRegistro);
  }
  std::string SemCabecalho() const {
    const std::string log = Log();
    const auto fim = log.find("\r\n\r\n\r\n");
    return fim == std::string::npos ? log : log.substr(fim + 6);
  }
};

TEST_F(Registro, PrimeiraLeituraCriaAsChavesEGravaOPadrao) {
  char valor[10] = "x";
  EXPECT_TRUE(Le(valor));
  EXPECT_STREQ(valor, "0");
  EXPECT_EQ(SemCabecalho(),
            "\r\nCriada Chave Registry: [KVT Automação Comercial]"
            "\r\nCriada Chave Registry: [DLL Vardex 32 bits]"
            "\r\nCriada Chave Registry: [V4.03]"
            "\r\nErro de Acesso ao Registry [2]: RegQueryValueEx [Gerar Log]\r\n" +
                compat::system_error_text(2) + "\r\nAtualizada Entrada Registry: [Gerar Log=0]");
  compat::RegistryKey chave;
  ASSERT_EQ(chave.open(compat::Hive::LocalMachine, "Software\\KVT Automação Comercial\\DLL Vardex 32 bits\\V4.03"), 0);
  std::string guardado;
  ASSERT_EQ(chave.read_string("Gerar Log", guardado), 0);
  EXPECT_EQ(guardado, "0");
}

TEST_F(Registro, GravaELeDepois) {
  char valor[2] = "1";
  EXPECT_TRUE(RegistroConfig(kGrupo, kProduto, kVersao, "Gerar Log", valor, valor, sizeof valor, kGravaRegistro));
  std::filesystem::remove(ArquivoLog());
  char lido[10] = "";
  EXPECT_TRUE(Le(lido));
  EXPECT_STREQ(lido, "1");
  EXPECT_EQ(SemCabecalho(), "\r\nLeitura Entrada Registry: [Gerar Log=1]");
}

TEST_F(Registro, ValorMaiorQueOBufferVoltaAoPadrao) {
  compat::RegistryKey chave;
  ASSERT_EQ(chave.open_or_create(compat::Hive::LocalMachine, "Software\\KVT Automação Comercial\\DLL Vardex 32 bits\\V4.03"), 0);
  ASSERT_EQ(chave.write_string("Gerar Log", "1234567890"), 0);
  char valor[10] = "";
  EXPECT_TRUE(Le(valor));
  EXPECT_STREQ(valor, "0");
  EXPECT_NE(SemCabecalho().find("Erro de Acesso ao Registry [234]: RegQueryValueEx [Gerar Log]\r\n"), std::string::npos);
  EXPECT_NE(SemCabecalho().find("Atualizada Entrada Registry: [Gerar Log=0]"), std::string::npos);
}

TEST_F(Registro, RegistroInacessivelRelataEFalha) {
  std::filesystem::create_directories(Pasta("config"));
  Grava(Pasta("config") + "/kvt-registry", "não é uma pasta");
  char valor[10] = "";
  EXPECT_FALSE(Le(valor));
  const std::string log = SemCabecalho();
  EXPECT_EQ(log.rfind("\r\nErro de Acesso ao Registry [", 0), 0u) << log;
  EXPECT_NE(log.find("]: RegOpenKeyEx Software\r\n"), std::string::npos) << log;
  EXPECT_EQ(ReportaErroRegistro(0, "nada"), 0);
  EXPECT_EQ(SemCabecalho(), log);  // code 0 writes nothing
}

// Every key or value the registry refuses to write is reported under its own label, and nothing
// below it is attempted. RegCloseKey has no case here: the file-backed registry keeps nothing open
// between operations, so closing a key never fails off Windows.
TEST_F(Registro, EscritaRecusadaRelataOPassoQueFalhou) {
  const std::string software = "Software";
  const std::string grupo = software + "\\" + kGrupo;
  const std::string produto = grupo + "\\" + kProduto;
  const std::string versao = produto + "\\" + kVersao;
  const std::string negado = "\r\nErro de Acesso ao Registry [5]: ";
  const std::string texto_negado = "\r\n" + compat::system_error_text(5);
  const struct {
    std::string existente;  // the deepest key already there
    int modo;
    std::string log;
  } casos[] = {
      {software, kLeRegistro, negado + "RegCreateKeyEx KVT Automação Comercial" + texto_negado},
      {grupo, kLeRegistro, negado + "RegCreateKeyEx DLL Vardex 32 bits" + texto_negado},
      {produto, kLeRegistro, negado + "RegCreateKeyEx V4.03" + texto_negado},
      {versao, kGravaRegistro, negado + "RegSetValueEx [Gerar Log=1]" + texto_negado},
      {versao, kLeRegistro,
       "\r\nErro de Acesso ao Registry [2]: RegQueryValueEx [Gerar Log]\r\n" + compat::system_error_text(2) +
           negado + "RegSetValueEx [Gerar Log=0]" + texto_negado},
  };
  const std::string arquivo_colmeia = Pasta("config") + "/kvt-registry/HKEY_LOCAL_MACHINE.reg";
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.log);
    ASSERT_EQ(compat::RegistryKey().open_or_create(compat::Hive::LocalMachine, caso.existente), 0);
    const std::string colmeia = read_bytes(arquivo_colmeia);
    std::filesystem::remove(ArquivoLog());
    compat::registry_fail_writes(true);
    char valor[10] = "1";
    EXPECT_FALSE(RegistroConfig(kGrupo, kProduto, kVersao, "Gerar Log", valor, "0", sizeof valor, caso.modo));
    compat::registry_fail_writes(false);
    EXPECT_EQ(SemCabecalho(), caso.log);
    EXPECT_EQ(read_bytes(arquivo_colmeia), colmeia);
  }
}

}  // namespace
}  // namespace plenvo::teste
