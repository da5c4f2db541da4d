// libFuzzer target for compat's registry file off Windows (the hive's text form). The input is a
// key path, a value name and a value text (each a length-prefixed run of the first bytes), then the
// file's bytes.
//
// What must hold: a file the loader accepts is written out as a file it accepts and that writes the
// same bytes again (the same keys and values); a value set on any key path the loader can split is
// read back, byte for byte, from the written file.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "posix/registry_hive.h"

using compat::detail::HiveData;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  FuzzedDataProvider entrada(dados, tamanho);
  const std::string caminho = entrada.ConsumeRandomLengthString(60);
  const std::string nome = entrada.ConsumeRandomLengthString(30);
  const std::string texto = entrada.ConsumeRandomLengthString(60);
  const std::string arquivo = entrada.ConsumeRemainingBytesAsString();

  HiveData lido;
  if (!lido.parse(arquivo)) return 0;
  const std::string escrito = lido.format();
  HiveData relido;
  if (!relido.parse(escrito) || relido.format() != escrito) std::abort();

  std::vector<std::string> niveis;
  if (!HiveData::split_path(caminho, niveis)) return 0;
  // Set as the registry service sets a text value.
  bool criada = false;
  compat::detail::HiveKey& chave = relido.create(niveis, criada);
  compat::detail::HiveValue* valor = HiveData::find_value(chave, nome);
  if (valor == nullptr) valor = &chave.values.emplace_back(compat::detail::HiveValue{nome, false, {}, 0});
  valor->is_dword = false;
  valor->text = texto;
  HiveData com_valor;
  if (!com_valor.parse(relido.format())) std::abort();
  compat::detail::HiveKey* achada = com_valor.find(niveis);
  compat::detail::HiveValue* achado = achada ? HiveData::find_value(*achada, nome) : nullptr;
  if (achado == nullptr || achado->is_dword || achado->text != texto) std::abort();
  return 0;
}
