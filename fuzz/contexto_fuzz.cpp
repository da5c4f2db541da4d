// libFuzzer target for the emulated printer's context file (rasc<n>.bin).
//
// The first byte chooses how the rest is read: even, the rest is a whole file of arbitrary bytes;
// odd, the rest is the payload (the sections) of a file whose head and CRC are made right around
// it (version 3, or 2 when bit 1 is set), so that mutations of a valid file reach the sections'
// reader instead of stopping at the CRC. The second byte picks the registers read afterwards.
//
// What must hold: a file the reader accepts encodes again into a file it accepts, and that one
// encodes to the same bytes; the printer opened on an accepted file answers reads of its registers
// with a known error or with returns, and its context file is then one the reader accepts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "contexto/contexto.h"
#include "contexto/crc32.h"
#include "ecf/impressora.h"
#include "fuzz_folder.h"
#include "quorbal/catalogo.h"
#include "quorbal/erros.h"
#include "quorbal/registradores.h"

namespace {

constexpr int kRegistradoresLidos = 4;

void Acrescenta(std::string& bytes, std::uint64_t valor, int tamanho) {
  for (int i = 0; i < tamanho; ++i) bytes += static_cast<char>((valor >> (8 * i)) & 0xFF);
}

std::string ArquivoEmVolta(const std::string& carga, std::uint16_t versao) {
  std::string arquivo = "RASC";
  Acrescenta(arquivo, versao, 2);
  Acrescenta(arquivo, 0, 2);
  Acrescenta(arquivo, carga.size(), 4);
  arquivo += carga;
  Acrescenta(arquivo, ecf::Crc32(arquivo.data(), arquivo.size()), 4);
  return arquivo;
}

void LeRegistradores(ecf::Impressora& impressora, unsigned primeiro) {
  for (int k = 0; k < kRegistradoresLidos; ++k) {
    std::string nome = quorbal::kNomesRegistradores[(primeiro + k) % quorbal::kTotalRegistradores];
    if (quorbal::Indexado(static_cast<quorbal::Registrador>((primeiro + k) % quorbal::kTotalRegistradores)))
      nome += "[" + std::to_string(k) + "]";
    std::string comando;
    if (ecf::ComandoDeLeitura(nome, comando) != ecf::LeituraRegistrador::kComando) continue;
    const int posicao = quorbal::ProcuraComando(comando);
    if (posicao < 0) std::abort();
    const quorbal::DescritorComando& descritor = quorbal::kCatalogo[posicao];
    const ecf::Resposta resposta =
        impressora.Executa(comando, {{descritor.parametros[0].nome, nome, quorbal::kString}});
    if (resposta.nome_erro != quorbal::NomeErro(resposta.codigo_erro)) std::abort();
    if (resposta.codigo_erro == 0 && resposta.retornos.empty()) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  if (tamanho < 2) return 0;
  const std::string resto(reinterpret_cast<const char*>(dados) + 2, tamanho - 2);
  const std::string bytes = (dados[0] & 1) == 0 ? resto
                            : ArquivoEmVolta(resto, (dados[0] & 2) ? ecf::kVersaoContextoAnterior
                                                                   : ecf::kVersaoContexto);
  ecf::Estado estado;
  std::string saida;
  if (!ecf::DecodificaContexto(bytes, estado, saida)) return 0;

  const std::string codificado = ecf::CodificaContexto(estado, saida);
  ecf::Estado relido;
  std::string saida_relida;
  if (!ecf::DecodificaContexto(codificado, relido, saida_relida) || saida_relida != saida ||
      ecf::CodificaContexto(relido, saida_relida) != codificado)
    std::abort();

  const std::string& pasta = fuzz::MakeFuzzFolder("contexto_fuzz");
  {
    std::ofstream(pasta + "/rasc0.bin", std::ios::binary) << bytes;
    const std::unique_ptr<ecf::Impressora> impressora = ecf::Impressora::Abre(pasta);
    if (!impressora) std::abort();
    LeRegistradores(*impressora, dados[1]);
  }
  std::string gravado;
  {
    std::ifstream arquivo(pasta + "/rasc0.bin", std::ios::binary);
    gravado.assign(std::istreambuf_iterator<char>(arquivo), {});
  }
  if (!ecf::DecodificaContexto(gravado, relido, saida_relida)) std::abort();
  fuzz::ClearFuzzFolder();
  return 0;
}
