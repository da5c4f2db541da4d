// libFuzzer target for Plenvo's cheque layouts: a number list ("5,3,0,1") and a layout file, read
// through the work-file copy as ecf_ImprimeCheque reads it. The input is the count of numbers
// wanted, the list, the section name (each from the first bytes), then the layout file.
//
// What must hold: every number is -1 (an empty position) or between 0 and the ceiling; a valid list
// has exactly count - 1 commas and no empty position; a line's copied part lies inside the line;
// a layout's keys are read with success (0) or one of the key errors (22 to 28).
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "cheque/copia_leiaute.h"
#include "cheque/lista_numeros.h"
#include "cheque/posicoes.h"
#include "fuzz_folder.h"

namespace {

void ConfereLista(const std::string& lista, int quantos) {
  int numeros[plenvo::kMaximoNumerosLista + 1];
  std::fill(std::begin(numeros), std::end(numeros), -7);
  const bool valida = plenvo::LeListaNumeros(lista.c_str(), quantos, numeros);
  if (quantos < 1 || quantos > plenvo::kMaximoNumerosLista) {
    if (valida) std::abort();
    return;
  }
  for (int i = 0; i < quantos; ++i)
    if (numeros[i] < -1 || numeros[i] > plenvo::kTetoNumeroLista || (valida && numeros[i] < 0)) std::abort();
  if (numeros[quantos] != -7) std::abort();  // nothing written past the count
  const std::string lido(lista.c_str());
  if (valida && std::count(lido.begin(), lido.end(), ',') != quantos - 1) std::abort();
}

void ConfereLinhas(const std::string& texto) {
  std::size_t inicio = 0;
  while (inicio <= texto.size()) {
    std::size_t fim = texto.find('\n', inicio);
    if (fim == std::string::npos) fim = texto.size();
    const std::string linha = texto.substr(inicio, fim - inicio);
    const char* copiado = plenvo::InicioCopiado(linha.c_str());
    if (copiado < linha.c_str() || copiado > linha.c_str() + std::strlen(linha.c_str())) std::abort();
    inicio = fim + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  FuzzedDataProvider entrada(dados, tamanho);
  const int quantos = entrada.ConsumeIntegralInRange(0, plenvo::kMaximoNumerosLista + 1);
  const std::string lista = entrada.ConsumeRandomLengthString(100);
  const std::string secao = entrada.ConsumeRandomLengthString(12);
  const std::string layout = entrada.ConsumeRemainingBytesAsString();
  ConfereLista(lista, quantos);
  ConfereLinhas(layout);

  const std::string& pasta = fuzz::MakeFuzzFolder("leiaute_cheque_fuzz");
  const std::string leiaute = pasta + "/leiaute.ini";
  const std::string trabalho = pasta + "/trabalho.ini";
  std::ofstream(leiaute, std::ios::binary | std::ios::trunc) << layout;
  if (plenvo::CopiaParaTrabalho(leiaute.c_str(), trabalho.c_str()) != plenvo::CopiaLeiaute::kCopiado) std::abort();
  plenvo::FormaCheque forma;
  if (plenvo::FormaPeloValor(trabalho.c_str(), secao.c_str(), forma) != 0) return 0;
  plenvo::Posicoes lidas;
  const int resultado = plenvo::LePosicoes(trabalho.c_str(), secao.c_str(), forma, lidas);
  if (resultado != 0 && (resultado < 22 || resultado > 28)) std::abort();
  if (resultado == 0) plenvo::EscrevePosicoes(forma, lidas);
  return 0;
}
