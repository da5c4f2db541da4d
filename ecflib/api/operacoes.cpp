// Framed operations whose fields depend on their values.
#include <cstring>

#include "codificacao.h"
#include "estado.h"
#include "operacoes.h"
#include "quadro.h"
#include "troca.h"

namespace plenvo {
namespace {

constexpr int kTextoLinhasLivres = 410;  // bytes from offset 7 to the end of the 417-byte frame

}  // namespace

int ExecutaComando(Comando comando, std::initializer_list<const char*> argumentos) {
  if (!Plenvo().inicializada) return kNaoInicializada;
  const LinhaTabela& linha = Linha(comando);
  if (const int recusa = FormataQuadro(linha, argumentos.begin(), argumentos.size())) return recusa;
  return Troca(linha, linha.tamanho_tx).resultado;
}

int LeRegistrador(const char* registrador, char* valor) {
  constexpr int kDados = 30;
  if (valor != nullptr) valor[0] = '\0';
  const int resultado = ExecutaComando(Comando::kLeRegistrador, {registrador});
  if (resultado == kSucesso && valor != nullptr) {
    std::memcpy(valor, Plenvo().resposta, kDados);
    valor[kDados] = '\0';
  }
  return resultado;
}

int ProgramaRelogio(const char* modo, const char* data, const char* hora) {
  if (!Plenvo().inicializada) return kNaoInicializada;
  const LinhaTabela& linha = Linha(Comando::kProgramaRelogio);
  const bool com_valores = modo != nullptr && modo[0] == '0';
  if (com_valores && (data == nullptr || hora == nullptr)) return kGrandeDemais;
  if (FormataQuadro(linha, &modo, 1) != 0) return kGrandeDemais;
  unsigned char* quadro = Plenvo().quadro;
  if (com_valores) {
    EscreveDireita(quadro + 5, 8, data);
    EscreveDireita(quadro + 13, 6, hora);
  } else {
    // Modes '1' and '2' send zeros; so does an unknown mode, rather than an earlier frame's bytes.
    std::memset(quadro + 5, '0', 14);
  }
  return Troca(linha, linha.tamanho_tx).resultado;
}

int LinhasLivres(const char* quantidade, const char* texto) {
  if (!Plenvo().inicializada) return kNaoInicializada;
  const LinhaTabela& linha = Linha(Comando::kLinhasLivres);
  if (texto == nullptr || quantidade == nullptr) return kGrandeDemais;
  const long n = LeInteiro(quantidade);
  if (n > kTextoLinhasLivres) return kGrandeDemais;
  if (FormataQuadro(linha, &quantidade, 1) != 0) return kGrandeDemais;
  // The whole frame is written: text, NUL padding, and nothing left over from an earlier frame.
  unsigned char* destino = Plenvo().quadro + 7;
  std::memset(destino, '\0', kTextoLinhasLivres);
  if (n > 0) std::strncpy(reinterpret_cast<char*>(destino), texto, static_cast<std::size_t>(n));
  return Troca(linha, linha.tamanho_tx).resultado;
}

int CupomStub(long numero) {
  if (!Plenvo().inicializada) return kNaoInicializada;
  const LinhaTabela& linha = Linha(Comando::kCupomStub);
  if (!CabeNumero(numero, 8)) return kGrandeDemais;
  FormataCabecaQuadro(linha);
  EscreveNumero(Plenvo().quadro + 4, 8, numero);
  return Troca(linha, linha.tamanho_tx).resultado;
}

}  // namespace plenvo
