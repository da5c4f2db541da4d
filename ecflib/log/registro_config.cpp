#include "registro_config.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "compat/registry.h"
#include "log.h"

namespace plenvo {
namespace {

using compat::Hive;
using compat::RegistryKey;

// Opens a key, creating it when missing; a creation is logged.
long AbreOuCria(RegistryKey& chave, const std::string& caminho, const char* nome) {
  long erro = chave.open(Hive::LocalMachine, caminho);
  if (erro == compat::kRegistryNotFound) {
    erro = chave.open_or_create(Hive::LocalMachine, caminho);
    if (erro == compat::kRegistryOk) RegistraTexto("\nCriada Chave Registry: [%s]", nome);
  }
  return erro;
}

// Closes the version, application, group and "Software" keys, reporting each failed close. The
// HKEY_LOCAL_MACHINE root is a predefined handle that is never opened here, so it has nothing to close.
void FechaChaves(RegistryKey (&chaves)[3], RegistryKey& software);

void CopiaLimitado(char* destino, const char* origem, std::size_t tamanho) {
  if (destino == nullptr || tamanho == 0) return;
  std::strncpy(destino, origem, tamanho - 1);
  destino[tamanho - 1] = '\0';
}

}  // namespace

long ReportaErroRegistro(long codigo, const char* rotulo) {
  if (codigo != 0) {
    const std::string texto = compat::system_error_text(codigo);
    ArquivoLog arquivo = AbreLog();
    char cabeca[512];
    std::snprintf(cabeca, sizeof cabeca, "\nErro de Acesso ao Registry [%ld]: %s\n", codigo, rotulo);
    EscreveLog(arquivo, cabeca);
    EscreveLog(arquivo, texto.c_str());
    FechaLog(arquivo);
  }
  return codigo;
}

namespace {

void FechaChaves(RegistryKey (&chaves)[3], RegistryKey& software) {
  ReportaErroRegistro(chaves[2].close(), "RegCloseKey Versao");
  ReportaErroRegistro(chaves[1].close(), "RegCloseKey Aplicação");
  ReportaErroRegistro(chaves[0].close(), "RegCloseKey Grupo");
  ReportaErroRegistro(software.close(), "RegCloseKey Software");
}

}  // namespace

bool RegistroConfig(const char* grupo, const char* aplicacao, const char* versao, const char* nome_valor,
                    char* buffer, const char* padrao, std::size_t tamanho, int modo) {
  RegistryKey software;
#ifdef _WIN32
  const long erro_software = software.open(Hive::LocalMachine, "Software");
#else
  // The stand-in hive starts empty; "Software" always exists in a real one.
  const long erro_software = software.open_or_create(Hive::LocalMachine, "Software");
#endif
  if (ReportaErroRegistro(erro_software, "RegOpenKeyEx Software") != 0) return false;

  char rotulo[512];
  std::string caminho = "Software";
  RegistryKey chaves[3];
  const char* nomes[3] = {grupo, aplicacao, versao};
  for (int nivel = 0; nivel < 3; ++nivel) {
    caminho += "\\";
    caminho += nomes[nivel];
    std::snprintf(rotulo, sizeof rotulo, "RegCreateKeyEx %s", nomes[nivel]);
    if (ReportaErroRegistro(AbreOuCria(chaves[nivel], caminho, nomes[nivel]), rotulo) != 0) return false;
  }
  RegistryKey& chave = chaves[2];

  if (modo == kLeRegistro) {
    std::string valor;
    long erro = chave.read_string(nome_valor, valor);
    if (erro == compat::kRegistryOk && valor.size() + 1 > tamanho) erro = compat::kRegistryMoreData;
    if (erro == compat::kRegistryOk) {
      CopiaLimitado(buffer, valor.c_str(), tamanho);
      RegistraTexto("\nLeitura Entrada Registry: [%s=%s]", nome_valor, buffer);
      FechaChaves(chaves, software);
      return true;
    }
    std::snprintf(rotulo, sizeof rotulo, "RegQueryValueEx [%s]", nome_valor);
    ReportaErroRegistro(erro, rotulo);
    CopiaLimitado(buffer, padrao, tamanho);
  }

  const long erro = chave.write_string(nome_valor, buffer);
  if (erro != compat::kRegistryOk) {
    std::snprintf(rotulo, sizeof rotulo, "RegSetValueEx [%s=%s]", nome_valor, buffer);
    ReportaErroRegistro(erro, rotulo);
    return false;
  }
  RegistraTexto("\nAtualizada Entrada Registry: [%s=%s]", nome_valor, buffer);
  FechaChaves(chaves, software);
  return true;
}

}  // namespace plenvo
