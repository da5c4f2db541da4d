// PastaEmbutida's file side, the same for both engines: the whole file read as UTF-8, and replaced
// at once.
#include "compat/whole_file.h"
#include "spreadsheet/embutido/codificacao_pasta.h"
#include "spreadsheet/embutido/pasta_embutida.h"

namespace tarnel {

std::unique_ptr<PastaEmbutida> PastaEmbutida::CarregaTexto(std::string_view xml, std::string& erro) {
  std::string convertido;
  std::string_view utf8;
  if (!TextoUtf8(xml, convertido, utf8, erro)) return nullptr;
  return CarregaUtf8(utf8, erro);
}

std::unique_ptr<PastaEmbutida> PastaEmbutida::Carrega(const std::string& caminho, std::string& erro) {
  std::string xml, motivo;
  if (!compat::read_file(caminho, xml, motivo)) {
    erro = "Não foi possível ler '" + caminho + "': " + motivo;
    return nullptr;
  }
  auto pasta = CarregaTexto(xml, erro);
  if (pasta == nullptr) erro = "'" + caminho + "': " + erro;
  return pasta;
}

bool PastaEmbutida::Salva(const std::string& caminho, std::string& erro) {
  std::string motivo;
  if (compat::replace_file(caminho, TextoXml(), motivo)) return true;
  erro = "Não foi possível gravar '" + caminho + "': " + motivo;
  return false;
}

}  // namespace tarnel
