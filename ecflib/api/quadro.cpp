#include "quadro.h"

#include "codificacao.h"
#include "estado.h"
#include "troca.h"

namespace plenvo {
namespace {

const char* Argumento(const Campo& campo, const char* const* argumentos, std::size_t quantos) {
  return (campo.argumento >= 1 && campo.argumento <= quantos) ? argumentos[campo.argumento - 1] : nullptr;
}

bool CampoAceito(const Campo& campo, const char* argumento) {
  if (campo.codificacao == Codificacao::kZero) return true;
  if (argumento == nullptr) return false;
  return campo.codificacao != Codificacao::kNumero || CabeNumero(LeInteiro(argumento), campo.largura);
}

}  // namespace

void FormataCabecaQuadro(const LinhaTabela& linha) {
  unsigned char* quadro = Plenvo().quadro;
  quadro[0] = 0x1B;
  quadro[1] = 'f';
  quadro[2] = static_cast<unsigned char>(linha.numero[0]);
  quadro[3] = static_cast<unsigned char>(linha.numero[1]);
}

int EscreveCampos(const Campo* campos, int quantos_campos, const char* const* argumentos, std::size_t quantos) {
  for (int i = 0; i < quantos_campos; ++i)
    if (!CampoAceito(campos[i], Argumento(campos[i], argumentos, quantos))) return kGrandeDemais;
  for (int i = 0; i < quantos_campos; ++i) {
    const Campo& campo = campos[i];
    unsigned char* destino = Plenvo().quadro + campo.deslocamento;
    const char* argumento = Argumento(campo, argumentos, quantos);
    switch (campo.codificacao) {
      case Codificacao::kTexto: EscreveTexto(destino, campo.largura, argumento); break;
      case Codificacao::kDireita: EscreveDireita(destino, campo.largura, argumento); break;
      case Codificacao::kNumero: EscreveNumero(destino, campo.largura, LeInteiro(argumento)); break;
      case Codificacao::kCaractere: EscreveCaractere(destino, argumento); break;
      case Codificacao::kZero: *destino = '0'; break;
    }
  }
  return 0;
}

int FormataQuadro(const LinhaTabela& linha, const char* const* argumentos, std::size_t quantos) {
  if (const int recusa = EscreveCampos(linha.campos, linha.quantos_campos, argumentos, quantos)) return recusa;
  FormataCabecaQuadro(linha);
  return 0;
}

}  // namespace plenvo
