// libFuzzer target for the driver stand-in's command path: commands and their parameters through the
// public DROVIK_ functions, on a fresh emulated printer in a temporary folder for each input.
//
// Each input line is one command. A line holding a record ("... -> {0;Comando;Nome=valor ...;}", as
// in command files) is executed with its items and their types; any other line is taken apart at
// tabs as "Comando<TAB>nome<TAB>valor<TAB>tipo..." (tipo: the type code's digits, any byte
// otherwise), so that names and values of any bytes reach the library as they are.
//
// What must hold after every command: the error name is the one the error table gives for the code,
// success carries "NoError" and no circumstance, every return can be fetched by index and none past
// the last, and the texts cut into small buffers are prefixes of the whole, zero-terminated.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "drovik.h"
#include "fuzz_folder.h"
#include "quorbal/erros.h"
#include "quorbal/registro.h"

namespace {

// A fresh printer and at most this many commands per input: 750 to 1200 inputs a second on a shared
// 2-core machine, four times as many as with 32 commands, for a little less coverage.
constexpr std::size_t kMaximoComandos = 8;

// A text the library returned, cut into a buffer of `tamanho` bytes, must be a zero-terminated prefix.
void ConfereCorte(const char* inteiro, const char* cortado, std::int32_t tamanho) {
  const std::size_t n = std::strlen(cortado);
  if (n + 1 > static_cast<std::size_t>(tamanho) || std::strncmp(inteiro, cortado, n) != 0) std::abort();
  if (n < static_cast<std::size_t>(tamanho) - 1 && n != std::strlen(inteiro)) std::abort();
}

void ConfereResposta(std::int32_t h) {
  const std::int32_t codigo = DROVIK_ObtemCodErro(h);
  const std::string nome = DROVIK_ObtemNomeErro(h, nullptr, 0);
  if (nome != quorbal::NomeErro(codigo)) std::abort();
  if (codigo == 0 && (nome != "NoError" || *DROVIK_ObtemCircunstancia(h, nullptr, 0) != '\0')) std::abort();

  const std::string retornos = DROVIK_ObtemRetornos(h, nullptr, 0);
  char pequeno[8];
  ConfereCorte(retornos.c_str(), DROVIK_ObtemRetornos(h, pequeno, sizeof pequeno), sizeof pequeno);
  const std::string circunstancia = DROVIK_ObtemCircunstancia(h, nullptr, 0);
  ConfereCorte(circunstancia.c_str(), DROVIK_ObtemCircunstancia(h, pequeno, sizeof pequeno), sizeof pequeno);

  const std::int32_t total = DROVIK_TotalRetornos(h);
  if (total < 0 || (codigo != 0 && total != 0)) std::abort();
  char nome_retorno[31];
  std::vector<char> valor(4096);
  for (std::int32_t i = 1; i <= total; ++i) {
    if (DROVIK_Retorno(h, i, nome_retorno, sizeof nome_retorno, valor.data(), 4096) < 0) std::abort();
    if (std::memchr(nome_retorno, '\0', sizeof nome_retorno) == nullptr) std::abort();
  }
  if (DROVIK_Retorno(h, total + 1, nome_retorno, sizeof nome_retorno, valor.data(), 4096) >= 0) std::abort();
  if (DROVIK_Retorno(h, 0, nome_retorno, sizeof nome_retorno, valor.data(), 4096) >= 0) std::abort();
}

std::vector<std::string> Campos(std::string_view linha) {
  std::vector<std::string> campos;
  std::size_t inicio = 0;
  for (;;) {
    const std::size_t tab = linha.find('\t', inicio);
    campos.emplace_back(linha.substr(inicio, tab == std::string_view::npos ? std::string_view::npos : tab - inicio));
    if (tab == std::string_view::npos) return campos;
    inicio = tab + 1;
  }
}

std::int32_t Tipo(const std::string& texto) {
  if (!texto.empty() && texto.find_first_not_of("0123456789") == std::string::npos && texto.size() < 4)
    return std::atoi(texto.c_str());
  return texto.empty() ? -1 : static_cast<signed char>(texto[0]);
}

void Executa(std::int32_t h, std::string_view linha) {
  DROVIK_LimpaParams(h);
  std::string comando;
  const std::size_t chave = linha.find("{0;");
  quorbal::Registro registro;
  if (chave != std::string_view::npos && quorbal::LeRegistro(linha.substr(chave), registro)) {
    comando = registro.cabeca;
    for (const quorbal::Item& item : registro.itens)
      DROVIK_AdicionaParam(h, item.nome.c_str(), item.valor.c_str(), item.tipo);
  } else {
    const std::vector<std::string> campos = Campos(linha);
    comando = campos[0];
    for (std::size_t i = 1; i + 1 < campos.size(); i += 3)
      DROVIK_AdicionaParam(h, campos[i].c_str(), campos[i + 1].c_str(),
                           i + 2 < campos.size() ? Tipo(campos[i + 2]) : quorbal::kString);
    // The same name as a register: the look-up must answer one of its documented results.
    char leitura[64];
    const std::int32_t r = DROVIK_LeRegistrador(h, comando.c_str(), leitura, sizeof leitura);
    if (r > DROVIK_REGISTRADOR_OK || r < DROVIK_REGISTRADOR_FALHA) std::abort();
  }
  const std::string pendentes = DROVIK_ListaParams(h, nullptr, 0);
  char pequeno[8];
  ConfereCorte(pendentes.c_str(), DROVIK_ListaParams(h, pequeno, sizeof pequeno), sizeof pequeno);
  if (DROVIK_ExecutaComando(h, comando.c_str()) != 0) ConfereResposta(h);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::AbsoluteArguments(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  // The emulated printer keeps its files in the current folder.
  fuzz::EnterFuzzFolder("drovik_fuzz");
  const std::int32_t h = DROVIK_IniciaDriver("Emul");
  if (h < 0) std::abort();
  const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
  std::size_t inicio = 0;
  for (std::size_t n = 0; n < kMaximoComandos && inicio <= texto.size(); ++n) {
    std::size_t fim = texto.find('\n', inicio);
    if (fim == std::string_view::npos) fim = texto.size();
    Executa(h, texto.substr(inicio, fim - inicio));
    inicio = fim + 1;
  }
  if (DROVIK_EncerraDriver(h) != 0) std::abort();
  // The next input starts on a new printer.
  fuzz::ClearFuzzFolder();
  return 0;
}
