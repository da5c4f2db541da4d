// PastaEmbutida's file side, the same for both engines: the whole file read as UTF-8, and replaced
// at once.
#include "compat/whole_file.h"
#include "spreadsheet/embutido/codificacao_pasta.h"
#include "spreadsheet/embutido/pasta_embutida.h"

namespace tarnel {
namespace {

// A workbook saved in a spreadsheet program's own format instead of XML: refused with what to do,
// rather than with the first byte that is not text.
bool OutroFormato(std::string_view arquivo, std::string& erro) {
  const char* tipo = arquivo.rfind("\xD0\xCF\x11\xE0", 0) == 0 ? "uma planilha binária do Excel (.xls)"
                     : arquivo.rfind("PK\x03\x04", 0) == 0   ? "uma planilha compactada (.xlsx ou .ods)"
                                                             : nullptr;
  if (tipo == nullptr) return false;
  erro = std::string("a pasta é ") + tipo +
         ", não uma planilha XML: abra-a e grave-a como \"XML Spreadsheet 2003\" (no LibreOffice, "
         "\"Planilha XML do Microsoft Excel 2003\")";
  return true;
}

}  // namespace

std::unique_ptr<PastaEmbutida> PastaEmbutida::CarregaTexto(std::string_view xml, std::string& erro) {
  if (OutroFormato(xml, erro)) return nullptr;
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
