#include "spreadsheet/embutido/codificacao_pasta.h"

#include <algorithm>

#include "compat/cp1252.h"
#include "quorbal/igual_sem_caixa.h"
#include "spreadsheet/embutido/leitor_xml.h"

namespace tarnel {
namespace {

// Where the first byte that breaks UTF-8 is, or npos.
std::size_t ForaDoUtf8(std::string_view texto) {
  for (std::size_t k = 0; k < texto.size();) {
    const auto c = static_cast<unsigned char>(texto[k]);
    std::size_t seguintes;
    if (c < 0x80) seguintes = 0;
    else if (c >= 0xC2 && c <= 0xDF) seguintes = 1;
    else if (c >= 0xE0 && c <= 0xEF) seguintes = 2;
    else if (c >= 0xF0 && c <= 0xF4) seguintes = 3;
    else return k;
    if (texto.size() - k <= seguintes) return k;
    for (std::size_t j = 1; j <= seguintes; ++j)
      if ((static_cast<unsigned char>(texto[k + j]) & 0xC0) != 0x80) return k;
    k += seguintes + 1;
  }
  return std::string_view::npos;
}

// The encoding the XML declaration at the start names, or nothing.
std::string_view CodificacaoDeclarada(std::string_view xml) {
  if (xml.rfind("<?xml", 0) != 0) return {};
  const std::string_view declaracao = xml.substr(0, xml.find("?>"));
  const auto nome = declaracao.find("encoding");
  if (nome == std::string_view::npos) return {};
  const auto aspa = declaracao.find_first_of("\"'", nome);
  if (aspa == std::string_view::npos) return {};
  const auto fim = declaracao.find(declaracao[aspa], aspa + 1);
  if (fim == std::string_view::npos) return {};
  return declaracao.substr(aspa + 1, fim - aspa - 1);
}

bool Recusa(std::string& erro, const std::string& motivo) {
  erro = "a pasta não é uma planilha XML legível (" + motivo + "; grave o arquivo em UTF-8)";
  return false;
}

}  // namespace

bool TextoUtf8(std::string_view xml, std::string& convertido, std::string_view& utf8, std::string& erro) {
  if (xml.rfind("\xFF\xFE", 0) == 0 || xml.rfind("\xFE\xFF", 0) == 0) return Recusa(erro, "o arquivo está em UTF-16");
  std::string_view sem_marca = xml;
  if (sem_marca.rfind("\xEF\xBB\xBF", 0) == 0) sem_marca.remove_prefix(3);
  const std::string_view codificacao = CodificacaoDeclarada(sem_marca);
  const auto e = [&](const char* nome) { return quorbal::IgualSemCaixa(codificacao, nome); };
  if (e("windows-1252") || e("cp1252") || e("iso-8859-1") || e("iso_8859-1") || e("latin1")) {
    convertido = compat::cp1252_to_utf8(sem_marca);
    utf8 = convertido;
    return true;
  }
  if (!codificacao.empty() && !e("utf-8") && !e("utf8") && !e("us-ascii"))
    return Recusa(erro, "codificação '" + Trecho(codificacao) + "' não lida");
  const std::size_t fora = ForaDoUtf8(xml);
  if (fora != std::string_view::npos)
    return Recusa(erro, "linha " + std::to_string(1 + std::count(xml.begin(), xml.begin() + fora, '\n')) + ": byte " +
                            Hexa(xml[fora]) + " fora do UTF-8");
  utf8 = xml;
  return true;
}

}  // namespace tarnel
