// libFuzzer target for the command-file player's readers: any bytes, read as a command file, give
// lines of at most 4096 bytes, line kinds from their columns, record fields inside the record and
// parameter items with valid, bounded names.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "scripts/classifica_linha.h"
#include "scripts/leitor_linhas.h"
#include "scripts/lista_parametros.h"
#include "scripts/registro_script.h"

namespace {

bool NomeValido(const std::string& nome) {
  if (nome.empty() || nome.size() > 30) return false;
  for (char c : nome)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_')) return false;
  return true;
}

void ConfereParametros(std::string_view lista) {
  std::vector<quorbal::Item> itens;
  tarnel::LeListaParametros(lista, itens);
  for (const quorbal::Item& item : itens)
    if (!NomeValido(item.nome) || item.valor.size() > lista.size()) std::abort();
}

// As the player reads a command or reply record.
void ConfereRegistro(const std::string& registro) {
  std::string campo;
  std::size_t depois = 0;
  if (!tarnel::LeCampoRegistro(registro, campo, depois)) return;
  if (depois > registro.size() || campo.size() >= registro.size()) std::abort();
  const std::size_t fim = tarnel::FimItensRegistro(registro, depois);
  if (fim != std::string::npos && (fim >= registro.size() || (registro[fim] != ';' && registro[fim] != '}')))
    std::abort();
  ConfereParametros(std::string_view(registro).substr(depois));
}

}  // namespace



extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
  tarnel::FonteTexto fonte(texto);
  tarnel::LeitorLinhas leitor(fonte);
  std::string linha;
  long linhas = 0;
  for (tarnel::Leitura l; (l = leitor.LeLinha(linha)) != tarnel::Leitura::Fim;) {
    if (linha.size() > tarnel::kTamanhoLinhaScript || (l == tarnel::Leitura::Vazia) != linha.empty()) std::abort();
    if (++linhas != leitor.NumeroLinha()) std::abort();
    const tarnel::TipoLinha tipo = tarnel::ClassificaLinha(linha);
    if (tipo == tarnel::TipoLinha::Comando || tipo == tarnel::TipoLinha::Resposta)
      ConfereRegistro(tarnel::RegistroDaLinha(linha));
  }
  // The parameter reader on the raw bytes too, where line ends and NULs reach it.
  ConfereParametros(texto);
  return 0;
}
