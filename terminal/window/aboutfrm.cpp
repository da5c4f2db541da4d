#include "window/aboutfrm.h"

#include <cstddef>

#include "compat/path.h"
#include "compat/profile.h"
#include "window/versao.h"

namespace tarnel {

const char kEmpresaPadrao[] = "KVT Automação Comercial Ltda.";

namespace {

// One OEM.INI value, cut to what its field holds (size - 1 characters).
std::string LeOem(const std::string& arquivo, const char* chave, const char* padrao, std::size_t tamanho) {
  std::string texto(tamanho, '\0');
  texto.resize(compat::profile_read_string(arquivo, "OEM", chave, padrao, texto.data(), tamanho));
  return texto;
}

}  // namespace

TfrmAbout::TfrmAbout(const std::string& titulo)
    : Caption("Sobre " + titulo), ProductName(titulo), Version(TextoVersao()) {
  const std::string pasta = compat::current_folder();
  const std::string oem_ini = compat::join_path(pasta, "OEM.INI");
  OEMEmpresa = LeOem(oem_ini, "Empresa", kEmpresaPadrao, 200);
  Linha1 = LeOem(oem_ini, "Linha1", "Vardex II", 100);
  Linha2 = LeOem(oem_ini, "Linha2", "", 100);
  const std::string figura = LeOem(oem_ini, "Picture", "", 200);
  const std::string oem_bmp = compat::join_path(pasta, "OEM.BMP");
  if (!figura.empty() && compat::file_exists(figura))
    ProgramIcon = figura;
  else if (compat::file_exists(oem_bmp))
    ProgramIcon = oem_bmp;
}

}  // namespace tarnel
