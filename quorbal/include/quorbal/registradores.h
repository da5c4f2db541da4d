// The printer's named registers, in the order the register box lists them. This list is the one
// place their names are written: kNomesRegistradores takes them from it, and code elsewhere names
// a register by its enumerator (quorbal::Registrador::COO), whose value is its index there.
// XI marks the indexed registers, read as name[index] (CER[3], TotalDiaValorAliquota[0]): the
// printer refuses their bare name.
#pragma once
#include <cstdint>
#include <string_view>

namespace quorbal {

#define QUORBAL_REGISTRADORES(X, XI)      \
  X(Aliquota00ICMSReducao)                \
  X(Aliquota00Reducao)                    \
  X(Aliquota01ICMSReducao)                \
  X(Aliquota01Reducao)                    \
  X(Aliquota02ICMSReducao)                \
  X(Aliquota02Reducao)                    \
  X(Aliquota03ICMSReducao)                \
  X(Aliquota03Reducao)                    \
  X(Aliquota04ICMSReducao)                \
  X(Aliquota04Reducao)                    \
  X(Aliquota05ICMSReducao)                \
  X(Aliquota05Reducao)                    \
  X(Aliquota06ICMSReducao)                \
  X(Aliquota06Reducao)                    \
  X(Aliquota07ICMSReducao)                \
  X(Aliquota07Reducao)                    \
  X(Aliquota08ICMSReducao)                \
  X(Aliquota08Reducao)                    \
  X(Aliquota09ICMSReducao)                \
  X(Aliquota09Reducao)                    \
  X(Aliquota10ICMSReducao)                \
  X(Aliquota10Reducao)                    \
  X(Aliquota11ICMSReducao)                \
  X(Aliquota11Reducao)                    \
  X(Aliquota12ICMSReducao)                \
  X(Aliquota12Reducao)                    \
  X(Aliquota13ICMSReducao)                \
  X(Aliquota13Reducao)                    \
  X(Aliquota14ICMSReducao)                \
  X(Aliquota14Reducao)                    \
  X(Aliquota15ICMSReducao)                \
  X(Aliquota15Reducao)                    \
  X(AliquotaDisponivel)                   \
  X(CancelamentosICMSReducao)             \
  X(CancelamentosISSQNReducao)            \
  X(CCF)                                  \
  X(CDC)                                  \
  XI(CER)                                 \
  X(CFC)                                  \
  X(CFD)                                  \
  X(Cliche)                               \
  X(CMC7Campo1)                           \
  X(CMC7Campo2)                           \
  X(CMC7Campo3)                           \
  X(CMC7Documento)                        \
  X(CMC7Memoria)                          \
  X(CNPJ)                                 \
  XI(CON)                                 \
  X(ContadorDocUltimoItemVendido)         \
  X(ContadorProprietarios)                \
  X(ContadorReinicioReducao)              \
  X(ContadorVersoes)                      \
  X(ContrasteBobina)                      \
  X(ContrastePagina)                      \
  X(COO)                                  \
  X(COOInicioDia)                         \
  X(COOReducao)                           \
  X(CRO)                                  \
  X(CRORestantes)                         \
  X(CRZ)                                  \
  X(CRZRestantes)                         \
  X(DadosUltimaReducaoZ)                  \
  X(Data)                                 \
  X(DataAbertura)                         \
  X(DataReducao)                          \
  X(DataUltimoDoc)                        \
  X(DescontosReducao)                     \
  X(DiaAberto)                            \
  X(DiaFechado)                           \
  X(DocumentoAberto)                      \
  X(ECF)                                  \
  X(EnderecoSoftwareBasico)               \
  X(EspacamentoDocumentos)                \
  X(EspacamentoLinhas)                    \
  X(EstadoFiscal)                         \
  X(EstadoGeralECF)                       \
  X(GNF)                                  \
  X(GRG)                                  \
  X(GT)                                   \
  X(GTInicial)                            \
  X(HabilitaCupomAdicional)               \
  X(Hora)                                 \
  X(HoraReducao)                          \
  X(HorarioVerao)                         \
  X(HoraUltimoDoc)                        \
  X(IE)                                   \
  X(IM)                                   \
  X(Indicadores)                          \
  X(IntervencaoTecnica)                   \
  X(Loja)                                 \
  X(Marca)                                \
  X(MecanismoBobina)                      \
  X(MecanismoPagina)                      \
  X(MFDDesconectada)                      \
  X(MFDesconectada)                       \
  X(MFDEsgotada)                          \
  X(MFDLivre)                             \
  X(Modelo)                               \
  X(NCN)                                  \
  X(NFC)                                  \
  X(NomeEstadoFiscal)                     \
  X(NomeMoedaPlural)                      \
  X(NomeMoedaSingular)                    \
  X(NumeroMeiosPagamentoCupomAtual)       \
  X(NumeroSerieECF)                       \
  X(NumeroSerieMFD)                       \
  X(NumLinhasImpressas)                   \
  X(OperacoesNaoFiscaisReducao)           \
  X(PercentualMFDUtilizada)               \
  X(ProtocoloSerial)                      \
  X(RAMInvalida)                          \
  X(RelogioInconsistente)                 \
  X(SemPapel)                             \
  X(SensorAutenticacao)                   \
  X(SensorCabecote)                       \
  X(SensorCheque)                         \
  X(SensorGaveta)                         \
  X(SensorPoucoPapel)                     \
  X(SimboloMoeda)                         \
  X(SoftwareBasico)                       \
  X(TamanhoSoftwareBasico)                \
  X(TempoAcionamentoPadrao)               \
  X(TempoEmitindoDocFiscal)               \
  X(TempoOperacional)                     \
  X(TextoLivre)                           \
  X(TipoDocEmEmissao)                     \
  X(TipoECF)                              \
  X(TipoUltimoDocEmitido)                 \
  X(TotalAliquota00Reducao)               \
  X(TotalAliquota01Reducao)               \
  X(TotalAliquota02Reducao)               \
  X(TotalAliquota03Reducao)               \
  X(TotalAliquota04Reducao)               \
  X(TotalAliquota05Reducao)               \
  X(TotalAliquota06Reducao)               \
  X(TotalAliquota07Reducao)               \
  X(TotalAliquota08Reducao)               \
  X(TotalAliquota09Reducao)               \
  X(TotalAliquota10Reducao)               \
  X(TotalAliquota11Reducao)               \
  X(TotalAliquota12Reducao)               \
  X(TotalAliquota13Reducao)               \
  X(TotalAliquota14Reducao)               \
  X(TotalAliquota15Reducao)               \
  X(TotalDiaAcrescimos)                   \
  X(TotalDiaAcrescimosItens)              \
  X(TotalDiaAcrescimosNaoFiscais)         \
  X(TotalDiaCancelamentoItens)            \
  X(TotalDiaCancelamentosICMS)            \
  X(TotalDiaCancelamentosISSQN)           \
  X(TotalDiaCancelamentosNaoFiscais)      \
  X(TotalDiaDescontos)                    \
  X(TotalDiaDescontosItens)               \
  X(TotalDiaDescontosNaoFiscais)          \
  X(TotalDiaDinheiro)                     \
  XI(TotalDiaImpostoAliquota)             \
  X(TotalDiaImpostoICMS)                  \
  X(TotalDiaImpostoISSQN)                 \
  X(TotalDiaIsencaoICMS)                  \
  X(TotalDiaIsencaoISSQN)                 \
  X(TotalDiaISSQN)                        \
  XI(TotalDiaMeioPagamento)               \
  XI(TotalDiaNaoFiscal)                   \
  X(TotalDiaNaoTributadoICMS)             \
  X(TotalDiaNaoTributadoISSQN)            \
  X(TotalDiaOperacoesNaoFiscais)          \
  XI(TotalDiaQuantidadeVendasDepartamento)\
  X(TotalDiaSubstituicaoTributariaICMS)   \
  X(TotalDiaSubstituicaoTributariaISSQN)  \
  X(TotalDiaTroco)                        \
  XI(TotalDiaValorAliquota)               \
  X(TotalDiaValorEmCaixa)                 \
  X(TotalDiaValorRecebido)                \
  X(TotalDiaValorTributadoICMS)           \
  X(TotalDiaValorTributadoISSQN)          \
  XI(TotalDiaValorVendasDepartamento)     \
  X(TotalDiaVendaBruta)                   \
  X(TotalDiaVendaLiquida)                 \
  X(TotalDocAcrescimos)                   \
  XI(TotalDocAliquota)                    \
  X(TotalDocBruto)                        \
  X(TotalDocCancelamentoICMS)             \
  X(TotalDocCancelamentoISSQN)            \
  X(TotalDocCancelamentosNaoFiscais)      \
  X(TotalDocDescontos)                    \
  X(TotalDocDinheiro)                     \
  X(TotalDocIsencaoICMS)                  \
  X(TotalDocIsencaoISSQN)                 \
  X(TotalDocISSQN)                        \
  X(TotalDocLiquido)                      \
  XI(TotalDocMeioPagamento)               \
  XI(TotalDocNaoFiscal)                   \
  X(TotalDocNaoTributadoICMS)             \
  X(TotalDocNaoTributadoISSQN)            \
  X(TotalDocSubstituicaoTributariaICMS)   \
  X(TotalDocSubstituicaoTributariaISSQN)  \
  X(TotalDocTransacoesVenda)              \
  X(TotalDocTroco)                        \
  X(TotalDocValorPago)                    \
  X(TradutorIndiceMeioPagamentoDinheiro)  \
  X(UltimoErroCircunstancia)              \
  X(UltimoErroCodigo)                     \
  X(UltimoErroNome)                       \
  X(VendaBrutaReducao)                    \
  X(VersaoSW)

enum class Registrador : std::uint8_t {
#define QUORBAL_ENUMERADOR(nome) nome,
  QUORBAL_REGISTRADORES(QUORBAL_ENUMERADOR, QUORBAL_ENUMERADOR)
#undef QUORBAL_ENUMERADOR
};

#define QUORBAL_UM(nome) +1
constexpr int kTotalRegistradores = 0 QUORBAL_REGISTRADORES(QUORBAL_UM, QUORBAL_UM);
#undef QUORBAL_UM
static_assert(kTotalRegistradores == 205);

extern const char* const kNomesRegistradores[kTotalRegistradores];

// The register's index in kNomesRegistradores.
constexpr int Indice(Registrador r) { return static_cast<int>(r); }

// Whether the register is read as name[index].
constexpr bool Indexado(Registrador r) {
  constexpr bool kIndexados[] = {
#define QUORBAL_SIMPLES(nome) false,
#define QUORBAL_INDEXADO(nome) true,
      QUORBAL_REGISTRADORES(QUORBAL_SIMPLES, QUORBAL_INDEXADO)
#undef QUORBAL_SIMPLES
#undef QUORBAL_INDEXADO
  };
  return kIndexados[Indice(r)];
}

// The register of that name (whole name, letter case ignored); -1 when there is none.
int ProcuraRegistrador(std::string_view nome);

}  // namespace quorbal
