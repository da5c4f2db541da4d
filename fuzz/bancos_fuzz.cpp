// libFuzzer target for Tarnel's bank layouts: the input is CHEQUES.INI (in a temporary current
// folder).
//
// What must hold: the banks listed are sections "0" to "999" in increasing order, each shown as
// "Banco <n> - <description>" with a description of 1 to 119 characters, the one read alone.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "cheques/bancos.h"
#include "fuzz_folder.h"
#include "window/interacao.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzz::AbsoluteArguments(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  // The banks' file is read from the current folder.
  fuzz::EnterFuzzFolder("bancos_fuzz");
  std::ofstream(tarnel::CaminhoArquivoBancos(), std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(dados), static_cast<std::streamsize>(tamanho));
  static tarnel::InteracaoSilenciosa interacao;
  static tarnel::TfrmMain frm(interacao);
  tarnel::CarregaBancos(frm);
  if (frm.ListaBancos.size() != frm.ListaSecoesBancos.size()) std::abort();
  int anterior = -1;
  for (std::size_t i = 0; i < frm.ListaSecoesBancos.size(); ++i) {
    const std::string& secao = frm.ListaSecoesBancos[i];
    const int numero = std::stoi(secao);
    if (numero <= anterior || numero > 999 || std::to_string(numero) != secao) std::abort();
    anterior = numero;
    const std::string observacao = tarnel::ObservacaoBanco(secao);
    if (observacao.empty() || observacao.size() > 119) std::abort();
    if (frm.ListaBancos[i] != "Banco " + secao + " - " + observacao) std::abort();
    tarnel::PosicoesBanco(secao);
  }
  return 0;
}
