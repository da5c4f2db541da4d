// The export table: for every framed operation, its command number, field layout, TX length,
// reply length, reply time-out, clear-to-send check and whether the line closes after the
// exchange. The frames are built from these rows; only the operations whose fields depend on
// their values (ProgramaRelogio, LinhasLivres, CupomStub, Quorbal) and the cheque layouts add
// code of their own.
#pragma once
#include <cstdint>

namespace plenvo {

enum class Codificacao : std::uint8_t {
  kTexto,      // Tn
  kDireita,    // Rn
  kNumero,     // Nn
  kCaractere,  // C
  kZero,       // the constant character '0'
};

struct Campo {
  std::uint16_t deslocamento;
  Codificacao codificacao;
  std::uint16_t largura;   // n of Tn, Rn, Nn; 1 for C and '0'
  std::uint8_t argumento;  // 1-based argument number; 0 for the constant
};

// The fields as the layouts name them: T(offset, n, argument) is Tn from that argument, and so on.
namespace campos {
constexpr Campo T(int deslocamento, int largura, int argumento) {
  return {static_cast<std::uint16_t>(deslocamento), Codificacao::kTexto, static_cast<std::uint16_t>(largura),
          static_cast<std::uint8_t>(argumento)};
}
constexpr Campo R(int deslocamento, int largura, int argumento) {
  return {static_cast<std::uint16_t>(deslocamento), Codificacao::kDireita, static_cast<std::uint16_t>(largura),
          static_cast<std::uint8_t>(argumento)};
}
constexpr Campo N(int deslocamento, int largura, int argumento) {
  return {static_cast<std::uint16_t>(deslocamento), Codificacao::kNumero, static_cast<std::uint16_t>(largura),
          static_cast<std::uint8_t>(argumento)};
}
constexpr Campo C(int deslocamento, int argumento) {
  return {static_cast<std::uint16_t>(deslocamento), Codificacao::kCaractere, 1, static_cast<std::uint8_t>(argumento)};
}
constexpr Campo Zero(int deslocamento) { return {static_cast<std::uint16_t>(deslocamento), Codificacao::kZero, 1, 0}; }
}  // namespace campos

constexpr int kMaximoCampos = 8;

struct LinhaTabela {
  const char* exportacao;
  char numero[3];  // two ASCII digits
  std::uint16_t tamanho_tx;
  std::uint16_t tamanho_resposta;
  std::uint16_t timeout;  // seconds
  bool cts;
  bool fecha;
  std::uint8_t quantos_campos;
  Campo campos[kMaximoCampos];
};

enum class Comando : std::uint8_t {
  kEstadoImpressora, kAbreGaveta, kLeSensor, kAvancaLinhas, kLeRegistrador, kVendaItem,
  kCancelaVenda, kCancelaCupom, kRelatorioXZ, kFechaCupom, kPagamento, kImprimeCabecalho,
  kPropaganda, kCargaCliche, kIdComprador, kCargaAliquota, kLeECF, kCancelaItem,
  kAcrescimoSubtotal, kDescontoSubtotal, kDescontoItem, kProgramaRelogio, kFormaPagamento,
  kCargaNaoVinculado, kDefineAliquota, kEspacamentoLinhas, kVinculadoTEF, kAutentica,
  kCupomStub, kImprimeCheque, kNovoEstabelecimento, kVinculadoCartao, kMecanismo,
  kEmiteNaoVinculado, kVinculadoNSeq, kFinalizaRelatorio, kCortaPapel, kCMC7ToECF,
  kLinhasLivres, kEjetarCheque, kVinculado, kRascunho, kContrasteTermico, kLeCMC7,
  kCruzarCheque, kCodigoBarras, kPropagandaEx, kImprimeCheque2, kChancelarCheque, kQuorbal,
  kQuantidade
};

const LinhaTabela& Linha(Comando comando);

}  // namespace plenvo
