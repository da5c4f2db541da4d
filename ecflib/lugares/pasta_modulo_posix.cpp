// Folder of the shared object (or program) that holds this code, through the dynamic loader.
#include <dlfcn.h>

#include <string>

#include "compat/native_path.h"
#include "lugares.h"

namespace plenvo {

std::string PastaDestaBiblioteca() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&PastaDestaBiblioteca), &info) == 0 || info.dli_fname == nullptr) return "";
  const std::string arquivo = compat::text_path(std::string(info.dli_fname));
  const auto barra = arquivo.rfind('/');
  return barra == std::string::npos ? "" : arquivo.substr(0, barra + 1);
}

}  // namespace plenvo
