// ecf_ImprimeCheque and ecf_ImprimeCheque2: the layout file is copied to the work file, the section's
// position keys are read from it, and the frame carries positions and texts.
#include "cheque.h"

#include <cstdio>

#include "api/estado.h"
#include "api/quadro.h"
#include "api/troca.h"
#include "compat/native_path.h"
#include "compat/profile.h"
#include "copia_leiaute.h"
#include "lugares/lugares.h"
#include "posicoes.h"

namespace plenvo {
namespace {

constexpr const char* kArquivoTrabalho = "prt77q.ini";
constexpr int kSecaoAusente = 21;
constexpr int kTamanhoCaminho = 4096;

using namespace campos;

// The texts of each form, after the positions.
constexpr Campo kTextosLonga34[] = {R(53, 14, 1),  T(67, 30, 2),  T(97, 20, 3), T(117, 30, 4),
                                    R(147, 6, 5),  T(153, 15, 6), T(168, 17, 7), Zero(188)};
constexpr Campo kTextosCurta34[] = {R(34, 14, 1), T(48, 30, 2),  T(78, 20, 3),  T(98, 30, 4),
                                    R(128, 6, 5), T(134, 15, 6), T(149, 17, 7)};
constexpr Campo kTextos58[] = {R(67, 14, 1),   T(81, 30, 2),   T(111, 20, 3), T(131, 30, 4), T(161, 40, 5),
                               T(201, 20, 6),  R(221, 6, 7),   T(227, 15, 8), T(242, 17, 9), Zero(262),
                               T(263, 20, 11), T(283, 50, 12), T(333, 8, 13), T(341, 4, 14), T(348, 10, 15)};

struct Forma {
  const Campo* textos;
  int quantos_textos;
  int tamanho_tx;
};

template <int N>
constexpr Forma Com(const Campo (&textos)[N], int tamanho_tx) {
  return {textos, N, tamanho_tx};
}

Forma FormaDo(FormaCheque forma) {
  switch (forma) {
    case FormaCheque::kLonga34: return Com(kTextosLonga34, 189);
    case FormaCheque::kCurta34: return Com(kTextosCurta34, 169);
    case FormaCheque::k58: break;
  }
  return Com(kTextos58, 361);
}

bool AlgumNulo(const char* const* textos, int quantos) {
  for (int i = 0; i < quantos; ++i)
    if (textos[i] == nullptr) return true;
  return false;
}

// Copies the layout, checks the section and reads its keys; 0 with the form and the positions, or
// the result to return. The work file stays on disk when a key or the section fails.
int LeLeiaute(const char* leiaute, const char* secao, bool forma_pelo_valor, FormaCheque& forma, Posicoes& lidas,
              char (&trabalho)[kTamanhoCaminho]) {
  if (!CaminhoNaUnidadeC(kArquivoTrabalho, trabalho, sizeof trabalho)) return kSemArquivo;
  CopiaLeiaute copia = CopiaParaTrabalho(leiaute, trabalho);
  if (copia == CopiaLeiaute::kSemTrabalho && CriaPastaUnidadeC()) copia = CopiaParaTrabalho(leiaute, trabalho);
  if (copia != CopiaLeiaute::kCopiado) return kSemArquivo;
  if (secao == nullptr || compat::profile_section(trabalho, secao).empty()) return kSecaoAusente;
  if (forma_pelo_valor)
    if (const int falha = FormaPeloValor(trabalho, secao, forma)) return falha;
  return LePosicoes(trabalho, secao, forma, lidas);
}

// The texts were checked by the caller: none of those the frame carries is null.
int Imprime(Comando comando, const char* const* argumentos, int quantos, const char* secao, const char* leiaute,
            bool forma_pelo_valor, FormaCheque forma) {
  char trabalho[kTamanhoCaminho];
  Posicoes lidas{};
  if (const int falha = LeLeiaute(leiaute, secao, forma_pelo_valor, forma, lidas, trabalho)) return falha;
  compat::remove_file(trabalho);

  const LinhaTabela& linha = Linha(comando);
  const Forma textos = FormaDo(forma);
  FormataCabecaQuadro(linha);
  EscrevePosicoes(forma, lidas);
  EscreveCampos(textos.textos, textos.quantos_textos, argumentos, static_cast<std::size_t>(quantos));
  return Troca(linha, textos.tamanho_tx).resultado;
}

}  // namespace

int ImprimeCheque(const char* const (&textos)[kTextosCheque], const char* secao, const char* leiaute) {
  if (AlgumNulo(textos, kTextosCheque)) return kGrandeDemais;
  return Imprime(Comando::kImprimeCheque, textos, kTextosCheque, secao, leiaute, true, FormaCheque::kLonga34);
}

int ImprimeCheque2(const char* const (&argumentos)[kArgumentosCheque2], const char* leiaute) {
  // The section (10th) is not a text of the frame.
  if (AlgumNulo(argumentos, 9) || AlgumNulo(argumentos + 10, 5)) return kGrandeDemais;
  return Imprime(Comando::kImprimeCheque2, argumentos, kArgumentosCheque2, argumentos[9], leiaute, false,
                 FormaCheque::k58);
}

}  // namespace plenvo
