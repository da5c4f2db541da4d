// The commands of the fiscal command protocol, in the catalogue's alphabetical order. This list is
// the one place their names are written: the catalogue takes its names from it and code elsewhere
// names a command by its enumerator (quorbal::Comando::VendeItem), whose value is the command's
// position in the catalogue.
#pragma once
#include <cstdint>

namespace quorbal {

#define QUORBAL_COMANDOS(X)    \
  X(AbreCreditoDebito)         \
  X(AbreCupomFiscal)           \
  X(AbreCupomNaoFiscal)        \
  X(AbreGaveta)                \
  X(AbreGerencial)             \
  X(AcertaHorarioVerao)        \
  X(AcresceItemFiscal)         \
  X(AcresceItemNaoFiscal)      \
  X(AcresceSubtotal)           \
  X(AvancaPapel)               \
  X(CancelaCupom)              \
  X(CancelaItemFiscal)         \
  X(CancelaItemNaoFiscal)      \
  X(ChancelaCheque)            \
  X(CortaPapel)                \
  X(CruzaCheque)               \
  X(DefineAliquota)            \
  X(DefineDadosCabecalho)      \
  X(DefineDepartamento)        \
  X(DefineGerencial)           \
  X(DefineMeioPagamento)       \
  X(DefineNaoFiscal)           \
  X(DefineProprietario)        \
  X(EmiteItemNaoFiscal)        \
  X(EmiteLeituraFitaDetalhe)   \
  X(EmiteLeituraMF)            \
  X(EmiteLeituraX)             \
  X(EmiteReducaoZ)             \
  X(EmiteViaCreditoDebito)     \
  X(EncerraDocumento)          \
  X(EscreveData)               \
  X(EscreveHora)               \
  X(EscreveIndicador)          \
  X(EscreveInteiro)            \
  X(EscreveMoeda)              \
  X(EscreveTexto)              \
  X(EstornaCreditoDebito)      \
  X(EstornaMeioPagamento)      \
  X(ExcluiAliquota)            \
  X(ExcluiDepartamento)        \
  X(ExcluiGerencial)           \
  X(ExcluiMeioPagamento)       \
  X(ExcluiNaoFiscal)           \
  X(ExpulsaDocumento)          \
  X(IdentificaConsumidor)      \
  X(ImprimeAutenticacao)       \
  X(ImprimeCheque)             \
  X(ImprimeCupomAdicional)     \
  X(ImprimeDadosDepartamento)  \
  X(ImprimeTexto)              \
  X(IniciaFitaDetalhe)         \
  X(LeAliquota)                \
  X(LeData)                    \
  X(LeDepartamento)            \
  X(LeGerencial)               \
  X(LeHora)                    \
  X(LeImpressao)               \
  X(LeIndicador)               \
  X(LeInteiro)                 \
  X(LeMeioPagamento)           \
  X(LeMoeda)                   \
  X(LeNaoFiscal)               \
  X(LeTexto)                   \
  X(PagaCupom)                 \
  X(ProgramaRelogio)           \
  X(ReimprimeViaCreditoDebito) \
  X(ReinicializaEquipamento)   \
  X(VendeItem)

enum class Comando : std::uint8_t {
#define QUORBAL_ENUMERADOR(nome) nome,
  QUORBAL_COMANDOS(QUORBAL_ENUMERADOR)
#undef QUORBAL_ENUMERADOR
};

#define QUORBAL_UM(nome) +1
constexpr int kTotalComandos = 0 QUORBAL_COMANDOS(QUORBAL_UM);
#undef QUORBAL_UM

// The command's position in the catalogue (kCatalogo[Posicao(c)]).
constexpr int Posicao(Comando c) { return static_cast<int>(c); }

}  // namespace quorbal
